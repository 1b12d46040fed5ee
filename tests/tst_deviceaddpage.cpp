#include "ui/capacitycalculation.h"
#include "ui/deviceaddpage.h"
#include "ui/deviceitemwidget.h"

#include "tests/fixturefiles.h"
#include "toolkit/targetpath.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using NM_Orvane::DeviceItemWidget;

Q_DECLARE_METATYPE(StructDeviceItem)

class tst_DeviceAddPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void totalsAfterAdds();
    void deleteGroup_data();
    void deleteGroup();
    void clear_data();
    void clear();
    void idsKeepGrowingAfterClear();
    void frameStandard_data();
    void frameStandard();
    void frameStandardReadsTablesAtEachSwitch();
    void rowHeights_data();
    void rowHeights();
    void replaceAllReportsOnce();
    void destructionReportsNothing();
    void panelPlaceholder();

private:
    QTemporaryDir m_catalogue;
};

namespace {

StructDeviceItem group(const QString &type, int channels, double bitrate, int number,
    const QString &frameRate = QStringLiteral("25"), const QString &encoding = QStringLiteral("H.264"),
    const QString &scene = QString())
{
    StructDeviceItem item;
    item.strDeviceType = type;
    item.strChannelName = QStringLiteral("Channel Name(%1)").arg(number);
    item.strScenceName = scene;
    item.strEncodeType = encoding;
    item.iChannelCounts = channels;
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = frameRate;
    item.dBitrate = bitrate;
    item.iChannelGroupNumber = number;
    return item;
}

// Every signal of the page, in the order it came.
struct Recorder
{
    QStringList log;
    explicit Recorder(DeviceAddPage &page)
    {
        QObject::connect(&page, &DeviceAddPage::SignalDeviceChanged, &page,
            [this](double total) { log << QStringLiteral("total %1").arg(total); });
        QObject::connect(&page, &DeviceAddPage::SianalDeviceDelete, &page,
            [this](int number) { log << QStringLiteral("delete %1").arg(number); });
        QObject::connect(
            &page, &DeviceAddPage::signalCover, &page, [this] { log << QStringLiteral("cover"); });
        QObject::connect(
            &page, &DeviceAddPage::signalDisvocer, &page, [this] { log << QStringLiteral("uncover"); });
    }
};

// What the question looked like when it was answered.
struct Question
{
    bool asked = false;
    QString title;
    QString text;
    QSize size;
};

// Answers the next modal dialog with the named button, once it is up.
void answerQuestion(QObject *context, const QString &button, Question *question, int attempts = 200)
{
    QTimer::singleShot(10, context, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (attempts > 0)
                answerQuestion(context, button, question, attempts - 1);
            return;
        }
        question->asked = true;
        question->title = modal->windowTitle();
        auto *tip = modal->findChild<QLabel *>(QStringLiteral("m_labelTip"));
        question->text = tip ? tip->text() : QString();
        question->size = modal->size();
        modal->findChild<QPushButton *>(button)->click();
    });
}

QListWidget *listOf(DeviceAddPage &page)
{
    return page.findChild<QListWidget *>(QStringLiteral("m_listWidgetDiskData"));
}

DeviceItemWidget *cardAt(DeviceAddPage &page, int row)
{
    QListWidget *list = listOf(page);
    return qobject_cast<DeviceItemWidget *>(list->itemWidget(list->item(row)));
}

QString figure(QWidget *card, const char *name)
{
    return card->findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

void tst_DeviceAddPage::initTestCase()
{
    QVERIFY(m_catalogue.isValid());
    const QString root = m_catalogue.path() + QLatin1Char('/');
    const QByteArray table = "<?xml version=\"1.0\"?>\n<ConfigList><ConfigItem><Resolution>1080P</Resolution>"
                             "<Bitrate>100</Bitrate></ConfigItem></ConfigList>\n";
    writeFile(root + "IPCBitrateConfig.xml", table);
    writeFile(root + "DVRBitrateConfig.xml", table);
    writeFile(root + "Frame.xml",
        "<?xml version=\"1.0\"?>\n<FrameRates><PAL><Item>50</Item><Item>25</Item><Item>15</Item></PAL>"
        "<NTSC><Item>60</Item><Item>30</Item><Item>15</Item></NTSC></FrameRates>\n");
    // Table values at 25 frames per second: 30 fps is 1.2 times the value
    // for IPC; DVR spends a fifth whatever the rate.
    writeFile(root + "IPCBitrate/H.264.csv", "D1,40\n1080P,100\n");
    writeFile(root + "IPCBitrate/H.265.csv", "D1,20\n1080P,50\n");
    writeFile(root + "DVRBitrate/H.264.csv", "1080P,100\n");
    writeFile(root + "DVRBitrate/H.265.csv", "1080P,50\n");
    writeFile(root + "Scene.csv", "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n");
    MovraGUIToolkit::SetTargetPathOverride(m_catalogue.path());
}

void tst_DeviceAddPage::cleanupTestCase()
{
    MovraGUIToolkit::SetTargetPathOverride(QString());
}

void tst_DeviceAddPage::totalsAfterAdds()
{
    DeviceAddPage page;
    Recorder recorder(page);

    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 1024, 1));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 2, 2048, 2));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 1, 512, 3));

    QCOMPARE(recorder.log, QStringList({ "total 4096", "total 8192", "total 8704" }));
    QCOMPARE(page.getDeviceData().keys(), QList<long long>({ 1, 2, 3 }));
    QCOMPARE(listOf(page)->count(), 3);
    QCOMPARE(cardAt(page, 1)->getItemId(), 2);
    QCOMPARE(figure(cardAt(page, 1), "m_labelChannelGroupName"), QStringLiteral("Channel Name(2)"));
    QCOMPARE(figure(cardAt(page, 1), "m_labelDeviceBitRate"), QStringLiteral("Fixted Rate : 2048 kbps"));
}

void tst_DeviceAddPage::deleteGroup_data()
{
    QTest::addColumn<bool>("throughCard");
    QTest::addColumn<long long>("id");
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QList<long long>>("remaining");

    QTest::newRow("second group through its own card")
        << true << 2LL << 2 << QStringList { "delete 2", "total 4608" } << QList<long long> { 1, 3 };
    QTest::newRow("unknown id still reports")
        << false << 99LL << 7 << QStringList { "delete 7", "total 8704" } << QList<long long> { 1, 2, 3 };
}

void tst_DeviceAddPage::deleteGroup()
{
    QFETCH(bool, throughCard);
    QFETCH(long long, id);
    QFETCH(int, number);
    QFETCH(QStringList, log);
    QFETCH(QList<long long>, remaining);

    DeviceAddPage page;
    page.resize(700, 400);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 1024, 1));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 2, 2048, 2));
    page.addDeviceTypeItem(group(QStringLiteral("DVR"), 1, 512, 3));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    Recorder recorder(page);

    QPointer<DeviceItemWidget> second = cardAt(page, 1);
    if (throughCard) {
        // The delete runs inside the card's own signal; the card must
        // outlive it.
        QTest::mouseClick(second->findChild<QToolButton *>(QStringLiteral("m_btnDelete")), Qt::LeftButton);
    } else {
        page.OnDeleteDeviceItem(id, number);
    }

    QCOMPARE(recorder.log, log);
    QCOMPARE(page.getDeviceData().keys(), remaining);
    QCOMPARE(listOf(page)->count(), remaining.size());
    for (int row = 0; row < remaining.size(); ++row)
        QCOMPARE(static_cast<long long>(cardAt(page, row)->getItemId()), remaining.at(row));

    // Destroyed only once control is back in the event loop.
    QVERIFY(!second.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(second.isNull(), throughCard);
}

void tst_DeviceAddPage::clear_data()
{
    QTest::addColumn<int>("groups");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("remaining");

    QTest::newRow("empty list asks nothing") << 0 << "btnConfirm" << QStringList() << 0;
    QTest::newRow("Cancel keeps every group") << 2 << "btnCancel" << QStringList { "cover", "uncover" } << 2;
    QTest::newRow("Confirm removes every group")
        << 2 << "btnConfirm" << QStringList { "cover", "uncover", "delete 0", "total 0", "uncover" } << 0;
}

void tst_DeviceAddPage::clear()
{
    QFETCH(int, groups);
    QFETCH(QString, answer);
    QFETCH(QStringList, log);
    QFETCH(int, remaining);

    DeviceAddPage page;
    for (int i = 1; i <= groups; ++i)
        page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, i));
    QList<QPointer<DeviceItemWidget>> cards;
    for (int row = 0; row < groups; ++row)
        cards << cardAt(page, row);
    Recorder recorder(page);

    QObject context;
    Question question;
    answerQuestion(&context, answer, &question, groups == 0 ? 5 : 200);
    page.onClearDeviceItems();
    if (groups == 0)
        QTest::qWait(100);

    QCOMPARE(recorder.log, log);
    QCOMPARE(question.asked, groups > 0);
    if (question.asked) {
        QCOMPARE(question.title, QStringLiteral("Clear"));
        QCOMPARE(question.text, QStringLiteral("Clear all the channels?"));
        QCOMPARE(question.size, QSize(350, 220));
    }
    QCOMPARE(page.getDeviceData().size(), remaining);
    QCOMPARE(listOf(page)->count(), remaining);

    for (const QPointer<DeviceItemWidget> &card : qAsConst(cards))
        QVERIFY(!card.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (const QPointer<DeviceItemWidget> &card : qAsConst(cards))
        QCOMPARE(card.isNull(), remaining == 0);
}

void tst_DeviceAddPage::idsKeepGrowingAfterClear()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 1));
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 2));
    page.OnDeleteDeviceItem(2, 2);

    QObject context;
    Question question;
    answerQuestion(&context, QStringLiteral("btnConfirm"), &question);
    page.onClearDeviceItems();
    QVERIFY(question.asked);
    QVERIFY(page.getDeviceData().isEmpty());

    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 1));
    QCOMPARE(page.getDeviceData().keys(), QList<long long>({ 3 }));
    QCOMPARE(cardAt(page, 0)->getItemId(), 3);
}

void tst_DeviceAddPage::frameStandard_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<int>("standard");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("cardFrame");
    QTest::addColumn<QString>("cardRate");
    QTest::addColumn<QStringList>("log");

    const QString ipc = QStringLiteral("IPC");
    const QString dvr = QStringLiteral("DVR");

    QTest::newRow("PAL: IPC at 30 with the computed figure")
        << group(ipc, 2, 120, 1, "30") << 0 << "25" << 100.0 << "Frame Rate : 25"
        << "Fixted Rate : 100 kbps" << QStringList { "total 200" };
    QTest::newRow("PAL: same integer part counts as computed")
        << group(ipc, 2, 120.9, 1, "30") << 0 << "25" << 100.0 << "Frame Rate : 25"
        << "Fixted Rate : 100 kbps" << QStringList { "total 200" };
    QTest::newRow("PAL: IPC at 30 with a typed rate keeps it")
        << group(ipc, 2, 333.7, 1, "30") << 0 << "25" << 333.7 << "Frame Rate : 25"
        << "Fixted Rate : 333 kbps" << QStringList { "total 667.4" };
    QTest::newRow("PAL: each group's own encoding")
        << group(ipc, 2, 60, 1, "30", "H.265") << 0 << "25" << 50.0 << "Frame Rate : 25"
        << "Fixted Rate : 50 kbps" << QStringList { "total 100" };
    QTest::newRow("PAL: DVR at 60 becomes 50")
        << group(dvr, 2, 212, 1, "60") << 0 << "50" << 180.0 << "Frame Rate : 50"
        << "Fixted Rate : 180 kbps" << QStringList { "total 360" };
    QTest::newRow("PAL: a group at 15 is not touched")
        << group(ipc, 2, 60, 1, "15") << 0 << "15" << 60.0 << "Frame Rate : 15"
        << "Fixted Rate : 60 kbps" << QStringList { "total 120" };
    QTest::newRow("PAL: variable rate is not touched")
        << group(ipc, 2, 500, 1, QString(), "H.264", "Office") << 0 << QString() << 500.0
        << "Resolution : 1080P"
        << "Variable Rate : 500 kbps" << QStringList { "total 1000" };
    QTest::newRow("PAL: a translated kind changes only the text") << group(
        QString::fromUtf8("\xe7\xbd\x91\xe7\xbb\x9c\xe6\x91\x84\xe5\x83\x8f\xe6\x9c\xba"), 2, 120, 1, "30")
                                                                  << 0 << "25" << 120.0 << "Frame Rate : 30"
                                                                  << "Fixted Rate : 120 kbps"
                                                                  << QStringList { "total 240" };
    QTest::newRow("NTSC: IPC at 25 becomes 30")
        << group(ipc, 2, 100, 1, "25") << 1 << "30" << 120.0 << "Frame Rate : 30"
        << "Fixted Rate : 120 kbps" << QStringList { "total 240" };
    QTest::newRow("NTSC: DVR at 50 becomes 60")
        << group(dvr, 2, 180, 1, "50") << 1 << "60" << 212.0 << "Frame Rate : 60"
        << "Fixted Rate : 212 kbps" << QStringList { "total 424" };
    QTest::newRow("NTSC: a group already at 30 is not touched")
        << group(ipc, 2, 120, 1, "30") << 1 << "30" << 120.0 << "Frame Rate : 30"
        << "Fixted Rate : 120 kbps" << QStringList { "total 240" };
    QTest::newRow("another standard does nothing")
        << group(ipc, 2, 120, 1, "30") << 2 << "30" << 120.0 << "Frame Rate : 30"
        << "Fixted Rate : 120 kbps" << QStringList();
}

void tst_DeviceAddPage::frameStandard()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(int, standard);
    QFETCH(QString, frameRate);
    QFETCH(double, bitrate);
    QFETCH(QString, cardFrame);
    QFETCH(QString, cardRate);
    QFETCH(QStringList, log);

    DeviceAddPage page;
    page.addDeviceTypeItem(item, false);
    Recorder recorder(page);

    QVERIFY(QMetaObject::invokeMethod(&page, "OnFrametareStandardChanged", Q_ARG(int, standard)));

    const StructDeviceItem converted = page.getDeviceData().value(1);
    QCOMPARE(converted.strFrameRate, frameRate);
    QCOMPARE(converted.dBitrate, bitrate);
    QCOMPARE(figure(cardAt(page, 0), "m_labelDeviceResolution"), cardFrame);
    QCOMPARE(figure(cardAt(page, 0), "m_labelDeviceBitRate"), cardRate);
    QCOMPARE(recorder.log, log);
}

void tst_DeviceAddPage::frameStandardReadsTablesAtEachSwitch()
{
    // A group that carries 200 kbps at 25: typed by the user while the table
    // said 100, but the figure the table gives once it is edited to 200.
    DeviceAddPage page;
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 200, 1, "25"), false);
    const QString table = m_catalogue.filePath("IPCBitrate/H.264.csv");
    writeFile(table, "D1,40\n1080P,200\n");

    QVERIFY(QMetaObject::invokeMethod(&page, "OnFrametareStandardChanged", Q_ARG(int, 1)));
    writeFile(table, "D1,40\n1080P,100\n");

    QCOMPARE(page.getDeviceData().value(1).strFrameRate, QStringLiteral("30"));
    QCOMPARE(page.getDeviceData().value(1).dBitrate, 240.0);
}

void tst_DeviceAddPage::rowHeights_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("addedHeight");
    QTest::addColumn<int>("resizedHeight");

    QTest::newRow("741 wide") << 741 << 54 << 60;
    QTest::newRow("740 wide") << 740 << 84 << 60;
    QTest::newRow("640 wide") << 640 << 84 << 60;
    QTest::newRow("639 wide") << 639 << 84 << 84;
}

void tst_DeviceAddPage::rowHeights()
{
    QFETCH(int, width);
    QFETCH(int, addedHeight);
    QFETCH(int, resizedHeight);

    DeviceAddPage page;
    page.resize(width, 400);
    page.addDeviceTypeItem(group(QStringLiteral("IPC"), 1, 100, 1));
    QCOMPARE(listOf(page)->item(0)->sizeHint(), QSize(50, addedHeight));

    // The resize held back while the page was hidden arrives now.
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.width(), width);
    QCOMPARE(listOf(page)->item(0)->sizeHint(), QSize(50, resizedHeight));
}

void tst_DeviceAddPage::replaceAllReportsOnce()
{
    DeviceAddPage page;
    Recorder recorder(page);

    page.setDeviceTypeData(
        { group(QStringLiteral("IPC"), 4, 1024, 1), group(QStringLiteral("DVR"), 1, 512, 2) });

    QCOMPARE(recorder.log, QStringList({ "total 4608" }));
    QCOMPARE(listOf(page)->count(), 2);
}

void tst_DeviceAddPage::destructionReportsNothing()
{
    QStringList log;
    QObject observer;
    {
        DeviceAddPage page;
        page.addDeviceTypeItem(group(QStringLiteral("IPC"), 4, 1024, 1));
        connect(&page, &DeviceAddPage::SignalDeviceChanged, &observer, [&log] { log << "total"; });
        connect(&page, &DeviceAddPage::SianalDeviceDelete, &observer, [&log] { log << "delete"; });
    }
    QCOMPARE(log, QStringList());
}

void tst_DeviceAddPage::panelPlaceholder()
{
    CapacityCalculation panel;
    auto *border = panel.findChild<QLayout *>(QStringLiteral("m_borderLayout"));
    auto *normal = panel.findChild<QWidget *>(QStringLiteral("m_CapacityWidget"));
    QVERIFY(border && normal);
    QVERIFY(panel.getDeviceAddPage());
    QVERIFY(panel.getDataDisplayPageSize());
    QVERIFY(panel.getDataDisplayPageTime());

    auto shown = [border] {
        QStringList names;
        for (int i = 0; i < border->count(); ++i)
            names << border->itemAt(i)->widget()->objectName();
        return names;
    };
    QCOMPARE(shown(), QStringList({ "WidgetDeviceListBorder" }));
    QVERIFY(normal->isHidden());

    panel.showNormalPage();
    QCOMPARE(shown(), QStringList({ "m_CapacityWidget" }));
    QVERIFY(!normal->isHidden());
    QVERIFY(panel.findChild<QWidget *>(QStringLiteral("WidgetDeviceListBorder"))->isHidden());

    QSignalSpy clear(&panel, &CapacityCalculation::signalClear);
    panel.findChild<QPushButton *>(QStringLiteral("m_btnClear"))->click();
    QCOMPARE(clear.count(), 1);
}

QTEST_MAIN(tst_DeviceAddPage)
#include "tst_deviceaddpage.moc"
