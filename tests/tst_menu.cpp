#include "virad/menu.h"

#include <QAction>
#include <QIcon>
#include <QPointer>
#include <QtTest>

using virad::Menu;

class tst_Menu : public QObject
{
    Q_OBJECT
private slots:
    void setUp_data();
    void setUp();
    void subMenu_data();
    void subMenu();
    void addExistingMenu();
    void classStyleChangedOncePerProcess();
};

void tst_Menu::setUp_data()
{
    QTest::addColumn<bool>("withTitle");
    QTest::newRow("menu with a parent only") << false;
    QTest::newRow("menu with a title") << true;
}

void tst_Menu::setUp()
{
    QFETCH(bool, withTitle);
    QWidget window;
    Menu *menu = withTitle ? new Menu(QStringLiteral("File"), &window) : new Menu(&window);

    QCOMPARE(menu->parentWidget(), &window);
    QCOMPARE(
        menu->windowFlags() & (Qt::Popup | Qt::FramelessWindowHint), Qt::Popup | Qt::FramelessWindowHint);
    QCOMPARE(menu->windowType(), Qt::Popup);
    QVERIFY(menu->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(menu->objectName(), QStringLiteral("Menu"));
    QCOMPARE(menu->title(), withTitle ? QStringLiteral("File") : QString());
}

void tst_Menu::subMenu_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::newRow("title only") << false;
    QTest::newRow("icon and title") << true;
}

void tst_Menu::subMenu()
{
    QFETCH(bool, withIcon);
    Menu menu;
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    const QIcon icon(pixmap);

    Menu *sub
        = withIcon ? menu.addMenu(icon, QStringLiteral("Tools")) : menu.addMenu(QStringLiteral("Tools"));
    QVERIFY(sub);
    QCOMPARE(sub->parent(), &menu);
    QCOMPARE(sub->title(), QStringLiteral("Tools"));
    QCOMPARE(sub->icon().isNull(), !withIcon);
    QCOMPARE(menu.actions().size(), 1);
    QCOMPARE(menu.actions().constFirst(), sub->menuAction());
    QCOMPARE(menu.actions().constFirst()->menu(), static_cast<QMenu *>(sub));
    QCOMPARE(sub->windowFlags() & (Qt::Popup | Qt::FramelessWindowHint), Qt::Popup | Qt::FramelessWindowHint);
    QVERIFY(sub->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(sub->objectName(), QStringLiteral("Menu"));

    // The sub-menu belongs to its parent menu.
    QPointer<Menu> guard(sub);
    menu.clear();
    QVERIFY(guard);
}

void tst_Menu::addExistingMenu()
{
    Menu menu;
    QMenu other(QStringLiteral("Other"));
    QAction *action = menu.addMenu(&other);
    QCOMPARE(action, other.menuAction());
    QCOMPARE(menu.actions(), QList<QAction *> { other.menuAction() });
    QCOMPARE(other.parent(), nullptr);
}

void tst_Menu::classStyleChangedOncePerProcess()
{
    // The test functions before this one never show a menu, so no menu of
    // this process has had a native window yet.
    QCOMPARE(Menu::classStyleChangeCount(), 0);

    Menu first;
    first.addAction(QStringLiteral("one"));
    first.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QCOMPARE(Menu::classStyleChangeCount(), 1);
    first.close();

    Menu second;
    second.addAction(QStringLiteral("two"));
    second.popup(QPoint(20, 20));
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    second.close();
    QCOMPARE(Menu::classStyleChangeCount(), 1);
}

QTEST_MAIN(tst_Menu)
#include "tst_menu.moc"
