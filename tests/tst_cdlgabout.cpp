#include "virad/cdlgabout.h"
#include "virad/widget.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using virad::CDlgAbout;

class tst_CDlgAbout : public QObject
{
    Q_OBJECT
private slots:
    void buildNumber_data();
    void buildNumber();
    void buildNumberOfThisBuild();
    void panel();
    void texts_data();
    void texts();
    void buttons_data();
    void buttons();
};

namespace {
template <typename T> T *child(const CDlgAbout &about, const char *name)
{
    return about.defaultWidget()->findChild<T *>(QLatin1String(name));
}
} // namespace

void tst_CDlgAbout::buildNumber_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<uint>("number");

    QTest::newRow("Jun 21 2016") << QByteArray("Jun 21 2016") << 20160621u;
    QTest::newRow("one-digit day padded with a blank") << QByteArray("Jun  1 2016") << 20160601u;
    QTest::newRow("January") << QByteArray("Jan 31 2024") << 20240131u;
    QTest::newRow("December") << QByteArray("Dec  9 1999") << 19991209u;
    QTest::newRow("September") << QByteArray("Sep 30 2015") << 20150930u;
    QTest::newRow("unknown month") << QByteArray("Jux 21 2016") << 0u;
    QTest::newRow("month in lower case") << QByteArray("jun 21 2016") << 0u;
    QTest::newRow("empty") << QByteArray("") << 0u;
}

void tst_CDlgAbout::buildNumber()
{
    QFETCH(QByteArray, date);
    QFETCH(uint, number);
    QCOMPARE(CDlgAbout::buildNumber(date.constData()), number);
}

void tst_CDlgAbout::buildNumberOfThisBuild()
{
    const uint number = CDlgAbout::buildNumber();
    QCOMPARE(number, CDlgAbout::buildNumber(__DATE__));
    const QDate date(int(number / 10000), int(number / 100 % 100), int(number % 100));
    QVERIFY2(date.isValid(), qPrintable(QString::number(number)));
    QVERIFY(date.year() >= 2016);
}

void tst_CDlgAbout::panel()
{
    CDlgAbout about(nullptr);
    QWidget *panel = about.defaultWidget();
    QVERIFY(qobject_cast<virad::Widget *>(panel));
    QCOMPARE(panel->objectName(), QStringLiteral("AboutDialog_ID_FX_CANNOT_BE_MULTI"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("About"));
    QCOMPARE(panel->minimumSize(), QSize(288, 134));
    QCOMPARE(panel->maximumSize(), QSize(288, 134));
    for (const char *name : { "AboutWidget", "SoftIcon", "aboutLine1", "aboutLine2" })
        QVERIFY2(panel->findChild<QWidget *>(QLatin1String(name)), name);
    QVERIFY(child<QPushButton>(about, "m_conerBtn"));

    // The kit's own version line, before any caller sets one.
    QCOMPARE(child<QLabel>(about, "m_labVersionValue")->text(),
        QStringLiteral(" v2.0.0.3 Build") + QString::number(CDlgAbout::buildNumber()));
}

void tst_CDlgAbout::texts_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("name") << "m_labNameValue"
                          << "Orvane"
                          << "Name: Orvane";
    QTest::newRow("version") << "m_labVersionValue"
                             << "v3.0.0.1build20160621"
                             << "Version: v3.0.0.1build20160621";
    QTest::newRow("button 1") << "aboutbtn1"
                              << "User Help"
                              << "User Help";
    QTest::newRow("button 2") << "aboutbtn2"
                              << "Update Scence"
                              << "Update Scence";
}

void tst_CDlgAbout::texts()
{
    QFETCH(QString, label);
    QFETCH(QString, value);
    QFETCH(QString, shown);

    CDlgAbout about(nullptr);
    if (label == QLatin1String("m_labNameValue"))
        about.setName(value);
    else if (label == QLatin1String("m_labVersionValue"))
        about.setVersion(value);
    else if (label == QLatin1String("aboutbtn1"))
        about.setBtn1Text(value);
    else
        about.setBtn2Text(value);

    QWidget *widget = about.defaultWidget()->findChild<QWidget *>(label);
    QVERIFY(widget);
    const QString text = widget->property("text").toString();
    QCOMPARE(text, shown);
}

void tst_CDlgAbout::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("btn1");
    QTest::addColumn<int>("btn2");
    QTest::addColumn<int>("corner");

    QTest::newRow("aboutbtn1") << "aboutbtn1" << 1 << 0 << 0;
    QTest::newRow("aboutbtn2") << "aboutbtn2" << 0 << 1 << 0;
    QTest::newRow("corner button") << "m_conerBtn" << 0 << 0 << 1;
}

void tst_CDlgAbout::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, btn1);
    QFETCH(int, btn2);
    QFETCH(int, corner);

    CDlgAbout about(nullptr);
    QWidget *panel = about.defaultWidget();
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel));

    QSignalSpy spy1(&about, &CDlgAbout::siganlBtn1Clicked);
    QSignalSpy spy2(&about, &CDlgAbout::siganlBtn2Clicked);
    QSignalSpy spyCorner(&about, &CDlgAbout::signalConerBtnClicked);
    QSignalSpy triggered(&about, &QAction::triggered);

    auto *target = panel->findChild<QPushButton *>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);

    QCOMPARE(spy1.count(), btn1);
    QCOMPARE(spy2.count(), btn2);
    QCOMPARE(spyCorner.count(), corner);
    QCOMPARE(triggered.count(), 0);
    QVERIFY(panel->isVisible());
}

QTEST_MAIN(tst_CDlgAbout)
#include "tst_cdlgabout.moc"
