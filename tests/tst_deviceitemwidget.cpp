#include "ui/deviceitemwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using NM_Orvane::DeviceItemWidget;

class tst_DeviceItemWidget : public QObject
{
    Q_OBJECT
private slots:
    void typeIcon_data();
    void typeIcon();
    void figures_data();
    void figures();
    void updateFrameRate();
    void arrangement_data();
    void arrangement();
    void deleteButton();
};

namespace {

QString textOf(const QWidget &card, const char *name)
{
    auto *label = card.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

QString toolTipOf(const QWidget &card, const char *name)
{
    auto *widget = card.findChild<QWidget *>(QLatin1String(name));
    return widget ? widget->toolTip() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// The object names of the widgets a layout holds, in layout order.
QStringList namesIn(const QWidget &card, const char *layoutName)
{
    QStringList names;
    auto *layout = card.findChild<QLayout *>(QLatin1String(layoutName));
    if (!layout)
        return { QStringLiteral("<missing layout>") };
    for (int i = 0; i < layout->count(); ++i) {
        if (QWidget *widget = layout->itemAt(i)->widget())
            names << widget->objectName();
    }
    return names;
}

} // namespace

void tst_DeviceItemWidget::typeIcon_data()
{
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<bool>("dvrIcon");

    QTest::newRow("DVR") << "DVR" << true;
    QTest::newRow("dvr in lower case") << "dvr" << true;
    QTest::newRow("IPC") << "IPC" << false;
    QTest::newRow("ipc in lower case") << "ipc" << false;
    QTest::newRow("a translated kind") << QString::fromUtf8("\xe5\xbd\x95\xe5\x83\x8f\xe6\x9c\xba") << false;
}

void tst_DeviceItemWidget::typeIcon()
{
    QFETCH(QString, deviceType);
    QFETCH(bool, dvrIcon);

    DeviceItemWidget card(nullptr, deviceType, QStringLiteral("Gate(2)"));
    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconDVR"))->isHidden(), !dvrIcon);
    QCOMPARE(card.findChild<QLabel *>(QStringLiteral("m_labelDeviceTypeIconIPC"))->isHidden(), dvrIcon);
    QCOMPARE(textOf(card, "m_labelChannelGroupName"), QStringLiteral("Gate(2)"));
}

void tst_DeviceItemWidget::figures_data()
{
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("resolutionToolTip");

    QTest::newRow("fixed rate, 4 x 1024 kbps at 25")
        << "25" << 1024.0 << QString()
        << QStringList { "Counts : 4", "Fixted Rate : 1024 kbps", "Frame Rate : 25", "Resolution : 1080P",
               "Encode Type : H.264" }
        << "Frame Rate : 25";
    QTest::newRow("fixed rate keeps a fraction of the bitrate")
        << "8" << 45.6 << QString()
        << QStringList { "Counts : 4", "Fixted Rate : 45.6 kbps", "Frame Rate : 8", "Resolution : 1080P",
               "Encode Type : H.264" }
        << "Frame Rate : 8";
    QTest::newRow("variable rate, office scene")
        << QString() << 1856.0 << "Office"
        << QStringList { "Counts : 4", "Variable Rate : 1856 kbps", "Resolution : 1080P",
               "Encode Type : H.264", "Scene Type : Office" }
        << QString();
}

void tst_DeviceItemWidget::figures()
{
    QFETCH(QString, frameRate);
    QFETCH(double, bitrate);
    QFETCH(QString, scene);
    QFETCH(QStringList, texts);
    QFETCH(QString, resolutionToolTip);

    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Channel Name(1)"));
    card.setItemData(4, QStringLiteral("1080P"), frameRate, bitrate, 1, 1, QStringLiteral("H.264"), scene);

    const char *figures[] = { "m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
        "m_labelEncodeType", "m_labelScenceName" };
    QStringList shown;
    for (const char *name : figures)
        shown << textOf(card, name);
    QCOMPARE(shown, texts);

    QCOMPARE(toolTipOf(card, "m_labelDeviceCounts"), texts.at(0));
    QCOMPARE(toolTipOf(card, "m_labelDeviceBitRate"), texts.at(1));
    QCOMPARE(toolTipOf(card, "m_labelDeviceResolution"), resolutionToolTip);
    QCOMPARE(toolTipOf(card, "m_labelEncodeType"), texts.at(3));
    QCOMPARE(toolTipOf(card, "m_labelScenceName"), texts.at(4));
}

void tst_DeviceItemWidget::updateFrameRate()
{
    DeviceItemWidget card(nullptr, QStringLiteral("DVR"), QStringLiteral("Hall(1)"));
    card.setItemData(
        2, QStringLiteral("720P"), QStringLiteral("30"), 2457.0, 1, 1, QStringLiteral("H.264"), QString());
    card.updateFrameRate(QStringLiteral("25"), 45.6);

    QCOMPARE(textOf(card, "m_labelDeviceResolution"), QStringLiteral("Frame Rate : 25"));
    // Truncated, unlike the figure written when the card is filled.
    QCOMPARE(textOf(card, "m_labelDeviceBitRate"), QStringLiteral("Fixted Rate : 45 kbps"));
    QCOMPARE(toolTipOf(card, "m_labelDeviceResolution"), QStringLiteral("Frame Rate : 30"));
    QCOMPARE(toolTipOf(card, "m_labelDeviceBitRate"), QStringLiteral("Fixted Rate : 2457 kbps"));
}

void tst_DeviceItemWidget::arrangement_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("oneRow");
    QTest::addColumn<int>("bitrateWidth");
    QTest::addColumn<int>("encodeWidth");
    QTest::addColumn<int>("sceneWidth");

    QTest::newRow("459: two rows, narrow encoding") << 459 << false << 200 << 120 << 193;
    QTest::newRow("460: two rows, wide encoding") << 460 << false << 200 << 200 << 114;
    QTest::newRow("639: still two rows") << 639 << false << 200 << 200 << 293;
    QTest::newRow("640: one row, narrow figures") << 640 << true << 120 << 120 << 374;
    QTest::newRow("700: one row, narrow figures") << 700 << true << 120 << 120 << 434;
    QTest::newRow("740: one row, narrow figures") << 740 << true << 120 << 120 << 474;
    QTest::newRow("741: one row, wide figures") << 741 << true << 200 << 200 << 315;
}

void tst_DeviceItemWidget::arrangement()
{
    QFETCH(int, width);
    QFETCH(bool, oneRow);
    QFETCH(int, bitrateWidth);
    QFETCH(int, encodeWidth);
    QFETCH(int, sceneWidth);

    // Inside a parent, as in the list: a top-level card would be held at its
    // layout's minimum width.
    QWidget host;
    host.resize(1000, 200);
    auto *card = new DeviceItemWidget(&host, QStringLiteral("IPC"), QStringLiteral("Channel Name(1)"));
    card->setItemData(
        1, QStringLiteral("1080P"), QStringLiteral("25"), 4096, 1, 1, QStringLiteral("H.264"), QString());
    host.show();
    // Start from the other arrangement, so the resize has to move the figures.
    card->resize(oneRow ? 500 : 800, 122);
    card->resize(width, 122);
    QCOMPARE(card->width(), width);

    const QStringList firstRow { "m_labelDeviceCounts", "line1", "m_labelDeviceBitRate", "line2" };
    const QStringList secondRow { "m_labelDeviceResolution", "line3", "m_labelEncodeType", "line4",
        "m_labelScenceName" };
    if (oneRow) {
        QCOMPARE(namesIn(*card, "m_hlayout2"), QStringList());
        QCOMPARE(namesIn(*card, "m_hlayout3"), firstRow + secondRow);
    } else {
        QCOMPARE(namesIn(*card, "m_hlayout2"), firstRow);
        QCOMPARE(namesIn(*card, "m_hlayout3"), secondRow);
    }
    QCOMPARE(card->findChild<QFrame *>(QStringLiteral("line1"))->isHidden(), false);
    QCOMPARE(card->findChild<QFrame *>(QStringLiteral("line2"))->isHidden(), !oneRow);
    QCOMPARE(card->findChild<QFrame *>(QStringLiteral("line3"))->isHidden(), false);
    QCOMPARE(card->findChild<QFrame *>(QStringLiteral("line4"))->isHidden(), false);

    auto fixedWidth = [card](const char *name) {
        auto *label = card->findChild<QLabel *>(QLatin1String(name));
        return label->minimumWidth() == label->maximumWidth() ? label->minimumWidth() : -1;
    };
    QCOMPARE(fixedWidth("m_labelDeviceCounts"), 120);
    QCOMPARE(fixedWidth("m_labelDeviceResolution"), 120);
    QCOMPARE(fixedWidth("m_labelDeviceBitRate"), bitrateWidth);
    QCOMPARE(fixedWidth("m_labelEncodeType"), encodeWidth);
    QCOMPARE(fixedWidth("m_labelScenceName"), sceneWidth);
}

void tst_DeviceItemWidget::deleteButton()
{
    DeviceItemWidget card(nullptr, QStringLiteral("IPC"), QStringLiteral("Door(3)"));
    card.setItemData(
        1, QStringLiteral("D1"), QStringLiteral("25"), 1024, 7, 3, QStringLiteral("H.264"), QString());
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    QSignalSpy spy(&card, &DeviceItemWidget::signalDeleteClicked);

    QTest::mouseClick(card.findChild<QToolButton *>(QStringLiteral("m_btnDelete")), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toLongLong(), 7LL);
    QCOMPARE(spy.at(0).at(1).toInt(), 3);
    QCOMPARE(card.getItemId(), 7);
    QVERIFY(card.isVisible());
}

QTEST_MAIN(tst_DeviceItemWidget)
#include "tst_deviceitemwidget.moc"
