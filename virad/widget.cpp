#include "virad/widget.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace virad {

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
}

Widget::~Widget() = default;

bool Widget::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        emit signalMouseClicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit signalDoubleClicked();
        break;
    case QEvent::Enter:
        emit signalMouseEnter();
        break;
    case QEvent::Leave:
        emit signalMouseLeave();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void Widget::paintEvent(QPaintEvent *e)
{
    // A plain QWidget subclass ignores style-sheet backgrounds unless it
    // draws PE_Widget itself.
    QStyleOption option;
    option.initFrom(this);
    {
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    }
    QWidget::paintEvent(e);
}

} // namespace virad
