#include "toolkit/cfancytitle.h"

#include "toolkit/independentwindow.h"

#include <QMouseEvent>

namespace MovraGUIToolkit {

CFancyTitle::CFancyTitle(QWidget *parent)
    : QFrame(parent)
{
}

void CFancyTitle::SetOpenDoubleClickEnable(bool enable)
{
    m_doubleClickEnabled = enable;
}

void CFancyTitle::mousePressEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (event->button() == Qt::LeftButton && window && window != this) {
        m_dragging = true;
        m_dragOffset = event->globalPos() - window->frameGeometry().topLeft();
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

void CFancyTitle::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    // A maximised or full-screen window stays where it is.
    if (m_dragging && (event->buttons() & Qt::LeftButton) && window && !IsMaximized(window)
        && !IsFullScreen(window)) {
        window->move(event->globalPos() - m_dragOffset);
        event->accept();
        return;
    }
    QFrame::mouseMoveEvent(event);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QFrame::mouseReleaseEvent(event);
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (!m_doubleClickEnabled || event->button() != Qt::LeftButton || !window || window == this) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    m_dragging = false;
    if (IsMaximized(window))
        ShowNormal(window, QSize());
    else
        ShowMaximized(window);
    event->accept();
    emit SignalWndSizeStatusChanged();
}

} // namespace MovraGUIToolkit
