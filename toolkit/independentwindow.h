#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QString>

class QWidget;

namespace MovraGUIToolkit {

// The top-level window that holds widget. With a name, the nearest window
// among widget and its ancestors whose object name is that name.
MOVRAGUITOOLKIT_EXPORT QWidget *GetIndependentWindow(QWidget *widget, const QString &name = QString());

} // namespace MovraGUIToolkit
