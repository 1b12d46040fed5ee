#include "toolkit/ccombobox.h"

namespace MovraGUIToolkit {

CComboBox::CComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

} // namespace MovraGUIToolkit
