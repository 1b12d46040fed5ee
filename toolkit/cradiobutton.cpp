#include "toolkit/cradiobutton.h"

namespace MovraGUIToolkit {

CRadioButton::CRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

} // namespace MovraGUIToolkit
