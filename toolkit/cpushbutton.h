#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QPushButton>

namespace MovraGUIToolkit {

class MOVRAGUITOOLKIT_EXPORT CPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CPushButton(QWidget *parent = nullptr);
};

} // namespace MovraGUIToolkit
