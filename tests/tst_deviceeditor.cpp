#include "ui/deviceeditor.h"
#include "ui/scenceselector.h"

#include "tests/fixturefiles.h"
#include "toolkit/targetpath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

class tst_DeviceEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startState();
    void frameStandard_data();
    void frameStandard();
    void fractionalFrameRates_data();
    void fractionalFrameRates();
    void typedRateOverwritten_data();
    void typedRateOverwritten();
    void groupNames_data();
    void groupNames();
    void freedNumberReused();
    void noScenesHidesVarRate();
    void variableMode();
    void backToFixedMode();
    void collapse();

private:
    QTemporaryDir m_catalogue;
};

namespace {

const QByteArray SceneHeader = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";
const QByteArray Scenes = SceneHeader
    + "Office,H.264,1080P,1856,office.png\n"
      "Office,H.265,1080P,900,office.png\n"
      "Office,H.264,D1,500,office.png\n"
      "Street,H.265,720P,777,street.png\n";

// Everything the editor tells the outside, in order.
struct Recorder
{
    QStringList log;
    QVector<StructDeviceItem> added;
    explicit Recorder(DeviceEditor &editor)
    {
        QObject::connect(&editor, &DeviceEditor::signalAppStart, &editor, [this] { log << "start"; });
        QObject::connect(
            &editor, &DeviceEditor::signalAddDevice, &editor, [this](const StructDeviceItem &item) {
                log << QStringLiteral("add %1").arg(item.strChannelName);
                added << item;
            });
        QObject::connect(&editor, &DeviceEditor::signalCurrentFrameStandard, &editor,
            [this](int index) { log << QStringLiteral("standard %1").arg(index); });
    }
};

template <typename T> T *child(QWidget &editor, const char *name)
{
    T *widget = editor.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QStringList itemsOf(QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QString rateOf(QWidget &editor)
{
    return child<QLineEdit>(editor, "m_lineEditScenceRecommandRate")->text();
}

void clickAdd(QWidget &editor)
{
    child<QPushButton>(editor, "m_btnAddDevice")->click();
}

QPushButton *sceneButton(QWidget &editor, int row)
{
    auto *list = child<QListWidget>(editor, "m_listWidgetScences");
    return qobject_cast<QPushButton *>(list->itemWidget(list->item(row)));
}

} // namespace

void tst_DeviceEditor::initTestCase()
{
    QVERIFY(m_catalogue.isValid());
    const QString root = m_catalogue.path() + QLatin1Char('/');
    const QByteArray table = "<?xml version=\"1.0\"?>\n<ConfigList><ConfigItem><Resolution>D1</Resolution>"
                             "<Bitrate>40</Bitrate></ConfigItem></ConfigList>\n";
    writeFile(root + "IPCBitrateConfig.xml", table);
    writeFile(root + "DVRBitrateConfig.xml", table);
    const QByteArray rates = "<Item>25</Item><Item>24</Item><Item>22</Item><Item>20</Item><Item>18</Item>"
                             "<Item>16</Item><Item>15</Item><Item>14</Item><Item>12</Item><Item>10</Item>"
                             "<Item>8</Item><Item>6</Item><Item>5</Item><Item>4</Item><Item>3</Item>"
                             "<Item>2</Item><Item>1</Item><Item>1/2</Item><Item>1/4</Item><Item>1/8</Item>"
                             "<Item>1/16</Item>";
    writeFile(root + "Frame.xml",
        "<?xml version=\"1.0\"?>\n<FrameRates><PAL><Item>50</Item>" + rates + "</PAL><NTSC><Item>60</Item>"
            + QByteArray(rates).replace("<Item>25</Item>", "<Item>30</Item>") + "</NTSC></FrameRates>\n");
    // Values at 25 frames per second.
    writeFile(root + "IPCBitrate/H.264.csv", "D1,40\n1080P,100\n");
    writeFile(root + "IPCBitrate/H.265.csv", "D1,20\n1080P,50\n");
    writeFile(root + "IPCBitrate/Zenvo.csv", "D1,12\n1080P,30\n");
    writeFile(root + "IPCBitrate/Lumaro.csv", "D1,12\n1080P,30\n");
    writeFile(root + "DVRBitrate/H.264.csv", "D1,1000\nCIF,10\n");
    writeFile(root + "DVRBitrate/H.265.csv", "D1,500\nCIF,5\n");
    MovraGUIToolkit::SetTargetPathOverride(m_catalogue.path());
}

void tst_DeviceEditor::init()
{
    writeFile(m_catalogue.filePath(QStringLiteral("Scene.csv")), Scenes);
}

void tst_DeviceEditor::cleanupTestCase()
{
    MovraGUIToolkit::SetTargetPathOverride(QString());
}

void tst_DeviceEditor::startState()
{
    DeviceEditor editor;

    auto *frames = child<QComboBox>(editor, "m_comboxFrameRate");
    QCOMPARE(frames->count(), 22);
    QCOMPARE(frames->itemText(0), QStringLiteral("50"));
    QCOMPARE(frames->currentIndex(), 1);
    QCOMPARE(frames->currentText(), QStringLiteral("25"));
    // IPC, H.264, first resolution D1 at 25 frames per second.
    QCOMPARE(rateOf(editor), QStringLiteral("40"));

    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboBoxDeviceType")), QStringList({ "IPC", "DVR" }));
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboBoxResolution")), QStringList({ "D1", "1080P" }));
    // English drops "Lumaro"; the list is sorted.
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboxEncodingType")),
        QStringList({ "H.264", "H.265", "Zenvo" }));
    QVERIFY(child<QRadioButton>(editor, "m_radioButtonFixedRate")->isChecked());
    QVERIFY(!child<QRadioButton>(editor, "m_radioButtonVarRate")->isHidden());
    QVERIFY(child<ScenceSelector>(editor, "m_scenceSelector")->isHidden());
    QCOMPARE(child<QLineEdit>(editor, "m_lineEditChannelName")->text(), QStringLiteral("Channel Name"));
    QCOMPARE(child<QLineEdit>(editor, "m_lineEditChannelCounts")->text(), QStringLiteral("1"));
    QCOMPARE(editor.width(), 400);
    QCOMPARE(editor.getScenceSelector(), child<ScenceSelector>(editor, "m_scenceSelector"));
}

void tst_DeviceEditor::frameStandard_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("NTSC") << QStringList { "m_btnOFF" } << "30"
                          << "48" << QStringList { "standard 1" };
    QTest::newRow("NTSC and back to PAL") << QStringList { "m_btnOFF", "m_btnON" } << "25"
                                          << "40" << QStringList { "standard 1", "standard 0" };
    QTest::newRow("PAL again changes nothing") << QStringList { "m_btnON" } << "25"
                                               << "40" << QStringList();
}

void tst_DeviceEditor::frameStandard()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, selected);
    QFETCH(QString, rate);
    QFETCH(QStringList, log);

    DeviceEditor editor;
    Recorder recorder(editor);
    auto *standard = child<QWidget>(editor, "PalNtscSwitch");
    for (const QString &button : qAsConst(clicks))
        standard->findChild<QPushButton *>(button)->click();

    auto *frames = child<QComboBox>(editor, "m_comboxFrameRate");
    QCOMPARE(frames->currentIndex(), 1);
    QCOMPARE(frames->currentText(), selected);
    QCOMPARE(rateOf(editor), rate);
    QCOMPARE(recorder.log, log);
}

void tst_DeviceEditor::fractionalFrameRates_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("rate");

    // DVR, D1 = 1000 kbps: a fifth plus four fifths scaled by f / 25.
    QTest::newRow("position 17 parses \"1\"") << 17 << "232";
    QTest::newRow("position 18 is 1/2") << 18 << "216";
    QTest::newRow("position 19 is 1/4") << 19 << "208";
    QTest::newRow("position 20 is 1/8") << 20 << "204";
    QTest::newRow("position 21 is 1/16") << 21 << "202";
}

void tst_DeviceEditor::fractionalFrameRates()
{
    QFETCH(int, position);
    QFETCH(QString, rate);

    DeviceEditor editor;
    child<QComboBox>(editor, "m_comboBoxDeviceType")->setCurrentIndex(1);
    child<QComboBox>(editor, "m_comboxFrameRate")->setCurrentIndex(position);
    QCOMPARE(rateOf(editor), rate);
}

void tst_DeviceEditor::typedRateOverwritten_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("rate");

    QTest::newRow("frame rate 50") << "m_comboxFrameRate" << 0 << "80";
    QTest::newRow("resolution 1080P") << "m_comboBoxResolution" << 1 << "100";
    QTest::newRow("encoding H.265") << "m_comboxEncodingType" << 1 << "20";
    QTest::newRow("device type DVR") << "m_comboBoxDeviceType" << 1 << "1000";
}

void tst_DeviceEditor::typedRateOverwritten()
{
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, rate);

    DeviceEditor editor;
    auto *field = child<QLineEdit>(editor, "m_lineEditScenceRecommandRate");
    field->clear();
    QTest::keyClicks(field, QStringLiteral("999"));
    QCOMPARE(field->text(), QStringLiteral("999"));

    editor.findChild<QComboBox *>(control)->setCurrentIndex(index);
    QCOMPARE(field->text(), rate);
}

void tst_DeviceEditor::groupNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("log");

    QTest::newRow("default name") << QString()
                                  << QStringList { "start", "add Channel Name(1)", "add Channel Name(2)",
                                         "add Channel Name(3)" };
    QTest::newRow("empty name") << "" << QStringList { "start", "add (1)", "add (2)", "add (3)" };
    QTest::newRow("typed name") << "Gate"
                                << QStringList { "start", "add Gate(1)", "add Gate(2)", "add Gate(3)" };
}

void tst_DeviceEditor::groupNames()
{
    QFETCH(QString, name);
    QFETCH(QStringList, log);

    DeviceEditor editor;
    Recorder recorder(editor);
    if (!name.isNull()) {
        auto *field = child<QLineEdit>(editor, "m_lineEditChannelName");
        field->clear();
        QTest::keyClicks(field, name);
    }
    clickAdd(editor);
    clickAdd(editor);
    clickAdd(editor);

    QCOMPARE(recorder.log, log);
    const StructDeviceItem &item = recorder.added.at(2);
    QCOMPARE(item.iChannelGroupNumber, 3);
    QCOMPARE(item.strDeviceType, QStringLiteral("IPC"));
    QCOMPARE(item.iChannelCounts, 1);
    QCOMPARE(item.strResolution, QStringLiteral("D1"));
    QCOMPARE(item.strFrameRate, QStringLiteral("25"));
    QCOMPARE(item.strScenceName, QString());
    QCOMPARE(item.strEncodeType, QStringLiteral("H.264"));
    QCOMPARE(item.dBitrate, 40.0);
    QCOMPARE(item.strReserved, QString());
    QCOMPARE(item.bReserved, false);
}

void tst_DeviceEditor::freedNumberReused()
{
    DeviceEditor editor;
    Recorder recorder(editor);
    clickAdd(editor);
    clickAdd(editor);
    clickAdd(editor);

    // As the device list reports a deleted group.
    QVERIFY(QMetaObject::invokeMethod(&editor, "OnDeleteChannelGroupNumber", Q_ARG(int, 2)));
    clickAdd(editor);
    QVERIFY(QMetaObject::invokeMethod(&editor, "OnDeleteChannelGroupNumber", Q_ARG(int, 0)));
    clickAdd(editor);

    QCOMPARE(recorder.log.mid(4), QStringList({ "add Channel Name(2)", "add Channel Name(1)" }));
}

void tst_DeviceEditor::noScenesHidesVarRate()
{
    writeFile(m_catalogue.filePath(QStringLiteral("Scene.csv")), SceneHeader);
    DeviceEditor editor;

    QVERIFY(child<QRadioButton>(editor, "m_radioButtonVarRate")->isHidden());
    QCOMPARE(child<QListWidget>(editor, "m_listWidgetScences")->count(), 0);
}

void tst_DeviceEditor::variableMode()
{
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    Recorder recorder(editor);

    child<QRadioButton>(editor, "m_radioButtonVarRate")->click();

    QVERIFY(child<ScenceSelector>(editor, "m_scenceSelector")->isVisible());
    QVERIFY(child<QComboBox>(editor, "m_comboxFrameRate")->isHidden());
    QVERIFY(child<QLabel>(editor, "m_labelFrameRate")->isHidden());
    QVERIFY(child<QComboBox>(editor, "m_comboxEncodingType")->isVisible());
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboBoxResolution")), QStringList({ "1080P", "D1" }));
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboxEncodingType")), QStringList({ "H.264", "H.265" }));
    QCOMPARE(rateOf(editor), QStringLiteral("1856"));

    child<QComboBox>(editor, "m_comboxEncodingType")->setCurrentIndex(1);
    QCOMPARE(rateOf(editor), QStringLiteral("900"));
    child<QComboBox>(editor, "m_comboBoxResolution")->setCurrentIndex(1);
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboxEncodingType")), QStringList({ "H.264" }));
    QCOMPARE(rateOf(editor), QStringLiteral("500"));

    // Another scene through its button, then a variable-rate group.
    QTest::mouseClick(sceneButton(editor, 1), Qt::LeftButton);
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboBoxResolution")), QStringList({ "720P" }));
    QCOMPARE(rateOf(editor), QStringLiteral("777"));
    clickAdd(editor);
    QCOMPARE(recorder.added.size(), 1);
    QCOMPARE(recorder.added.at(0).strScenceName, QStringLiteral("Street"));
    QCOMPARE(recorder.added.at(0).strFrameRate, QString());
    QCOMPARE(recorder.added.at(0).strEncodeType, QStringLiteral("H.265"));
    QCOMPARE(recorder.added.at(0).dBitrate, 777.0);

    // Leaving and re-entering variable mode applies scene 0, although the
    // selector still shows the other scene checked.
    child<QRadioButton>(editor, "m_radioButtonFixedRate")->click();
    child<QRadioButton>(editor, "m_radioButtonVarRate")->click();
    QVERIFY(sceneButton(editor, 1)->isChecked());
    QCOMPARE(rateOf(editor), QStringLiteral("1856"));
    clickAdd(editor);
    QCOMPARE(recorder.added.at(1).strScenceName, QStringLiteral("Office"));
}

void tst_DeviceEditor::backToFixedMode()
{
    DeviceEditor editor;
    child<QComboBox>(editor, "m_comboBoxDeviceType")->setCurrentIndex(1);
    child<QRadioButton>(editor, "m_radioButtonVarRate")->click();
    child<QRadioButton>(editor, "m_radioButtonFixedRate")->click();

    QVERIFY(child<ScenceSelector>(editor, "m_scenceSelector")->isHidden());
    QVERIFY(!child<QComboBox>(editor, "m_comboxFrameRate")->isHidden());
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboxEncodingType")),
        QStringList({ "H.264", "H.265", "Zenvo" }));
    // The resolutions of the chosen kind, DVR, and its computed rate.
    QCOMPARE(itemsOf(child<QComboBox>(editor, "m_comboBoxResolution")), QStringList({ "D1", "CIF" }));
    QCOMPARE(rateOf(editor), QStringLiteral("1000"));
}

void tst_DeviceEditor::collapse()
{
    DeviceEditor editor;
    auto *spread = child<QCheckBox>(editor, "m_checkBoxSpread");

    spread->setChecked(true);
    QCOMPARE(editor.width(), 34);
    QVERIFY(child<QWidget>(editor, "m_verticalWidgetAddBorder")->isHidden());
    QVERIFY(!child<QWidget>(editor, "verticalFrame")->isHidden());

    spread->setChecked(false);
    QCOMPARE(editor.width(), 390);
    QVERIFY(!child<QWidget>(editor, "m_verticalWidgetAddBorder")->isHidden());
    QVERIFY(child<QWidget>(editor, "verticalFrame")->isHidden());
}

QTEST_MAIN(tst_DeviceEditor)
#include "tst_deviceeditor.moc"
