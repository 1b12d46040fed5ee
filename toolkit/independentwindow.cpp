#include "toolkit/independentwindow.h"

#include <QWidget>

namespace MovraGUIToolkit {

QWidget *GetIndependentWindow(QWidget *widget, const QString &name)
{
    if (!widget)
        return nullptr;
    if (name.isNull())
        return widget->window();
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->isWindow() && w->objectName() == name)
            return w;
    }
    return nullptr;
}

} // namespace MovraGUIToolkit
