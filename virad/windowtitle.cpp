#include "virad/windowtitle.h"

#include "toolkit/chboxlayout.h"
#include "toolkit/cwidgetitem.h"
#include "toolkit/independentwindow.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QSpacerItem>
#include <QStyle>
#include <QToolButton>

namespace virad {

namespace {

QToolButton *makeTitleButton(QWidget *parent, const QString &name, Qt::FocusPolicy focus)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(focus);
    button->setFixedSize(24, 24);
    return button;
}

} // namespace

WindowTitle::WindowTitle(QWidget *parent)
    : MovraGUIToolkit::CFancyTitle(parent)
{
    m_labelTitle = new QLabel(this);
    m_labelTitle->setObjectName(QStringLiteral("m_labelTitle"));

    // The bar's own double-click rule replaces the toolkit's.
    SetOpenDoubleClickEnable(false);

    m_btnIcon = makeTitleButton(this, QStringLiteral("m_btnIcon"), Qt::NoFocus);
    m_btnMinimize = makeTitleButton(this, QStringLiteral("m_btnMinimize"), Qt::ClickFocus);
    m_btnMaximize = makeTitleButton(this, QStringLiteral("m_btnMaximize"), Qt::ClickFocus);
    m_btnClose = makeTitleButton(this, QStringLiteral("m_btnClose"), Qt::ClickFocus);
    m_btnClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    m_btnSystemMenu = makeTitleButton(this, QStringLiteral("m_btnSystemMenu"), Qt::ClickFocus);

    setFixedHeight(35);

    auto *layout = new MovraGUIToolkit::CHBoxLayout(this);
    layout->setObjectName(QStringLiteral("m_hlayoutWindowTitle"));
    layout->SetLayoutContentsMargins(4, 0, 4, 0);
    layout->SetLayoutSpacing(10);
    layout->AddWidget(m_btnIcon);
    layout->AddItem(new MovraGUIToolkit::CWidgetItem(m_labelTitle, Qt::AlignLeft), 0);
    layout->AddItem(new QSpacerItem(5, 1, QSizePolicy::Fixed, QSizePolicy::Minimum), 0);

    auto *buttonPanel = new QWidget(this);
    buttonPanel->setObjectName(QStringLiteral("m_widgetTitleButtons"));
    auto *buttonLayout = new QHBoxLayout(buttonPanel);
    buttonLayout->setObjectName(QStringLiteral("m_hlayoutTitleButtons"));
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    buttonLayout->setSpacing(0);
    buttonLayout->addStretch();
    buttonLayout->addWidget(m_btnSystemMenu);
    buttonLayout->addItem(new QSpacerItem(12, 1, QSizePolicy::Fixed, QSizePolicy::Minimum));
    buttonLayout->addWidget(m_btnMinimize);
    buttonLayout->addWidget(m_btnMaximize);
    buttonLayout->addWidget(m_btnClose);
    layout->AddWidget(buttonPanel);

    connect(m_btnClose, &QToolButton::clicked, this, &WindowTitle::closeWindow);
    connect(m_btnMinimize, &QToolButton::clicked, this, &WindowTitle::minimizeWindow);
    // Queued, so the window changes state only after the click is fully handled.
    connect(
        m_btnMaximize, &QToolButton::clicked, this, &WindowTitle::maxOrRestoreWindow, Qt::QueuedConnection);
    connect(m_btnSystemMenu, &QToolButton::clicked, this, &WindowTitle::displaySyetemMenu);
}

WindowTitle::~WindowTitle() = default;

void WindowTitle::setTitle(QString title)
{
    m_labelTitle->setText(title);
}

void WindowTitle::setTitleIcon(QIcon icon)
{
    m_btnIcon->setIcon(icon);
}

void WindowTitle::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    if (!MovraGUIToolkit::GetIndependentWindow(this, QString()))
        return;
    maxOrRestoreWindow();
    emit SignalWndSizeStatusChanged();
}

void WindowTitle::minimizeWindow()
{
    if (QWidget *topWindow = MovraGUIToolkit::GetIndependentWindow(this, QString()))
        topWindow->showMinimized();
}

void WindowTitle::maxOrRestoreWindow()
{
    QWidget *topWindow = MovraGUIToolkit::GetIndependentWindow(this, QString());
    if (!topWindow)
        return;
    if (IsMaximized(topWindow)) {
        ShowNormal(topWindow, QSize());
        m_btnMaximize->setObjectName(QStringLiteral("m_btnMaximize"));
    } else {
        ShowMaximized(topWindow);
        m_btnMaximize->setObjectName(QStringLiteral("m_btnResore"));
    }
    // The style sheet picks the maximise or restore picture by object name.
    style()->polish(m_btnMaximize);
    m_btnMaximize->update();
}

void WindowTitle::closeWindow()
{
    QWidget *topWindow = MovraGUIToolkit::GetIndependentWindow(this, QString());
    if (!topWindow)
        return;
    // The window may refuse to close (it asks first); the owner hears of the
    // attempt either way.
    topWindow->close();
    emit signalCloseApp();
}

void WindowTitle::displaySyetemMenu()
{
    emit signalSystemMenu();
}

} // namespace virad
