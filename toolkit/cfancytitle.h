#pragma once

#include "toolkit/cwidgetsizefactory.h"
#include "toolkit/movraguitoolkit_global.h"

#include <QFrame>
#include <QPoint>

namespace MovraGUIToolkit {

// Title bar base of frameless windows: dragging the bar moves the window, a
// left double-click maximises or restores it (switchable).
class MOVRAGUITOOLKIT_EXPORT CFancyTitle : public QFrame, public CWidgetSizeFactory
{
    Q_OBJECT
public:
    explicit CFancyTitle(QWidget *parent = nullptr);

    void SetOpenDoubleClickEnable(bool enable);
    bool IsOpenDoubleClickEnable() const { return m_doubleClickEnabled; }

signals:
    void SignalWndSizeStatusChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_doubleClickEnabled = true;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace MovraGUIToolkit
