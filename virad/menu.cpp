#include "virad/menu.h"

#include <QAction>
#include <QEvent>
#include <QIcon>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace virad {

namespace {

// Set while no menu is inside the class-style change, so a window message
// that the change itself triggers does not start it again.
bool g_reentryGuard = true;
bool g_classStyleChanged = false;
int g_classStyleChangeCount = 0;

void removeDropShadow(QWidget *menu)
{
#ifdef Q_OS_WIN
    const HWND hwnd = reinterpret_cast<HWND>(menu->winId());
    const DWORD style = GetClassLongW(hwnd, GCL_STYLE);
    SetClassLongW(hwnd, GCL_STYLE, style & ~DWORD(CS_DROPSHADOW));
#else
    // Elsewhere a frameless translucent pop-up has no shadow of its own, so
    // there is nothing to take off.
    Q_UNUSED(menu)
#endif
}

} // namespace

Menu::Menu(QWidget *parent)
    : QMenu(parent)
{
    init();
}

Menu::Menu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    init();
}

Menu::~Menu() = default;

void Menu::init()
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("Menu"));
}

QAction *Menu::addMenu(QMenu *menu)
{
    return QMenu::addMenu(menu);
}

Menu *Menu::addMenu(const QString &title)
{
    auto *menu = new Menu(title, this);
    addAction(menu->menuAction());
    return menu;
}

Menu *Menu::addMenu(const QIcon &icon, const QString &title)
{
    auto *menu = new Menu(title, this);
    menu->setIcon(icon);
    addAction(menu->menuAction());
    return menu;
}

int Menu::classStyleChangeCount()
{
    return g_classStyleChangeCount;
}

bool Menu::event(QEvent *e)
{
    if (g_reentryGuard) {
        g_reentryGuard = false;
        if (e->type() == QEvent::WinIdChange && !g_classStyleChanged) {
            g_classStyleChanged = true;
            ++g_classStyleChangeCount;
            removeDropShadow(this);
        }
        g_reentryGuard = true;
    }
    return QMenu::event(e);
}

} // namespace virad
