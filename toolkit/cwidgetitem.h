#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QWidgetItem>

namespace MovraGUIToolkit {

// A layout item for a widget with its own alignment inside the layout cell.
class MOVRAGUITOOLKIT_EXPORT CWidgetItem : public QWidgetItem
{
public:
    CWidgetItem(QWidget *widget, Qt::Alignment alignment);
};

} // namespace MovraGUIToolkit
