#include "toolkit/cfancytitle.h"

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using MovraGUIToolkit::CFancyTitle;

class tst_CFancyTitle : public QObject
{
    Q_OBJECT
private slots:
    void dragMovesWindow();
    void doubleClick_data();
    void doubleClick();
};

namespace {
struct Window
{
    QWidget window;
    CFancyTitle *title;
    Window()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        auto *layout = new QVBoxLayout(&window);
        title = new CFancyTitle(&window);
        title->setFixedHeight(30);
        layout->addWidget(title);
        layout->addStretch();
        window.setGeometry(100, 100, 400, 300);
        window.show();
    }
};
} // namespace

void tst_CFancyTitle::dragMovesWindow()
{
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();
    QTest::mousePress(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPoint(40, 30), w.title->mapToGlobal(QPoint(40, 30)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.title, &move);
    QTest::mouseRelease(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    QTRY_COMPARE(w.window.pos(), start + QPoint(30, 20));
}

void tst_CFancyTitle::doubleClick_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("emitted");

    QTest::newRow("left double-click maximises") << true << int(Qt::LeftButton) << true << 1;
    QTest::newRow("right double-click does nothing") << true << int(Qt::RightButton) << false << 0;
    QTest::newRow("switched off, nothing happens") << false << int(Qt::LeftButton) << false << 0;
}

void tst_CFancyTitle::doubleClick()
{
    QFETCH(bool, enabled);
    QFETCH(int, button);
    QFETCH(bool, maximised);
    QFETCH(int, emitted);

    Window w;
    w.title->SetOpenDoubleClickEnable(enabled);
    QSignalSpy spy(w.title, &CFancyTitle::SignalWndSizeStatusChanged);
    QTest::mouseDClick(w.title, Qt::MouseButton(button), Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(w.window.isMaximized(), maximised);
    QCOMPARE(spy.count(), emitted);
    if (maximised) {
        QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(!w.window.isMaximized());
        QCOMPARE(spy.count(), 2);
    }
}

QTEST_MAIN(tst_CFancyTitle)
#include "tst_cfancytitle.moc"
