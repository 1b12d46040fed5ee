#include "catalogue/deviceinfomanager.h"
#include "toolkit/targetpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <memory>

using MovraGUIToolkit::SetTargetPathOverride;

namespace {

// Shows which context a text was translated in.
class ContextTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char(':') + QString::fromLatin1(sourceText);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class tst_DeviceInfoManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void deviceTypeNamesAreTranslatedInOwnContext();
    void listsReadAtConstruction();
    void sceneQueriesGoToTheReader();
    void channelGroupNumbers_data();
    void channelGroupNumbers();

private:
    void writeFile(const QString &relativePath, const QByteArray &content);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_DeviceInfoManager::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SetTargetPathOverride(m_dir->path());
}

void tst_DeviceInfoManager::cleanup()
{
    SetTargetPathOverride(QString());
    m_dir.reset();
}

void tst_DeviceInfoManager::writeFile(const QString &relativePath, const QByteArray &content)
{
    const QString path = m_dir->filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

void tst_DeviceInfoManager::deviceTypeNamesAreTranslatedInOwnContext()
{
    QCOMPARE(DeviceInfoManager().getDeviceTypeNames(), (QStringList { "IPC", "DVR" }));

    ContextTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QStringList names = DeviceInfoManager().getDeviceTypeNames();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(names, (QStringList { "DeviceInfoManager:IPC", "DeviceInfoManager:DVR" }));
}

void tst_DeviceInfoManager::listsReadAtConstruction()
{
    writeFile("IPCBitrateConfig.xml", "<ConfigList/>");
    writeFile("DVRBitrateConfig.xml", "<ConfigList/>");
    writeFile("Frame.xml", "<F><PAL><i>25</i><i>1/2</i></PAL><NTSC><i>30</i></NTSC></F>");
    writeFile("IPCBitrate/H.264.csv", "CIF,1\n1080P,2\nCIF,3\n");
    writeFile("IPCBitrate/H.265.csv", "4K,1\n");
    writeFile("DVRBitrate/H.264.csv", "960H,1\n");
    writeFile(
        "Scene.csv", "header\nOffice,H.264,CIF,1,o.png\nLobby,H.264,CIF,1,l.png\nOffice,H.265,4K,1,o.png\n");

    DeviceInfoManager manager;
    QCOMPARE(manager.getResolutionNames(1), (QStringList { "CIF", "1080P", "CIF" }));
    QCOMPARE(manager.getResolutionNames(2), QStringList { "960H" });
    QCOMPARE(manager.getScenceNames(), (QVector<QString> { "Office", "Lobby" }));
    QCOMPARE(manager.getScenceName(0), QStringLiteral("Office"));
    QCOMPARE(manager.getScenceName(1), QStringLiteral("Lobby"));
    QCOMPARE(manager.getFrameRates(0), (QStringList { "25", "1/2" }));
    QCOMPARE(manager.getFrameRates(1), QStringList { "30" });

    // Kept from construction: a new scene appears only after a restart.
    writeFile("Scene.csv", "header\nStreet,H.264,CIF,1,s.png\n");
    writeFile("IPCBitrate/H.264.csv", "D1,1\n");
    QCOMPARE(manager.getScenceNames(), (QVector<QString> { "Office", "Lobby" }));
    QCOMPARE(manager.getResolutionNames(1), (QStringList { "CIF", "1080P", "CIF" }));
}

void tst_DeviceInfoManager::sceneQueriesGoToTheReader()
{
    writeFile("Scene.csv", "header\nOffice,H.264,CIF,96,D:\\pics\\office.png\n");
    DeviceInfoManager manager;
    QCOMPARE(manager.getScenceRecommandRate("Office", "H.264", "CIF"), 96);
    QCOMPARE(manager.getScencePicture("Office", "H.264", "CIF"), m_dir->path() + "/ScenePicture/office.png");

    // The scene table is read at every query.
    writeFile("Scene.csv", "header\nOffice,H.264,CIF,128,D:\\pics\\office2.png\n");
    QCOMPARE(manager.getScenceRecommandRate("Office", "H.264", "CIF"), 128);
    QCOMPARE(manager.getScencePicture("Office", "H.264", "CIF"), m_dir->path() + "/ScenePicture/office2.png");
    QCOMPARE(manager.getScenceRecommandRate("Office", "H.264", "D1"), -1);
}

void tst_DeviceInfoManager::channelGroupNumbers_data()
{
    // "a" allocates a number, "rN" releases N.
    QTest::addColumn<QString>("operations");
    QTest::addColumn<QList<int>>("allocated");

    QTest::newRow("numbers count up from 1") << "a a a" << QList<int> { 1, 2, 3 };
    QTest::newRow("1, 2, 3 in use, release 2: 2 is given out again")
        << "a a a r2 a" << QList<int> { 1, 2, 3, 2 };
    QTest::newRow("release 0 frees all: 1 is given out") << "a a a r0 a a" << QList<int> { 1, 2, 3, 1, 2 };
    QTest::newRow("after a reused number the next free one follows")
        << "a a a a r2 a a" << QList<int> { 1, 2, 3, 4, 2, 5 };
    QTest::newRow("two released numbers come back lowest first")
        << "a a a a r3 r2 a a a" << QList<int> { 1, 2, 3, 4, 2, 3, 5 };
    QTest::newRow("releasing an unused number skips numbers in use")
        << "a a a r1 r1 a a" << QList<int> { 1, 2, 3, 1, 4 };
    QTest::newRow("releasing the next number changes nothing") << "a a r3 a" << QList<int> { 1, 2, 3 };
    QTest::newRow("releasing a number never handed out") << "a a a r9 a" << QList<int> { 1, 2, 3, 4 };
    QTest::newRow("release 0 twice") << "a a r0 r0 a" << QList<int> { 1, 2, 1 };
}

void tst_DeviceInfoManager::channelGroupNumbers()
{
    QFETCH(QString, operations);
    QFETCH(QList<int>, allocated);

    DeviceInfoManager manager;
    QList<int> numbers;
    for (const QString &operation : operations.split(QLatin1Char(' '))) {
        if (operation == QLatin1String("a"))
            numbers.append(manager.allocateChannelGroupNumber());
        else
            manager.releaseChannelGroupNumber(operation.mid(1).toInt());
    }
    QCOMPARE(numbers, allocated);
}

QTEST_GUILESS_MAIN(tst_DeviceInfoManager)
#include "tst_deviceinfomanager.moc"
