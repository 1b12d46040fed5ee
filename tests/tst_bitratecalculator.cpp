#include "catalogue/bitratecalculator.h"
#include "catalogue/xmlelement.h"
#include "toolkit/targetpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

using MovraGUIToolkit::SetTargetPathOverride;

namespace {

enum class Match { Exact, Decimal, About };

// The same steps as the program, each one forced through memory as a double.
double referenceRecordHours(double bitrate, double capacity)
{
    volatile double perHour = bitrate * 3600.0;
    perHour = perHour / 8000000.0;
    perHour = perHour * 1.0030090270812437;
    perHour = perHour * 1.024;
    perHour = perHour + 0.0;
    volatile double hours = capacity / perHour;
    return hours;
}

double referenceDiskCapacity(double bitrate, int hours)
{
    volatile double kilobitsPerHour = bitrate * 3600.0;
    volatile double size = static_cast<double>(hours) * kilobitsPerHour;
    size = size * 1.0030090270812437;
    size = size / 8000000.0;
    size = size * 1.024;
    size = size + 0.0;
    return size;
}

} // namespace

Q_DECLARE_METATYPE(Match)

class tst_BitrateCalculator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void channelBitrate_data();
    void channelBitrate();
    void ipcIsFlatBelowOneFrame_data();
    void ipcIsFlatBelowOneFrame();
    void lookupMisses_data();
    void lookupMisses();
    void tablesAreReadAtEachCall();
    void constructionAppliesPendingDvrTable();

    void recordHours_data();
    void recordHours();
    void diskCapacity_data();
    void diskCapacity();
    void knownFigures();

private:
    void writeFile(const QString &relativePath, const QByteArray &content);
    QByteArray readFile(const QString &path) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousCurrentPath;
};

void tst_BitrateCalculator::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SetTargetPathOverride(m_dir->path());
    m_previousCurrentPath = QDir::currentPath();
    writeFile("IPCBitrate/H.264.csv", "D1,64\nR100,100\n");
    writeFile("DVRBitrate/H.264.csv", "R100,100\n");
}

void tst_BitrateCalculator::cleanup()
{
    QDir::setCurrent(m_previousCurrentPath);
    SetTargetPathOverride(QString());
    m_dir.reset();
}

void tst_BitrateCalculator::writeFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = m_dir->filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

QByteArray tst_BitrateCalculator::readFile(const QString &path) const
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void tst_BitrateCalculator::channelBitrate_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("frameRate");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Match>("match");
    QTest::addColumn<int>("truncated");

    // Table value 100 kbps at the reference 25 frames per second.
    const double slowest = 40 * std::pow(0.9, 9);
    struct Row
    {
        double f;
        double ipc;
        Match ipcMatch;
        int ipcTruncated;
        double dvr;
        Match dvrMatch;
        int dvrTruncated;
    } rows[] = {
        { 30, 120, Match::Exact, 120, 116, Match::Exact, 116 },
        { 25, 100, Match::Exact, 100, 100, Match::Exact, 100 },
        { 20, 80, Match::Exact, 80, 84, Match::Exact, 84 },
        { 12.5, 50, Match::Exact, 50, 60, Match::Exact, 60 },
        { 10, 40, Match::Exact, 40, 52, Match::Exact, 52 },
        { 8, 32.4, Match::Decimal, 32, 45.6, Match::Decimal, 45 },
        { 1, slowest, Match::About, 15, 23.2, Match::Decimal, 23 },
        { 0.5, slowest, Match::About, 15, 21.6, Match::Decimal, 21 },
        { 0.0625, slowest, Match::About, 15, 20.2, Match::Decimal, 20 },
    };
    for (const Row &row : rows) {
        QTest::addRow("IPC at %g fps", row.f) << 0 << row.f << row.ipc << row.ipcMatch << row.ipcTruncated;
        QTest::addRow("DVR at %g fps", row.f) << 1 << row.f << row.dvr << row.dvrMatch << row.dvrTruncated;
    }
    QTest::newRow("IPC at 60 fps") << 0 << 60.0 << 240.0 << Match::Exact << 240;
    QTest::newRow("DVR at 0 fps keeps a fifth") << 1 << 0.0 << 20.0 << Match::Exact << 20;
    QTest::newRow("kind 2 counts as IPC") << 2 << 30.0 << 120.0 << Match::Exact << 120;
    QTest::newRow("kind -1 counts as IPC") << -1 << 30.0 << 120.0 << Match::Exact << 120;
}

void tst_BitrateCalculator::channelBitrate()
{
    QFETCH(int, kind);
    QFETCH(double, frameRate);
    QFETCH(double, expected);
    QFETCH(Match, match);
    QFETCH(int, truncated);

    const BitrateCalculator calculator;
    const double bitrate = calculator.calculateChannelBitrate(kind, "R100", frameRate);
    const QByteArray shown = QByteArray::number(bitrate, 'g', 17);
    switch (match) {
    case Match::Exact:
        QVERIFY2(bitrate == expected, shown.constData());
        break;
    case Match::Decimal:
        // A decimal figure that a double only approximates.
        QVERIFY2(std::abs(bitrate - expected) < 1e-9, shown.constData());
        break;
    case Match::About:
        QVERIFY2(qFuzzyCompare(bitrate, expected), shown.constData());
        QVERIFY2(std::abs(bitrate - 15.50) < 0.005, shown.constData());
        break;
    }
    QCOMPARE(static_cast<int>(bitrate), truncated);
}

void tst_BitrateCalculator::ipcIsFlatBelowOneFrame_data()
{
    QTest::addColumn<double>("frameRate");
    QTest::newRow("0.5 fps") << 0.5;
    QTest::newRow("0.25 fps") << 0.25;
    QTest::newRow("0.125 fps") << 0.125;
    QTest::newRow("0.0625 fps") << 0.0625;
    QTest::newRow("0 fps") << 0.0;
}

void tst_BitrateCalculator::ipcIsFlatBelowOneFrame()
{
    QFETCH(double, frameRate);
    const BitrateCalculator calculator;
    QCOMPARE(QByteArray::number(calculator.calculateChannelBitrate(0, "R100", frameRate), 'g', 17),
        QByteArray::number(calculator.calculateChannelBitrate(0, "R100", 1.0), 'g', 17));
}

void tst_BitrateCalculator::lookupMisses_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<double>("bitrate");

    QTest::newRow("letter case differs") << "H.264" << 0 << "r100" << 0.0;
    QTest::newRow("surrounding blank") << "H.264" << 0 << " R100" << 0.0;
    QTest::newRow("trailing blank, DVR") << "H.264" << 1 << "R100 " << 0.0;
    QTest::newRow("resolution only in the IPC table") << "H.264" << 1 << "D1" << 0.0;
    QTest::newRow("encoding chosen, IPC") << "H.265" << 0 << "R100" << 60.0;
    QTest::newRow("encoding without DVR table") << "H.265" << 1 << "R100" << 0.0;
    QTest::newRow("unknown encoding") << "MPEG-4" << 0 << "R100" << 0.0;
}

void tst_BitrateCalculator::lookupMisses()
{
    QFETCH(QString, encoding);
    QFETCH(int, kind);
    QFETCH(QString, resolution);
    QFETCH(double, bitrate);

    writeFile("IPCBitrate/H.265.csv", "R100,50\n");
    BitrateCalculator calculator;
    calculator.setEncoding(encoding);
    QCOMPARE(calculator.calculateChannelBitrate(kind, resolution, 30), bitrate);
}

void tst_BitrateCalculator::tablesAreReadAtEachCall()
{
    const BitrateCalculator calculator;
    QCOMPARE(calculator.calculateChannelBitrate(0, "R100", 25), 100.0);
    writeFile("IPCBitrate/H.264.csv", "R100,300\n");
    QCOMPARE(calculator.calculateChannelBitrate(0, "R100", 25), 300.0);
    QFile::remove(m_dir->filePath("IPCBitrate/H.264.csv"));
    QCOMPARE(calculator.calculateChannelBitrate(0, "R100", 25), 0.0);
}

void tst_BitrateCalculator::constructionAppliesPendingDvrTable()
{
    // The update file's path is relative on this platform: it is looked up
    // under the working folder.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    QVERIFY(QDir::setCurrent(work.path()));
    const QByteArray original
        = "<ConfigList><ConfigItem><Resolution>OLD</Resolution></ConfigItem></ConfigList>";
    writeFile("DVRBitrateConfig.xml", original);
    writeFile("IPCBitrateConfig.xml", original);

    {
        BitrateCalculator withoutUpdate;
    }
    QCOMPARE(readFile(m_dir->filePath("DVRBitrateConfig.xml")), original);

    QVERIFY(QDir(work.path()).mkdir("C:"));
    QFile update(work.path() + "/C:/DVRBitrateConfig.csv");
    QVERIFY(update.open(QIODevice::WriteOnly));
    update.write("960H,1280\n");
    update.close();

    {
        BitrateCalculator withUpdate;
    }
    XmlElement written;
    QVERIFY(written.load(m_dir->filePath("DVRBitrateConfig.xml")));
    QCOMPARE(written.childElementCount(), 1);
    QCOMPARE(written.childElement(0).firstDescendant("Resolution").text(), QStringLiteral("960H"));
    QCOMPARE(written.childElement(0).firstDescendant("Bitrate").text(), QStringLiteral("1280"));
    QCOMPARE(readFile(m_dir->filePath("IPCBitrateConfig.xml")), original);
}

void tst_BitrateCalculator::recordHours_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<double>("capacity");

    // Most rows come out differently when the overhead is applied before the
    // division, so they pin the order of the steps.
    QTest::newRow("512 kbps, 4 TB") << 512.0 << 4000.0;
    QTest::newRow("512 kbps, 3 TB") << 512.0 << 3000.0;
    QTest::newRow("500 kbps, 123.45 GB") << 500.0 << 123.45;
    QTest::newRow("1234.5 kbps, 40 TB") << 1234.5 << 40000.0;
    QTest::newRow("45.6 kbps, 4 TB") << 45.6 << 4000.0;
    QTest::newRow("0.000001 kbps, 1 GB") << 1e-6 << 1.0;
    QTest::newRow("no capacity") << 512.0 << 0.0;
}

void tst_BitrateCalculator::recordHours()
{
    QFETCH(double, bitrate);
    QFETCH(double, capacity);
    const double hours = BitrateCalculator().calculateRecordHours(bitrate, capacity);
    QCOMPARE(QByteArray::number(hours, 'g', 17),
        QByteArray::number(referenceRecordHours(bitrate, capacity), 'g', 17));
}

void tst_BitrateCalculator::diskCapacity_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<int>("hours");

    QTest::newRow("512 kbps, a week") << 512.0 << 168;
    QTest::newRow("512 kbps, a month") << 512.0 << 720;
    QTest::newRow("500 kbps, 6 months") << 500.0 << 4320;
    QTest::newRow("501 kbps, 6 months") << 501.0 << 4320;
    QTest::newRow("512 kbps, 365 months") << 512.0 << 262800;
    QTest::newRow("1234.5 kbps, a week") << 1234.5 << 168;
    QTest::newRow("96 kbps, 6 months") << 96.0 << 4320;
    QTest::newRow("333.3 kbps, 6 months") << 333.3 << 4320;
    QTest::newRow("116 kbps, 365 months") << 116.0 << 262800;
    QTest::newRow("no bitrate") << 0.0 << 720;
    QTest::newRow("no hours") << 512.0 << 0;
}

void tst_BitrateCalculator::diskCapacity()
{
    QFETCH(double, bitrate);
    QFETCH(int, hours);
    const double size = BitrateCalculator().calculateDiskCapacity(bitrate, hours);
    QCOMPARE(QByteArray::number(size, 'g', 17),
        QByteArray::number(referenceDiskCapacity(bitrate, hours), 'g', 17));
}

void tst_BitrateCalculator::knownFigures()
{
    const BitrateCalculator calculator;
    const double days = calculator.calculateRecordHours(512, 4000) / 24;
    QVERIFY2(qRound64(days * 10) == 7043, QByteArray::number(days, 'g', 17).constData());

    // Needs in GB rounded to hundredths, and the two that only matter by range.
    const struct
    {
        double bitrate;
        int hours;
        qint64 hundredths;
        double low;
        double high;
    } needs[] = {
        { 512, 168, 3976, 0, 0 },
        { 512, 720, 17038, 0, 0 },
        { 500, 4320, 99832, 0, 0 },
        { 501, 4320, 0, 1000.0, 1001.0 },
        { 512, 262800, 0, 62000.0, 63000.0 },
    };
    for (const auto &need : needs) {
        const double size = calculator.calculateDiskCapacity(need.bitrate, need.hours);
        const QByteArray shown = QByteArray::number(size, 'g', 17);
        if (need.hundredths)
            QVERIFY2(qRound64(size * 100) == need.hundredths, shown.constData());
        else
            QVERIFY2(size > need.low && size < need.high, shown.constData());
    }
}

QTEST_GUILESS_MAIN(tst_BitrateCalculator)
#include "tst_bitratecalculator.moc"
