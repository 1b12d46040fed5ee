#include "toolkit/cwidgetitem.h"

namespace MovraGUIToolkit {

CWidgetItem::CWidgetItem(QWidget *widget, Qt::Alignment alignment)
    : QWidgetItem(widget)
{
    setAlignment(alignment);
}

} // namespace MovraGUIToolkit
