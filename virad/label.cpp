#include "virad/label.h"

#include <QEvent>

namespace virad {

Label::Label(QWidget *parent)
    : QLabel(parent)
{
}

Label::Label(const QString &text, QWidget *parent)
    : QLabel(text, parent)
    , strText(text)
{
}

Label::~Label() = default;

QString Label::getStrText() const
{
    return strText;
}

void Label::setStrText(const QString &text)
{
    strText = text;
    setText(strText + strPunctuation);
}

QString Label::getStrPunctuation() const
{
    return strPunctuation;
}

void Label::setStrPunctuation(const QString &punctuation)
{
    strPunctuation = punctuation;
    setText(strText + strPunctuation);
}

bool Label::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        emit SignalMouseClicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit SignalDoubleClicked();
        break;
    case QEvent::Enter:
        emit SignalMouseEnter();
        break;
    case QEvent::Leave:
        emit SignalMouseLeave();
        break;
    default:
        break;
    }
    return QLabel::event(e);
}

} // namespace virad
