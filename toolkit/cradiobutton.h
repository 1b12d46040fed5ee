#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QRadioButton>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CRadioButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit CRadioButton(QWidget *parent = nullptr);
};

} // namespace MovraGUIToolkit
