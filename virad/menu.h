#pragma once

#include <QMenu>
#include <QString>

class QAction;
class QEvent;
class QIcon;
class QWidget;

namespace virad {

// The kit's pop-up menu: frameless and translucent, so the style sheet draws
// all of it. On Windows it also takes the drop shadow off the native window
// class; the class is shared by every menu, so that happens once per process.
class Menu : public QMenu
{
    Q_OBJECT
public:
    explicit Menu(QWidget *parent = nullptr);
    explicit Menu(const QString &title, QWidget *parent = nullptr);
    ~Menu() override;

    QAction *addMenu(QMenu *menu);
    // Sub-menus made here are virad::Menu children, so they share the look.
    Menu *addMenu(const QString &title);
    Menu *addMenu(const QIcon &icon, const QString &title);

    // How many times a menu changed the native window class style in this
    // process: 0 before the first native window of a menu, 1 afterwards.
    static int classStyleChangeCount();

protected:
    bool event(QEvent *e) override;

private:
    void init();
};

} // namespace virad
