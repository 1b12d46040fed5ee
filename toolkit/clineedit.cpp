#include "toolkit/clineedit.h"

namespace MovraGUIToolkit {

CLineEdit::CLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

} // namespace MovraGUIToolkit
