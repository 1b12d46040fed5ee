#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "toolkit/targetpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTranslator>
#include <QtTest>

// The language manager is built once per process, so every setup runs in a
// child process of this executable ("--probe <program folder>"), which
// reports what the manager installed.

namespace {

// The smallest catalogue QTranslator accepts: the .qm magic number alone.
const QByteArray kEmptyCatalogue = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");

int probe(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    MovraGUIToolkit::SetTargetPathOverride(QString::fromLocal8Bit(argv[2]));
    apt::ConfigureManager::instance()->load(MovraGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")));
    const apt::LanaguageManager *manager = apt::LanaguageManager::instance();

    QTextStream out(stdout);
    out << "language " << manager->language() << '\n';
    out << "locale " << manager->locale().name() << '\n';
    out << "default " << QLocale().name() << '\n';
    for (QTranslator *translator : manager->translators()) {
        // removeTranslator reports whether it was installed, empty or not.
        const bool installed = QCoreApplication::removeTranslator(translator);
        const QString file = translator->filePath().isEmpty() ? QStringLiteral("-")
                                                              : QDir::cleanPath(translator->filePath());
        out << "translator " << (installed ? 1 : 0) << ' ' << file << '\n';
    }
    return 0;
}

} // namespace

class tst_LanaguageManager : public QObject
{
    Q_OBJECT
private slots:
    void emptyCatalogueLoads();
    void installsPerLanguage_data();
    void installsPerLanguage();
};

void tst_LanaguageManager::emptyCatalogueLoads()
{
    // The fixture catalogues below rely on this.
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("x.qm")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kEmptyCatalogue);
    file.close();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral("x.qm"), dir.path()));
    QVERIFY(!translator.filePath().isEmpty());
}

void tst_LanaguageManager::installsPerLanguage_data()
{
    QTest::addColumn<QByteArray>("setup"); // null: no Setup.xml at all
    QTest::addColumn<bool>("withCatalogues");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("locale"); // empty: the default locale stays
    // Installation order; "-" for a translator whose file was not found.
    QTest::addColumn<QStringList>("files");

    const QStringList english { "orvane_en.qm", "orvane_en.qm" };
    const QStringList chinese { "orvane_zh.qm", "qt_zh_CN.qm", "MovraGUIToolkit_zh.qm" };
    auto setup = [](const char *translator) -> QByteArray {
        return QByteArray("<Setup><Translator><Value>") + translator + "</Value></Translator></Setup>";
    };

    QTest::newRow("0: English twice, en_US") << setup("0") << true << 0 << "en_US" << english;
    QTest::newRow("1: application, Qt, toolkit, zh_CN") << setup("1") << true << 1 << "zh_CN" << chinese;
    QTest::newRow("no setup file: English") << QByteArray() << true << 0 << "en_US" << english;
    QTest::newRow("letters zh: English") << setup("zh") << true << 0 << "en_US" << english;
    QTest::newRow("lower-case translator element: English")
        << QByteArray("<Setup><translator><Value>1</Value></translator></Setup>") << true << 0 << "en_US"
        << english;
    QTest::newRow("9: two empty translators, default locale")
        << setup("9") << true << 9 << "" << QStringList { "-", "-" };
    QTest::newRow("10: two empty translators, default locale")
        << setup("10") << true << 10 << "" << QStringList { "-", "-" };
    QTest::newRow("1 without catalogues: three empty translators")
        << setup("1") << false << 1 << "zh_CN" << QStringList { "-", "-", "-" };
    QTest::newRow("0 without catalogues: two empty translators")
        << setup("0") << false << 0 << "en_US" << QStringList { "-", "-" };
}

void tst_LanaguageManager::installsPerLanguage()
{
    QFETCH(QByteArray, setup);
    QFETCH(bool, withCatalogues);
    QFETCH(int, language);
    QFETCH(QString, locale);
    QFETCH(QStringList, files);

    QTemporaryDir program;
    QVERIFY(program.isValid());
    const QDir dir(program.path());
    if (!setup.isNull()) {
        QFile file(dir.filePath(QStringLiteral("Setup.xml")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(setup);
    }
    QVERIFY(dir.mkpath(QStringLiteral("translations")));
    if (withCatalogues) {
        for (const char *name : { "orvane_en.qm", "orvane_zh.qm", "qt_zh_CN.qm", "MovraGUIToolkit_zh.qm",
                 "MovraGUIToolkit_en.qm" }) {
            QFile file(dir.filePath(QStringLiteral("translations/") + QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kEmptyCatalogue);
        }
    }

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--probe"), dir.path() });
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QStringList lines
        = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    int reportedLanguage = -1;
    QString reportedLocale;
    QString defaultLocale;
    QStringList installedFiles;
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.value(0) == QLatin1String("language")) {
            reportedLanguage = parts.value(1).toInt();
        } else if (parts.value(0) == QLatin1String("locale")) {
            reportedLocale = parts.value(1);
        } else if (parts.value(0) == QLatin1String("default")) {
            defaultLocale = parts.value(1);
        } else if (parts.value(0) == QLatin1String("translator")) {
            QCOMPARE(parts.value(1), QStringLiteral("1")); // installed, even when empty
            installedFiles << parts.value(2);
        }
    }

    QCOMPARE(reportedLanguage, language);
    QVERIFY(!defaultLocale.isEmpty());
    QCOMPARE(reportedLocale, locale.isEmpty() ? defaultLocale : locale);
    QStringList expectedFiles;
    for (const QString &file : files)
        expectedFiles << (file == QLatin1String("-")
                ? file
                : QDir::cleanPath(dir.filePath(QStringLiteral("translations/") + file)));
    QCOMPARE(installedFiles, expectedFiles);
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--probe") == 0)
        return probe(argc, argv);
    QCoreApplication app(argc, argv);
    tst_LanaguageManager test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lanaguagemanager.moc"
