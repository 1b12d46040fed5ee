#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QSize>

class QWidget;

namespace MovraGUIToolkit {

// Size state of a frameless window: maximise, restore, and ask which it is.
class MOVRAGUITOOLKIT_EXPORT CWidgetSizeFactory
{
public:
    virtual ~CWidgetSizeFactory() = default;

    bool IsMaximized(const QWidget *window) const;
    bool IsFullScreen(const QWidget *window) const;
    void ShowMaximized(QWidget *window);
    // Restores the window; a valid size is applied after restoring.
    void ShowNormal(QWidget *window, const QSize &size);
};

} // namespace MovraGUIToolkit
