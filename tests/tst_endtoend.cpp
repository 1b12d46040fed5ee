// The whole calculation road on the real main window: groups described in the
// editor and added with "+ Add" reach the list, the calculator page and the
// result labels; a delete and a clear flow back the same way.
#include "toolkit/targetpath.h"
#include "ui/deviceitemwidget.h"
#include "ui/orvanemainpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

class tst_EndToEnd : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void addSwitchDeleteClear();

private:
    template <typename T> T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no child %s", name);
        return found;
    }
    void addGroup(OrvaneMainPage &window, const QString &channels);
    int cardCount(OrvaneMainPage &window);
};

void tst_EndToEnd::initTestCase()
{
    // The shipped catalogue: H.264 CIF is 512 kbps at 25 frames per second.
    MovraGUIToolkit::SetTargetPathOverride(QStringLiteral(ORVANE_STAGE_DIR));
}

void tst_EndToEnd::cleanupTestCase()
{
    MovraGUIToolkit::SetTargetPathOverride(QString());
}

void tst_EndToEnd::addGroup(OrvaneMainPage &window, const QString &channels)
{
    auto *counts = child<QLineEdit>(&window, "m_lineEditChannelCounts");
    QVERIFY(counts);
    counts->selectAll();
    QTest::keyClicks(counts, channels);
    QCOMPARE(counts->text(), channels);
    QTest::mouseClick(child<QPushButton>(&window, "m_btnAddDevice"), Qt::LeftButton);
}

int tst_EndToEnd::cardCount(OrvaneMainPage &window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return window.findChildren<NM_Orvane::DeviceItemWidget *>().size();
}

void tst_EndToEnd::addSwitchDeleteClear()
{
    OrvaneMainPage window;
    window.initConnections();
    window.resize(1417, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget *normalPage = child<QWidget>(&window, "m_CapacityWidget");
    QVERIFY(normalPage);
    QVERIFY(!normalPage->isVisible());
    QCOMPARE(child<QLineEdit>(&window, "m_lineEditScenceRecommandRate")->text(), QStringLiteral("512"));

    // 4 x 512 kbps on 4 TB at 24 h a day: about 176.1 days.
    addGroup(window, QStringLiteral("4"));
    QVERIFY(normalPage->isVisible());
    QCOMPARE(cardCount(window), 1);
    QVERIFY(child<QLabel>(&window, "m_labelByDay")->text().contains(QLatin1String(">176</span>")));
    QVERIFY(child<QLabel>(&window, "m_labelByWeek")->text().contains(QLatin1String(">25</span>")));
    QVERIFY(child<QLabel>(&window, "m_labelByMonth")->text().contains(QLatin1String(">5</span>")));

    // "Calculate Size" at one week: 4 x 39.76 GB rounds up to 160 GB.
    QWidget *topTabBar = child<QWidget>(&window, "m_topTabBar");
    QTest::mouseClick(child<QPushButton>(topTabBar, "m_btnOFF"), Qt::LeftButton);
    auto *size = child<QLabel>(&window, "m_labelDisplaySize");
    QVERIFY(size->text().contains(QLatin1String(">160</span>")));
    QVERIFY(size->text().contains(QLatin1String(">GB</span>")));

    // A second group of one channel: 5 x 39.76 GB -> 199 GB.
    addGroup(window, QStringLiteral("1"));
    QCOMPARE(cardCount(window), 2);
    QVERIFY(size->text().contains(QLatin1String(">199</span>")));

    // Deleting the first card leaves one channel: 40 GB. The card goes away
    // after its own click has returned.
    const QList<NM_Orvane::DeviceItemWidget *> cards = window.findChildren<NM_Orvane::DeviceItemWidget *>();
    NM_Orvane::DeviceItemWidget *first = cards.first();
    for (NM_Orvane::DeviceItemWidget *card : cards) {
        if (card->getItemId() < first->getItemId())
            first = card;
    }
    QTest::mouseClick(child<QToolButton>(first, "m_btnDelete"), Qt::LeftButton);
    QCOMPARE(cardCount(window), 1);
    QVERIFY(size->text().contains(QLatin1String(">40</span>")));

    // Clear, confirmed in the question; the window is covered while it asks.
    bool coveredWhileAsking = false;
    QPoint questionCentre;
    QTimer::singleShot(0, this, [&coveredWhileAsking, &questionCentre, &window] {
        QWidget *dialog = QApplication::activeModalWidget();
        QWidget *cover = window.findChild<QWidget *>(QStringLiteral("m_cover"));
        coveredWhileAsking = cover && cover->isVisible();
        if (dialog)
            questionCentre = dialog->pos() + QPoint(dialog->width() / 2, dialog->height() / 2);
        if (dialog)
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnConfirm")), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(&window, "m_btnClear"), Qt::LeftButton);
    QVERIFY(coveredWhileAsking);
    const QPoint windowCentre = window.pos() + QPoint(window.width() / 2, window.height() / 2);
    QVERIFY2((questionCentre - windowCentre).manhattanLength() <= 2, "the question stands over the window");
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("m_cover"))->isVisible());
    QCOMPARE(cardCount(window), 0);
    QVERIFY(size->text().contains(QLatin1String(">0</span>")));
    QVERIFY(normalPage->isVisible());

    // The editor reuses group number 1 after the clear.
    addGroup(window, QStringLiteral("2"));
    const auto remaining = window.findChildren<NM_Orvane::DeviceItemWidget *>();
    QCOMPARE(remaining.size(), 1);
    QVERIFY(remaining.first()
                ->findChild<QLabel *>(QStringLiteral("m_labelChannelGroupName"))
                ->text()
                .endsWith(QLatin1String("(1)")));
    QVERIFY(size->text().contains(QLatin1String(">80</span>")));
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
