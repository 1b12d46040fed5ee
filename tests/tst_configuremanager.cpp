#include "app/configure.h"
#include "app/configuremanager.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using apt::ConfigureManager;

// A setup file from (element name, value) pairs; a null value writes the
// element without a "Value" child.
static QByteArray setupXml(const QList<QPair<QString, QString>> &settings)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Setup>\n";
    for (const auto &setting : settings) {
        const QByteArray name = setting.first.toUtf8();
        if (setting.second.isNull())
            xml += "  <" + name + "/>\n";
        else
            xml += "  <" + name + "><Value>" + setting.second.toUtf8() + "</Value></" + name + ">\n";
    }
    return xml + "</Setup>\n";
}

class tst_ConfigureManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void readsSettings_data();
    void readsSettings();
    void unreadableFileLeavesStoreEmpty_data();
    void unreadableFileLeavesStoreEmpty();
    void keyNames_data();
    void keyNames();

private:
    QString writeSetup(const QByteArray &content);
    QTemporaryDir m_dir;
};

QString tst_ConfigureManager::writeSetup(const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("Setup.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content);
    return path;
}

void tst_ConfigureManager::cleanup()
{
    ConfigureManager::instance()->clear();
}

void tst_ConfigureManager::readsSettings_data()
{
    using Settings = QList<QPair<QString, QString>>;
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<uint>("translator");
    QTest::addColumn<QString>("skin"); // null: no "Skin" record
    QTest::addColumn<QString>("logLevel");

    QTest::newRow("shipped setup, English") << setupXml({ { "Translator", "0" }, { "Languages", "en;zh" },
        { "LogLevel", "Warning" }, { "Skin", "CommonSkin" } })
                                            << 0u << "CommonSkin"
                                            << "Warning";
    QTest::newRow("Chinese") << setupXml({ { "Skin", "Dark" }, { "Translator", "1" } }) << 1u << "Dark"
                             << QString();
    QTest::newRow("font-only language 10")
        << setupXml({ { "Translator", "10" } }) << 10u << QString() << QString();
    QTest::newRow("letters zh read as English")
        << setupXml({ { "Translator", "zh" } }) << 0u << QString() << QString();
    QTest::newRow("negative number reads as English")
        << setupXml({ { "Translator", "-1" } }) << 0u << QString() << QString();
    QTest::newRow("first of two Skin elements counts")
        << setupXml({ { "Skin", "First" }, { "Translator", "1" }, { "Skin", "Second" } }) << 1u << "First"
        << QString();
    QTest::newRow("first of two Translator elements counts")
        << setupXml({ { "Translator", "1" }, { "Translator", "0" } }) << 1u << QString() << QString();
    QTest::newRow("keys are case-sensitive")
        << setupXml({ { "translator", "1" }, { "skin", "Dark" }, { "LOGLEVEL", "Debug" } }) << 0u << QString()
        << QString();
    QTest::newRow("unknown elements are kept but never found")
        << setupXml({ { "Colour", "Blue" }, { "Skin", "CommonSkin" } }) << 0u << "CommonSkin" << QString();
    QTest::newRow("Skin without Value reads as empty text")
        << setupXml({ { "Skin", QString() } }) << 0u << "" << QString();
    QTest::newRow("no settings at all") << setupXml(Settings()) << 0u << QString() << QString();
}

void tst_ConfigureManager::readsSettings()
{
    QFETCH(QByteArray, xml);
    QFETCH(uint, translator);
    QFETCH(QString, skin);
    QFETCH(QString, logLevel);

    ConfigureManager *manager = ConfigureManager::instance();
    QVERIFY(manager->load(writeSetup(xml)));
    QCOMPARE(manager->translator(), translator);

    const apt::Configure *skinRecord = manager->find(ConfigureManager::Skin);
    QCOMPARE(skinRecord != nullptr, !skin.isNull());
    if (skinRecord) {
        QCOMPARE(skinRecord->strName, QStringLiteral("Skin"));
        QCOMPARE(skinRecord->strValue, skin);
    }
    const apt::Configure *logRecord = manager->find(ConfigureManager::LogLevel);
    QCOMPARE(logRecord ? logRecord->strValue : QString(), logLevel);
}

void tst_ConfigureManager::unreadableFileLeavesStoreEmpty_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not XML") << QByteArray("Translator=1\nSkin=Dark\n");
    QTest::newRow("unclosed element") << QByteArray("<Setup><Translator><Value>1</Value>");
    QTest::newRow("empty file") << QByteArray("");
}

void tst_ConfigureManager::unreadableFileLeavesStoreEmpty()
{
    QFETCH(QByteArray, content);
    ConfigureManager *manager = ConfigureManager::instance();
    // A previous good load must not survive a failed one.
    QVERIFY(manager->load(writeSetup(setupXml({ { "Translator", "1" }, { "Skin", "Dark" } }))));

    QString path = m_dir.filePath(QStringLiteral("absent/Setup.xml"));
    if (!content.isNull())
        path = writeSetup(content);
    QVERIFY(!manager->load(path));
    QCOMPARE(manager->translator(), 0u);
    QVERIFY(!manager->find(ConfigureManager::Skin));
    QVERIFY(!manager->find(ConfigureManager::Translator));
}

void tst_ConfigureManager::keyNames_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Translator";
    QTest::newRow("1") << 1 << "Languages";
    QTest::newRow("2") << 2 << "LogLevel";
    QTest::newRow("3") << 3 << "VersionType";
    QTest::newRow("4") << 4 << "PingThread";
    QTest::newRow("5") << 5 << "TaskThread";
    QTest::newRow("6") << 6 << "LogSaveDay";
    QTest::newRow("7") << 7 << "Skin";
    QTest::newRow("8 has no name") << 8 << "";
    QTest::newRow("-1 has no name") << -1 << "";
}

void tst_ConfigureManager::keyNames()
{
    QFETCH(int, key);
    QFETCH(QString, name);
    const auto configureKey = static_cast<ConfigureManager::ConfigureKey>(key);
    QCOMPARE(ConfigureManager::keyName(configureKey), name);

    // Against a store that holds every key: each finds its own record, a key
    // without a name finds none.
    QVERIFY(ConfigureManager::instance()->load(writeSetup(
        setupXml({ { "Translator", "1" }, { "Languages", "en" }, { "LogLevel", "x" }, { "VersionType", "x" },
            { "PingThread", "x" }, { "TaskThread", "x" }, { "LogSaveDay", "x" }, { "Skin", "x" } }))));
    const apt::Configure *record = ConfigureManager::instance()->find(configureKey);
    QCOMPARE(record ? record->strName : QString(), name.isEmpty() ? QString() : name);
}

QTEST_GUILESS_MAIN(tst_ConfigureManager)
#include "tst_configuremanager.moc"
