#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QHBoxLayout>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CHBoxLayout : public QHBoxLayout
{
    Q_OBJECT
public:
    explicit CHBoxLayout(QWidget *parent = nullptr);

    void AddWidget(QWidget *widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());
    // Takes ownership of item; a widget item re-parents its widget to the layout's widget.
    void AddItem(QLayoutItem *item, int stretch);
    void SetLayoutContentsMargins(int left, int top, int right, int bottom);
    void SetLayoutSpacing(int spacing);
};

} // namespace MovraGUIToolkit
