#include "toolkit/cpushbutton.h"

namespace MovraGUIToolkit {

CPushButton::CPushButton(QWidget *parent)
    : QPushButton(parent)
{
}

} // namespace MovraGUIToolkit
