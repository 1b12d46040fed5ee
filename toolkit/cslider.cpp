#include "toolkit/cslider.h"

namespace MovraGUIToolkit {

CSlider::CSlider(QWidget *parent)
    : QSlider(parent)
{
}

} // namespace MovraGUIToolkit
