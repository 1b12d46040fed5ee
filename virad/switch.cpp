#include "virad/switch.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

namespace virad {

Switch::Switch(bool on, QWidget *parent)
    : QWidget(parent)
    , on(on)
{
    setupUi();
    connect(m_btnON, &QPushButton::toggled, this, &Switch::onBtnsToggled);
    connect(m_btnOFF, &QPushButton::toggled, this, &Switch::onBtnsToggled);
}

Switch::~Switch() = default;

void Switch::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("Switcher"));
    resize(150, 23);

    layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setObjectName(QStringLiteral("horizontalLayout"));
    layout->setContentsMargins(0, 0, 0, 0);

    m_btnON = new QPushButton(this);
    m_btnON->setObjectName(QStringLiteral("m_btnON"));
    m_btnON->setCheckable(true);
    m_btnON->setChecked(true);
    layout->addWidget(m_btnON);

    m_btnOFF = new QPushButton(this);
    m_btnOFF->setObjectName(QStringLiteral("m_btnOFF"));
    m_btnOFF->setCheckable(true);
    layout->addWidget(m_btnOFF);

    // Position words, not sentences: the owner replaces them with its own
    // translated texts.
    m_btnON->setText(QStringLiteral("ON"));
    m_btnOFF->setText(QStringLiteral("OFF"));
}

QString Switch::checked() const
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

void Switch::setChecked(const QString &value)
{
    const bool newOn = value.toUpper() == QLatin1String("ON");
    if (newOn == on)
        return;
    on = newOn;
    emit checkedChanged(checked());
    emit signalSwitch(on);
    if (on)
        emit signalON();
    else
        emit signalOFF();
}

void Switch::setOnText(const QString &text)
{
    m_btnON->setText(text);
}

void Switch::setOffText(const QString &text)
{
    m_btnOFF->setText(text);
}

void Switch::setOnIcon(const QIcon &icon, int size)
{
    m_btnON->setIcon(icon);
    m_btnON->setIconSize(QSize(size, size));
}

void Switch::setOffIcon(const QIcon &icon, int size)
{
    m_btnOFF->setIcon(icon);
    m_btnOFF->setIconSize(QSize(size, size));
}

void Switch::setSwitch(bool on)
{
    // The buttons are set quietly; the property write below is the one place
    // that reports a change.
    const bool onBlocked = m_btnON->blockSignals(true);
    const bool offBlocked = m_btnOFF->blockSignals(true);
    m_btnON->setChecked(on);
    m_btnOFF->setChecked(!on);
    m_btnON->blockSignals(onBlocked);
    m_btnOFF->blockSignals(offBlocked);

    setProperty("checked", on ? QStringLiteral("ON") : QStringLiteral("OFF"));

    // Style-sheet rules on the property only apply after a re-polish.
    QStyle *s = style();
    for (QWidget *w :
        { static_cast<QWidget *>(this), static_cast<QWidget *>(m_btnON), static_cast<QWidget *>(m_btnOFF) }) {
        s->unpolish(w);
        s->polish(w);
    }
    update();
}

void Switch::switchOn()
{
    setSwitch(true);
}

void Switch::switchOff()
{
    setSwitch(false);
}

void Switch::onBtnsToggled(bool check)
{
    Q_UNUSED(check)
    // A click on the checked button unchecks it; setSwitch checks it again,
    // so the position never leaves the button that was clicked.
    const QObject *button = sender();
    if (button == m_btnON)
        setSwitch(true);
    else if (button == m_btnOFF)
        setSwitch(false);
}

void Switch::resizeEvent(QResizeEvent *e)
{
    m_btnON->setFixedHeight(e->size().height());
    m_btnOFF->setFixedHeight(e->size().height());
    QWidget::resizeEvent(e);
}

} // namespace virad
