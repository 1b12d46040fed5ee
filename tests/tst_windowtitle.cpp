#include "virad/windowtitle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A frameless window headed by the title bar, as the main window is; it can
// be told to refuse closing, the way the main window does when the user
// declines the exit question.
class Host : public QWidget
{
public:
    Host()
    {
        setWindowFlags(Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        title = new virad::WindowTitle(this);
        layout->addWidget(title);
        layout->addStretch();
        resize(640, 400);
    }

    bool refuseClose = false;
    virad::WindowTitle *title = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        if (refuseClose)
            e->ignore();
        else
            e->accept();
    }
};

QToolButton *titleButton(Host &host, const char *name)
{
    return host.title->findChild<QToolButton *>(QLatin1String(name));
}

QColor centreColour(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class tst_WindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void maximiseButtonSwitchesObjectName();
    void styleSheetFollowsMaximiseState();
    void doubleClick_data();
    void doubleClick();
    void closeButtonClosesAndReports_data();
    void closeButtonClosesAndReports();
    void altF4ClosesWindow();
    void minimiseAndSystemMenu();
    void titleText();
};

void tst_WindowTitle::cleanup()
{
    qApp->setStyleSheet(QString());
}

// The change runs through a queued call, so the click itself returns with the
// window untouched; once events are processed the window is maximised and the
// button carries the restore name, and a second click undoes both.
void tst_WindowTitle::maximiseButtonSwitchesObjectName()
{
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QToolButton *maxButton = titleButton(host, "m_btnMaximize");
    QVERIFY(maxButton);

    QTest::mouseClick(maxButton, Qt::LeftButton);
    QVERIFY(!host.isMaximized());
    QCOMPARE(maxButton->objectName(), QStringLiteral("m_btnMaximize"));

    QTRY_VERIFY(host.isMaximized());
    QCOMPARE(maxButton->objectName(), QStringLiteral("m_btnResore"));
    QVERIFY(!titleButton(host, "m_btnMaximize"));

    QTest::mouseClick(maxButton, Qt::LeftButton);
    QTRY_VERIFY(!host.isMaximized());
    QCOMPARE(maxButton->objectName(), QStringLiteral("m_btnMaximize"));
}

// Switching the object name alone would leave the old style rule in force;
// the button must be re-polished so the rule for the new name applies.
void tst_WindowTitle::styleSheetFollowsMaximiseState()
{
    qApp->setStyleSheet(
        QStringLiteral("QToolButton#m_btnMaximize { background: rgb(255, 0, 0); border: none; }"
                       "QToolButton#m_btnResore { background: rgb(0, 0, 255); border: none; }"));
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QToolButton *maxButton = titleButton(host, "m_btnMaximize");
    QCOMPARE(centreColour(maxButton), QColor(255, 0, 0));

    QTest::mouseClick(maxButton, Qt::LeftButton);
    QTRY_COMPARE(maxButton->objectName(), QStringLiteral("m_btnResore"));
    QCOMPARE(centreColour(maxButton), QColor(0, 0, 255));

    QTest::mouseClick(maxButton, Qt::LeftButton);
    QTRY_COMPARE(maxButton->objectName(), QStringLiteral("m_btnMaximize"));
    QCOMPARE(centreColour(maxButton), QColor(255, 0, 0));
}

void tst_WindowTitle::doubleClick_data()
{
    // Qt's enums are not meta types in Qt 5; the rows carry their values.
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::addColumn<QString>("maxButtonName");
    QTest::addColumn<int>("sizeSignals");

    QTest::newRow("left on a normal window maximises it")
        << int(Qt::LeftButton) << int(Qt::WindowNoState) << int(Qt::WindowMaximized) << "m_btnResore" << 1;
    QTest::newRow("left on a maximised window restores it")
        << int(Qt::LeftButton) << int(Qt::WindowMaximized) << int(Qt::WindowNoState) << "m_btnMaximize" << 1;
    QTest::newRow("left on a full-screen window maximises it")
        << int(Qt::LeftButton) << int(Qt::WindowFullScreen) << int(Qt::WindowMaximized) << "m_btnResore" << 1;
    QTest::newRow("right on a normal window changes nothing")
        << int(Qt::RightButton) << int(Qt::WindowNoState) << int(Qt::WindowNoState) << "m_btnMaximize" << 0;
    QTest::newRow("middle on a normal window changes nothing")
        << int(Qt::MiddleButton) << int(Qt::WindowNoState) << int(Qt::WindowNoState) << "m_btnMaximize" << 0;
    QTest::newRow("right on a maximised window changes nothing")
        << int(Qt::RightButton) << int(Qt::WindowMaximized) << int(Qt::WindowMaximized) << "m_btnMaximize"
        << 0;
}

void tst_WindowTitle::doubleClick()
{
    QFETCH(int, button);
    QFETCH(int, before);
    QFETCH(int, after);
    QFETCH(QString, maxButtonName);
    QFETCH(int, sizeSignals);

    Host host;
    host.setWindowState(Qt::WindowStates(before));
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QCOMPARE(host.windowState(), Qt::WindowStates(before));
    QToolButton *maxButton = titleButton(host, "m_btnMaximize");
    QSignalSpy sizeSpy(host.title, &MovraGUIToolkit::CFancyTitle::SignalWndSizeStatusChanged);

    QTest::mouseDClick(host.title, Qt::MouseButton(button), Qt::NoModifier, QPoint(200, 17));

    // The double click acts at once, not through the queued button path.
    QCOMPARE(host.windowState(), Qt::WindowStates(after));
    QCOMPARE(maxButton->objectName(), maxButtonName);
    QCOMPARE(sizeSpy.count(), sizeSignals);
}

void tst_WindowTitle::closeButtonClosesAndReports_data()
{
    QTest::addColumn<bool>("refuseClose");
    QTest::newRow("window accepts the close") << false;
    QTest::newRow("window refuses the close") << true;
}

// signalCloseApp reports the attempt, whatever the window decided.
void tst_WindowTitle::closeButtonClosesAndReports()
{
    QFETCH(bool, refuseClose);

    Host host;
    host.refuseClose = refuseClose;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy closeSpy(host.title, &virad::WindowTitle::signalCloseApp);

    QTest::mouseClick(titleButton(host, "m_btnClose"), Qt::LeftButton);

    QCOMPARE(closeSpy.count(), 1);
    QCOMPARE(host.isVisible(), refuseClose);
}

void tst_WindowTitle::altF4ClosesWindow()
{
    Host host;
    host.show();
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    QSignalSpy closeSpy(host.title, &virad::WindowTitle::signalCloseApp);

    QTest::keyClick(&host, Qt::Key_F4, Qt::AltModifier);

    // A button shortcut animates the click, which lands a moment later.
    QTRY_COMPARE(closeSpy.count(), 1);
    QVERIFY(!host.isVisible());
}

void tst_WindowTitle::minimiseAndSystemMenu()
{
    Host host;
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QSignalSpy menuSpy(host.title, &virad::WindowTitle::signalSystemMenu);
    QSignalSpy closeSpy(host.title, &virad::WindowTitle::signalCloseApp);

    QTest::mouseClick(titleButton(host, "m_btnSystemMenu"), Qt::LeftButton);
    QCOMPARE(menuSpy.count(), 1);
    QVERIFY(host.isVisible());
    QVERIFY(!host.isMinimized());

    QTest::mouseClick(titleButton(host, "m_btnMinimize"), Qt::LeftButton);
    QVERIFY(host.isMinimized());
    QCOMPARE(menuSpy.count(), 1);
    QCOMPARE(closeSpy.count(), 0);
}

void tst_WindowTitle::titleText()
{
    Host host;
    host.title->setTitle(QStringLiteral("Orvane"));
    auto *label = host.title->findChild<QLabel *>(QStringLiteral("m_labelTitle"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Orvane"));
    QCOMPARE(host.title->height(), 35);
}

QTEST_MAIN(tst_WindowTitle)
#include "tst_windowtitle.moc"
