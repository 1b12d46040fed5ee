#include "virad/switch.h"

#include <QPushButton>
#include <QtTest>

// Records every signal of a switch, in the order it arrives.
class SwitchRecorder : public QObject
{
public:
    explicit SwitchRecorder(virad::Switch *sw)
        : QObject(sw)
    {
        connect(sw, &virad::Switch::checkedChanged, this,
            [this](const QString &state) { events << QStringLiteral("checkedChanged(%1)").arg(state); });
        connect(sw, &virad::Switch::signalSwitch, this, [this](bool on) {
            events << (on ? QStringLiteral("signalSwitch(true)") : QStringLiteral("signalSwitch(false)"));
        });
        connect(sw, &virad::Switch::signalON, this, [this] { events << QStringLiteral("signalON()"); });
        connect(sw, &virad::Switch::signalOFF, this, [this] { events << QStringLiteral("signalOFF()"); });
    }

    QStringList events;
};

class tst_Switch : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void clicks_data();
    void clicks();
    void propertyWrite_data();
    void propertyWrite();
    void setSwitchWithoutChangeStillRepolishes();
    void resizeSetsButtonHeights_data();
    void resizeSetsButtonHeights();
};

namespace {

QPushButton *onButton(virad::Switch &sw)
{
    return sw.findChild<QPushButton *>(QStringLiteral("m_btnON"));
}

QPushButton *offButton(virad::Switch &sw)
{
    return sw.findChild<QPushButton *>(QStringLiteral("m_btnOFF"));
}

const QStringList turnedOff { QStringLiteral("checkedChanged(OFF)"), QStringLiteral("signalSwitch(false)"),
    QStringLiteral("signalOFF()") };
const QStringList turnedOn { QStringLiteral("checkedChanged(ON)"), QStringLiteral("signalSwitch(true)"),
    QStringLiteral("signalON()") };

} // namespace

void tst_Switch::init()
{
    QLocale::setDefault(QLocale::c());
}

void tst_Switch::clicks_data()
{
    QTest::addColumn<QStringList>("clicked");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("onChecked");

    QTest::newRow("OFF on a switch that is ON") << QStringList { "OFF" } << turnedOff << false;
    QTest::newRow("OFF twice reports once and stays OFF")
        << QStringList { "OFF", "OFF" } << turnedOff << false;
    QTest::newRow("ON on a switch that is ON does nothing") << QStringList { "ON" } << QStringList() << true;
    QTest::newRow("OFF then ON") << QStringList { "OFF", "ON" } << turnedOff + turnedOn << true;
}

void tst_Switch::clicks()
{
    QFETCH(QStringList, clicked);
    QFETCH(QStringList, events);
    QFETCH(bool, onChecked);

    QWidget window;
    auto *sw = new virad::Switch(true, &window);
    sw->resize(150, 23);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SwitchRecorder recorder(sw);

    for (const QString &name : clicked)
        QTest::mouseClick(name == QLatin1String("ON") ? onButton(*sw) : offButton(*sw), Qt::LeftButton);

    QCOMPARE(recorder.events, events);
    QCOMPARE(onButton(*sw)->isChecked(), onChecked);
    QCOMPARE(offButton(*sw)->isChecked(), !onChecked);
    QCOMPARE(sw->checked(), onChecked ? QStringLiteral("ON") : QStringLiteral("OFF"));
    QCOMPARE(sw->property("checked").toString(), sw->checked());
}

void tst_Switch::propertyWrite_data()
{
    QTest::addColumn<bool>("startOn");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("on in lower case turns it ON") << false << "on"
                                                  << "ON" << turnedOn;
    QTest::newRow("oN in mixed case turns it ON") << false << "oN"
                                                  << "ON" << turnedOn;
    QTest::newRow("ON while ON reports nothing") << true << "ON"
                                                 << "ON" << QStringList();
    QTest::newRow("off turns it OFF") << true << "off"
                                      << "OFF" << turnedOff;
    QTest::newRow("any other word turns it OFF") << true << "yes"
                                                 << "OFF" << turnedOff;
    QTest::newRow("an empty value turns it OFF") << true << ""
                                                 << "OFF" << turnedOff;
    QTest::newRow("ON with a blank is not ON") << true << "ON "
                                               << "OFF" << turnedOff;
    QTest::newRow("a non-ON word while OFF reports nothing") << false << "true"
                                                             << "OFF" << QStringList();
}

void tst_Switch::propertyWrite()
{
    QFETCH(bool, startOn);
    QFETCH(QString, written);
    QFETCH(QString, state);
    QFETCH(QStringList, events);

    virad::Switch sw(true, nullptr);
    sw.setSwitch(startOn);
    SwitchRecorder recorder(&sw);

    QVERIFY(sw.setProperty("checked", written));

    QCOMPARE(sw.checked(), state);
    QCOMPARE(recorder.events, events);
    // Writing the property alone leaves the buttons where they were.
    QCOMPARE(onButton(sw)->isChecked(), startOn);
    QCOMPARE(offButton(sw)->isChecked(), !startOn);
}

void tst_Switch::setSwitchWithoutChangeStillRepolishes()
{
    virad::Switch sw(true, nullptr);
    sw.setStyleSheet(QStringLiteral("QPushButton { font-size: 10px; }"
                                    "#Switcher[checked=\"OFF\"] QPushButton { font-size: 30px; }"));
    sw.ensurePolished();
    onButton(sw)->ensurePolished();
    QCOMPARE(onButton(sw)->font().pixelSize(), 10);

    // A bare property write changes the position without a re-polish, so the
    // style still shows ON.
    sw.setChecked(QStringLiteral("OFF"));
    QCOMPARE(onButton(sw)->font().pixelSize(), 10);

    SwitchRecorder recorder(&sw);
    sw.setSwitch(false);
    QCOMPARE(recorder.events, QStringList());
    QCOMPARE(onButton(sw)->font().pixelSize(), 30);
    QCOMPARE(offButton(sw)->font().pixelSize(), 30);
    QVERIFY(offButton(sw)->isChecked());
    QVERIFY(!onButton(sw)->isChecked());
}

void tst_Switch::resizeSetsButtonHeights_data()
{
    QTest::addColumn<int>("height");

    QTest::newRow("40 pixels") << 40;
    QTest::newRow("35 pixels, the calculator's") << 35;
    QTest::newRow("shrinking to 12 pixels") << 12;
}

void tst_Switch::resizeSetsButtonHeights()
{
    QFETCH(int, height);

    QWidget window;
    window.resize(400, 200);
    auto *sw = new virad::Switch(true, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    sw->resize(150, height);

    for (QPushButton *button : { onButton(*sw), offButton(*sw) }) {
        QCOMPARE(button->minimumHeight(), height);
        QCOMPARE(button->maximumHeight(), height);
    }
}

QTEST_MAIN(tst_Switch)
#include "tst_switch.moc"
