#include "catalogue/deviceconfigreader.h"
#include "toolkit/targetpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>

using MovraGUIToolkit::SetTargetPathOverride;

namespace {

const QByteArray BitrateXml = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n"
                              "<ConfigList><ConfigItem><Resolution>CIF</Resolution><Bitrate>1</Bitrate>"
                              "</ConfigItem></ConfigList>\n";

const QByteArray FrameXml = "<Frames>\n"
                            "  <PAL><i>25</i><i>12.5</i><i>1/2</i></PAL>\n"
                            "  <Group><NTSC><Rate>30</Rate><Other>15</Other></NTSC></Group>\n"
                            "  <NTSC><Rate>99</Rate></NTSC>\n"
                            "</Frames>\n";

const QByteArray ScenceHeader = "Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path\n";

// Rows of one scene spread over the file, a repeated combination, and pictures
// named by full Windows and Unix paths.
const QByteArray ScenceTable = ScenceHeader
    + "Hospital,H.265,720P,1204,D:\\secne\\hospital1.png\n"
      "Hospital,H.264,1080P,2048,D:\\secne\\hospital2.png\n"
      "Park,H.264,720P,900,/pics/park.png\n"
      "Hospital,H.264,720P,1000,hospital3.png\n"
      "\n"
      "Hospital,H.265,720P,9999,dup.png\n"
      "Park,H.265,720P,800,park2.png\n";

// A short row between the rows of a scene.
const QByteArray ShortRowTable = ScenceHeader
    + "Hospital,H.264,720P,1000,a.png\n"
      "Park,H.264\n"
      "Hospital,H.264,1080P,2000,b.png\n"
      "Lobby\n";

} // namespace

class tst_DeviceConfigReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void encodingTypes_data();
    void encodingTypes();
    void laterFileReplacesTable();
    void tableRows();
    void tableNumberAndEncoding_data();
    void tableNumberAndEncoding();
    void resolutionNamesComeFromH264();
    void missingCatalogue();
    void xmlReadOrder_data();
    void xmlReadOrder();
    void frameLists();

    void scenceNames_data();
    void scenceNames();
    void scenceResolutionsAndEncodings();
    void scenceRecommandRate_data();
    void scenceRecommandRate();
    void scencePicture_data();
    void scencePicture();
    void picturePathKeepsFileNameOnly_data();
    void picturePathKeepsFileNameOnly();
    void shortRowsStopFieldQueries();
    void scenceTableIsReadAtEachQuery();

    void conversionWritesGb2312ConfigList();
    void conversionFailures_data();
    void conversionFailures();

private:
    void writeFile(const QString &relativePath, const QByteArray &content);
    QByteArray readFile(const QString &relativePath) const;
    QString picture(const QString &fileName) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_DeviceConfigReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SetTargetPathOverride(m_dir->path());
}

void tst_DeviceConfigReader::cleanup()
{
    SetTargetPathOverride(QString());
    m_dir.reset();
}

void tst_DeviceConfigReader::writeFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = m_dir->filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray tst_DeviceConfigReader::readFile(const QString &relativePath) const
{
    QFile file(m_dir->filePath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString tst_DeviceConfigReader::picture(const QString &fileName) const
{
    return m_dir->path() + QStringLiteral("/ScenePicture/") + fileName;
}

void tst_DeviceConfigReader::encodingTypes_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("encodings");

    QTest::newRow("the last extension is dropped")
        << QStringList { "IPCBitrate/H.264.csv", "IPCBitrate/H.265.csv" } << QStringList { "H.264", "H.265" };
    QTest::newRow("a name without extension loses its last dot part")
        << QStringList { "IPCBitrate/H.265" } << QStringList { "H" };
    QTest::newRow("name order ignores letter case") << QStringList { "IPCBitrate/b.csv", "IPCBitrate/C.csv",
        "IPCBitrate/A.csv" } << QStringList { "A", "b", "C" };
    QTest::newRow("blanks belong to the name")
        << QStringList { "IPCBitrate/Smart Codec.csv" } << QStringList { "Smart Codec" };
    QTest::newRow("hidden files and subfolders are left out") << QStringList { "IPCBitrate/.hidden.csv",
        "IPCBitrate/sub/X.csv", "IPCBitrate/H.264.csv" } << QStringList { "H.264" };
    QTest::newRow("one encoding in two files is listed twice")
        << QStringList { "IPCBitrate/H.264.txt", "IPCBitrate/H.264.csv" } << QStringList { "H.264", "H.264" };
    QTest::newRow("DVR tables name no encodings")
        << QStringList { "DVRBitrate/H.264.csv", "DVRBitrate/H.265.csv" } << QStringList {};
}

void tst_DeviceConfigReader::encodingTypes()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, encodings);

    for (const QString &file : files)
        writeFile(file, "1080P,4096\n");
    const DeviceConfigReader reader;
    QCOMPARE(reader.getEncodingTypes(), encodings);
}

void tst_DeviceConfigReader::laterFileReplacesTable()
{
    writeFile("IPCBitrate/H.264.csv", "1080P,1\n720P,7\n");
    writeFile("IPCBitrate/H.264.txt", "1080P,2\n");
    DeviceConfigReader reader;
    QCOMPARE(reader.getTableBitrate("1080P", 1), 2);
    QCOMPARE(reader.getTableBitrate("720P", 1), 0);
    QStringList names;
    reader.getResolutionNames(names, 1);
    QCOMPARE(names, QStringList { "1080P" });
}

void tst_DeviceConfigReader::tableRows()
{
    writeFile("IPCBitrate/H.264.csv",
        "1080P,4096\n"
        "short\n"
        "\n"
        "720P,abc\n"
        "1080P,1\n"
        "CIF,5,extra\n"
        " D1,64\n"
        "4K,2048\r\n");
    DeviceConfigReader reader;

    QStringList names { "kept" };
    reader.getResolutionNames(names, 1);
    QCOMPARE(names, (QStringList { "kept", "1080P", "720P", "1080P", "CIF", " D1", "4K" }));

    QCOMPARE(reader.getTableBitrate("1080P", 1), 4096); // the first equal row wins
    QCOMPARE(reader.getTableBitrate("720P", 1), 0); // not a number
    QCOMPARE(reader.getTableBitrate("CIF", 1), 5); // fields beyond two are ignored
    QCOMPARE(reader.getTableBitrate("4K", 1), 2048); // CR LF line ends
    QCOMPARE(reader.getTableBitrate("short", 1), 0);
    QCOMPARE(reader.getTableBitrate("1080p", 1), 0);
    QCOMPARE(reader.getTableBitrate("D1", 1), 0);
    QCOMPARE(reader.getTableBitrate(" D1", 1), 64);
}

void tst_DeviceConfigReader::tableNumberAndEncoding_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("bitrate");

    QTest::newRow("H.264, table 1 is IPC") << "H.264" << 1 << 100;
    QTest::newRow("H.264, table 2 is DVR") << "H.264" << 2 << 200;
    QTest::newRow("H.264, table 0 is DVR") << "H.264" << 0 << 200;
    QTest::newRow("H.264, table 7 is DVR") << "H.264" << 7 << 200;
    QTest::newRow("H.265 IPC") << "H.265" << 1 << 50;
    QTest::newRow("H.265 without DVR table") << "H.265" << 2 << 0;
    QTest::newRow("unknown encoding") << "MJPEG" << 1 << 0;
    QTest::newRow("encoding names are case-sensitive") << "h.264" << 1 << 0;
}

void tst_DeviceConfigReader::tableNumberAndEncoding()
{
    QFETCH(QString, encoding);
    QFETCH(int, table);
    QFETCH(int, bitrate);

    writeFile("IPCBitrate/H.264.csv", "1080P,100\n");
    writeFile("IPCBitrate/H.265.csv", "1080P,50\n");
    writeFile("DVRBitrate/H.264.csv", "1080P,200\n");
    DeviceConfigReader reader;
    reader.setEncoding(encoding);
    QCOMPARE(reader.getTableBitrate("1080P", table), bitrate);
}

void tst_DeviceConfigReader::resolutionNamesComeFromH264()
{
    writeFile("IPCBitrate/H.265.csv", "720P,1\n");
    writeFile("DVRBitrate/H.264.csv", "960H,1\nD1,2\n");
    writeFile("DVRBitrate/H.265.csv", "CIF,1\n");
    DeviceConfigReader reader;
    reader.setEncoding("H.265");

    QStringList ipc;
    reader.getResolutionNames(ipc, 1);
    QCOMPARE(ipc, QStringList {}); // no H.264 IPC table, whatever the encoding
    QStringList dvr;
    reader.getResolutionNames(dvr, 2);
    QCOMPARE(dvr, (QStringList { "960H", "D1" }));
    // Other encodings still look up fine.
    QCOMPARE(reader.getTableBitrate("720P", 1), 1);
    QCOMPARE(reader.getTableBitrate("CIF", 2), 1);
}

void tst_DeviceConfigReader::missingCatalogue()
{
    DeviceConfigReader reader;
    QCOMPARE(reader.getEncodingTypes(), QStringList {});
    QStringList list;
    reader.getResolutionNames(list, 1);
    reader.getResolutionNames(list, 2);
    QCOMPARE(list, QStringList {});
    reader.getFrameRates(list, 0);
    QCOMPARE(list, QStringList {});
    QCOMPARE(reader.getTableBitrate("1080P", 1), 0);
    QCOMPARE(reader.getTableBitrate("1080P", 2), 0);

    QVector<QString> names;
    QVERIFY(!reader.readScenceNames(names));
    QVERIFY(names.isEmpty());
    QVERIFY(!reader.getScenceResolutions("Hospital", list));
    QVERIFY(!reader.getScenceEncodings("Hospital", "720P", list));
    QCOMPARE(list, QStringList {});
    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "720P"), -1);
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "720P"), QString());
}

void tst_DeviceConfigReader::xmlReadOrder_data()
{
    QTest::addColumn<QByteArray>("ipcXml"); // null: no file
    QTest::addColumn<QByteArray>("dvrXml");
    QTest::addColumn<bool>("framesRead");

    QTest::newRow("all present") << BitrateXml << BitrateXml << true;
    QTest::newRow("IPC file missing stops before the frames") << QByteArray() << BitrateXml << false;
    QTest::newRow("DVR file missing stops before the frames") << BitrateXml << QByteArray() << false;
    QTest::newRow("a bitrate file that does not parse still counts as read")
        << QByteArray("not xml at all <<<") << QByteArray("<ConfigList><oops>") << true;
    QTest::newRow("empty bitrate files still count as read") << QByteArray("") << QByteArray("") << true;
}

void tst_DeviceConfigReader::xmlReadOrder()
{
    QFETCH(QByteArray, ipcXml);
    QFETCH(QByteArray, dvrXml);
    QFETCH(bool, framesRead);

    if (!ipcXml.isNull())
        writeFile("IPCBitrateConfig.xml", ipcXml);
    if (!dvrXml.isNull())
        writeFile("DVRBitrateConfig.xml", dvrXml);
    writeFile("Frame.xml", FrameXml);
    writeFile("IPCBitrate/H.264.csv", "1080P,100\n");

    DeviceConfigReader reader;
    QStringList pal;
    reader.getFrameRates(pal, 0);
    QCOMPARE(pal.isEmpty(), !framesRead);
    // The bitrate tables come from the folders either way.
    QCOMPARE(reader.getTableBitrate("1080P", 1), 100);
    QCOMPARE(reader.getTableBitrate("CIF", 1), 0);
}

void tst_DeviceConfigReader::frameLists()
{
    writeFile("IPCBitrateConfig.xml", BitrateXml);
    writeFile("DVRBitrateConfig.xml", BitrateXml);
    writeFile("Frame.xml", FrameXml);
    DeviceConfigReader reader;

    QStringList frames { "replaced" };
    reader.getFrameRates(frames, 0);
    QCOMPARE(frames, (QStringList { "25", "12.5", "1/2" }));
    reader.getFrameRates(frames, 1);
    QCOMPARE(frames, (QStringList { "30", "15" })); // the first NTSC element, however deep
    reader.getFrameRates(frames, 5);
    QCOMPARE(frames, (QStringList { "30", "15" }));

    writeFile("Frame.xml", "<Frames><NTSC><i>30</i></NTSC></Frames>");
    DeviceConfigReader withoutPal;
    withoutPal.getFrameRates(frames, 0);
    QCOMPARE(frames, QStringList {});
    withoutPal.getFrameRates(frames, 1);
    QCOMPARE(frames, QStringList { "30" });
}

void tst_DeviceConfigReader::scenceNames_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QVector<QString>>("names");

    QTest::newRow("distinct names in order of first appearance")
        << ScenceTable << QVector<QString> { "Hospital", "Park" };
    QTest::newRow("short rows still name scenes")
        << ShortRowTable << QVector<QString> { "Hospital", "Park", "Lobby" };
    QTest::newRow("the header is skipped even when it looks like data") << QByteArray(
        "Hospital,H.264,720P,1,a.png\nPark,H.264,720P,1,b.png\n") << QVector<QString> { "Park" };
    QTest::newRow("an empty first line is the header")
        << QByteArray("\nPark,H.264,720P,1,b.png\n") << QVector<QString> { "Park" };
    QTest::newRow("header only") << ScenceHeader << QVector<QString> {};
}

void tst_DeviceConfigReader::scenceNames()
{
    QFETCH(QByteArray, table);
    QFETCH(QVector<QString>, names);

    writeFile("Scene.csv", table);
    const DeviceConfigReader reader;
    QVector<QString> read { "kept" };
    QVERIFY(reader.readScenceNames(read));
    QCOMPARE(read, QVector<QString> { "kept" } + names);
}

void tst_DeviceConfigReader::scenceResolutionsAndEncodings()
{
    writeFile("Scene.csv", ScenceTable);
    const DeviceConfigReader reader;

    QStringList resolutions;
    QVERIFY(reader.getScenceResolutions("Hospital", resolutions));
    QCOMPARE(resolutions, (QStringList { "720P", "1080P" }));
    resolutions.clear();
    QVERIFY(reader.getScenceResolutions("Nowhere", resolutions));
    QCOMPARE(resolutions, QStringList {});

    QStringList encodings;
    QVERIFY(reader.getScenceEncodings("Hospital", "720P", encodings));
    QCOMPARE(encodings, (QStringList { "H.265", "H.264" }));
    encodings.clear();
    QVERIFY(reader.getScenceEncodings("Park", "720P", encodings));
    QCOMPARE(encodings, (QStringList { "H.264", "H.265" }));
    encodings.clear();
    QVERIFY(reader.getScenceEncodings("Park", "1080P", encodings));
    QCOMPARE(encodings, QStringList {});
}

void tst_DeviceConfigReader::scenceRecommandRate_data()
{
    QTest::addColumn<QString>("scence");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("rate");

    QTest::newRow("first of two equal rows") << "Hospital"
                                             << "H.265"
                                             << "720P" << 1204;
    QTest::newRow("row after another scene's rows") << "Hospital"
                                                    << "H.264"
                                                    << "720P" << 1000;
    QTest::newRow("other scene") << "Park"
                                 << "H.265"
                                 << "720P" << 800;
    QTest::newRow("combination not listed") << "Hospital"
                                            << "H.265"
                                            << "1080P" << -1;
    QTest::newRow("unknown scene") << "Lobby"
                                   << "H.264"
                                   << "720P" << -1;
    QTest::newRow("case-sensitive") << "hospital"
                                    << "H.265"
                                    << "720P" << -1;
}

void tst_DeviceConfigReader::scenceRecommandRate()
{
    QFETCH(QString, scence);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(int, rate);

    writeFile("Scene.csv", ScenceTable);
    const DeviceConfigReader reader;
    QCOMPARE(reader.getScenceRecommandRate(scence, encoding, resolution), rate);
}

void tst_DeviceConfigReader::scencePicture_data()
{
    QTest::addColumn<QString>("scence");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("fileName"); // empty: no picture

    QTest::newRow("exact row") << "Hospital"
                               << "H.264"
                               << "1080P"
                               << "hospital2.png";
    QTest::newRow("first of two equal rows") << "Hospital"
                                             << "H.265"
                                             << "720P"
                                             << "hospital1.png";
    QTest::newRow("combination not listed gives the scene's last row") << "Hospital"
                                                                       << "H.265"
                                                                       << "4K"
                                                                       << "dup.png";
    QTest::newRow("other scene, not listed") << "Park"
                                             << "H.264"
                                             << "4K"
                                             << "park2.png";
    QTest::newRow("unknown scene") << "Lobby"
                                   << "H.264"
                                   << "720P"
                                   << "";
}

void tst_DeviceConfigReader::scencePicture()
{
    QFETCH(QString, scence);
    QFETCH(QString, encoding);
    QFETCH(QString, resolution);
    QFETCH(QString, fileName);

    writeFile("Scene.csv", ScenceTable);
    const DeviceConfigReader reader;
    QCOMPARE(reader.getScencePicture(scence, encoding, resolution),
        fileName.isEmpty() ? QString() : picture(fileName));
}

void tst_DeviceConfigReader::picturePathKeepsFileNameOnly_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("Windows path with drive") << "D:\\secne\\hospital1.png"
                                             << "hospital1.png";
    QTest::newRow("Unix path") << "/home/user/pics/lobby.png"
                               << "lobby.png";
    QTest::newRow("mixed separators, last one counts") << "C:/x\\y/z\\shop.png"
                                                       << "shop.png";
    QTest::newRow("bare file name") << "street.png"
                                    << "street.png";
    QTest::newRow("blanks kept") << "D:\\my pics\\car park.png"
                                 << "car park.png";
    QTest::newRow("drive without a folder") << "D:hospital3.png"
                                            << "hospital3.png";
}

void tst_DeviceConfigReader::picturePathKeepsFileNameOnly()
{
    QFETCH(QString, path);
    QFETCH(QString, fileName);

    writeFile("Scene.csv", ScenceHeader + "Hospital,H.264,720P,1000," + path.toUtf8() + "\n");
    const DeviceConfigReader reader;
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "720P"), picture(fileName));
}

void tst_DeviceConfigReader::shortRowsStopFieldQueries()
{
    writeFile("Scene.csv", ShortRowTable);
    const DeviceConfigReader reader;

    QStringList resolutions;
    QVERIFY(!reader.getScenceResolutions("Hospital", resolutions));
    QCOMPARE(resolutions, QStringList { "720P" }); // found before the short row
    QStringList encodings;
    QVERIFY(!reader.getScenceEncodings("Hospital", "1080P", encodings));
    QCOMPARE(encodings, QStringList {});

    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "720P"), 1000);
    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "1080P"), -1);
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "720P"), picture("a.png"));
    // The scene already matched before the short row, yet nothing is returned.
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "1080P"), QString());

    writeFile("Scene.csv", ScenceHeader + "Hospital,H.264\nPark\n");
    QVector<QString> names;
    QVERIFY(reader.readScenceNames(names));
    QCOMPARE(names, (QVector<QString> { "Hospital", "Park" }));
    resolutions.clear();
    QVERIFY(!reader.getScenceResolutions("Hospital", resolutions));
    QCOMPARE(resolutions, QStringList {});
    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "720P"), -1);
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "720P"), QString());
}

void tst_DeviceConfigReader::scenceTableIsReadAtEachQuery()
{
    writeFile("Scene.csv", ScenceTable);
    const DeviceConfigReader reader;
    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "1080P"), 2048);

    writeFile("Scene.csv", ScenceHeader + "Hospital,H.264,1080P,4000,new.png\n");
    QCOMPARE(reader.getScenceRecommandRate("Hospital", "H.264", "1080P"), 4000);
    QCOMPARE(reader.getScencePicture("Hospital", "H.264", "1080P"), picture("new.png"));
}

void tst_DeviceConfigReader::conversionWritesGb2312ConfigList()
{
    const QString chinese = QStringLiteral("\u9ad8\u6e05");
    writeFile("IPCBitrateConfig.xml", "<Old><Row/></Old>");
    writeFile("DVRBitrateConfig.xml", "<Old><Row/></Old>");
    // Read with the locale's codec, like every catalogue table.
    writeFile("in.csv",
        QTextCodec::codecForLocale()->fromUnicode(
            chinese + ",1024\n\nshort\n,77\n720P,abc\n1080P,2048,extra\n"));

    for (int table : { 1, 2 }) {
        const QString target = table == 1 ? "IPCBitrateConfig.xml" : "DVRBitrateConfig.xml";
        const QString other = table == 1 ? "DVRBitrateConfig.xml" : "IPCBitrateConfig.xml";
        writeFile(other, "<Old><Row/></Old>");
        DeviceConfigReader reader;
        QVERIFY(reader.convertCsvToXml(m_dir->filePath("in.csv"), table));
        QCOMPARE(readFile(other), QByteArray("<Old><Row/></Old>"));

        const QByteArray bytes = readFile(target);
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
        QVERIFY(bytes.contains(QTextCodec::codecForName("GB2312")->fromUnicode(chinese)));

        XmlElement written;
        QVERIFY(written.load(m_dir->filePath(target)));
        QCOMPARE(written.tagName(), QStringLiteral("ConfigList"));
        QCOMPARE(written.childElementCount(), 3); // the row without resolution is left out
        const QStringList expected[] = { { chinese, "1024" }, { "720P", "abc" }, { "1080P", "2048" } };
        for (int i = 0; i < 3; ++i) {
            const XmlElement item = written.childElement(i);
            QCOMPARE(item.tagName(), QStringLiteral("ConfigItem"));
            QCOMPARE(item.childElementCount(), 2);
            QCOMPARE(item.childElement(0).tagName(), QStringLiteral("Resolution"));
            QCOMPARE(item.childElement(0).text(), expected[i].at(0));
            QCOMPARE(item.childElement(1).tagName(), QStringLiteral("Bitrate"));
            QCOMPARE(item.childElement(1).text(), expected[i].at(1)); // copied, not converted
        }
    }
}

void tst_DeviceConfigReader::conversionFailures_data()
{
    QTest::addColumn<QByteArray>("csv"); // null: no file
    QTest::addColumn<bool>("targetExists");

    QTest::newRow("no CSV file") << QByteArray() << true;
    QTest::newRow("empty CSV file") << QByteArray("") << true;
    QTest::newRow("CSV without a two-field row") << QByteArray("1080P\n\nD1\n") << true;
    QTest::newRow("no target file") << QByteArray("1080P,2048\n") << false;
}

void tst_DeviceConfigReader::conversionFailures()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, targetExists);

    const QByteArray original = "<Old><Row/></Old>";
    writeFile("IPCBitrateConfig.xml", original);
    if (targetExists)
        writeFile("DVRBitrateConfig.xml", original);
    if (!csv.isNull())
        writeFile("in.csv", csv);

    DeviceConfigReader reader;
    QVERIFY(!reader.convertCsvToXml(m_dir->filePath("in.csv"), 2));
    QCOMPARE(QFile::exists(m_dir->filePath("DVRBitrateConfig.xml")), targetExists);
    if (targetExists)
        QCOMPARE(readFile("DVRBitrateConfig.xml"), original);
    QCOMPARE(readFile("IPCBitrateConfig.xml"), original);
}

QTEST_GUILESS_MAIN(tst_DeviceConfigReader)
#include "tst_deviceconfigreader.moc"
