#include "ui/aboutdialog.h"

#include "app/configuremanager.h"
#include "tests/modaldialogs.h"
#include "virad/basedialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

class tst_AboutDialog : public QObject
{
    Q_OBJECT
public slots:
    // Stands in for the desktop's URL opener, so no viewer is started.
    void openUrl(const QUrl &url) { m_opened.append(url); }

private slots:
    void init();
    void cleanup();
    void texts();
    void manual_data();
    void manual();
    void missingManualShowsHint_data();
    void missingManualShowsHint();

private:
    void setLanguage(const QString &translator);

    QTemporaryDir m_dir;
    QString m_oldCurrent;
    QList<QUrl> m_opened;
};

namespace {

const char *const chineseManual = "Orvane用户使用手册.pdf";
const char *const englishManual = "User Manual of Kestrune Orvane_V4.0.0_20150916.pdf";

} // namespace

void tst_AboutDialog::init()
{
    QVERIFY(m_dir.isValid());
    m_oldCurrent = QDir::currentPath();
    // The manual is looked for in the process's current folder.
    QVERIFY(QDir::setCurrent(m_dir.path()));
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::remove(m_dir.filePath(name));
    m_opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
}

void tst_AboutDialog::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    apt::ConfigureManager::instance()->clear();
    QDir::setCurrent(m_oldCurrent);
}

void tst_AboutDialog::setLanguage(const QString &translator)
{
    const QString setup = m_dir.filePath(QStringLiteral("setup/Setup.xml"));
    QDir().mkpath(QFileInfo(setup).path());
    QFile file(setup);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("<Setup><Translator><Value>" + translator.toUtf8() + "</Value></Translator></Setup>");
    file.close();
    QVERIFY(apt::ConfigureManager::instance()->load(setup));
}

void tst_AboutDialog::texts()
{
    AboutDialog about(nullptr);
    QWidget *panel = about.defaultWidget();
    QCOMPARE(
        panel->findChild<QLabel *>(QStringLiteral("m_labNameValue"))->text(), QStringLiteral("Name: Orvane"));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("m_labVersionValue"))->text(),
        QStringLiteral("Version: v3.0.0.1build") + QString::number(virad::CDlgAbout::buildNumber()));
    QCOMPARE(
        panel->findChild<QPushButton *>(QStringLiteral("aboutbtn1"))->text(), QStringLiteral("User Help"));
    QCOMPARE(panel->findChild<QPushButton *>(QStringLiteral("aboutbtn2"))->text(),
        QStringLiteral("Update Scence"));
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
    QVERIFY(!panel->findChild<QPushButton *>(QStringLiteral("m_conerBtn"))->isVisible());
}

void tst_AboutDialog::manual_data()
{
    QTest::addColumn<QString>("translator");
    QTest::addColumn<QString>("manual");

    QTest::newRow("English") << "0" << QString::fromLatin1(englishManual);
    QTest::newRow("Chinese") << "1" << QString::fromUtf8(chineseManual);
    QTest::newRow("no Translator key reads as English") << QString() << QString::fromLatin1(englishManual);
    QTest::newRow("other language opens the folder itself") << "9" << QString();
}

void tst_AboutDialog::manual()
{
    QFETCH(QString, translator);
    QFETCH(QString, manual);

    if (!translator.isNull())
        setLanguage(translator);
    for (const char *name : { chineseManual, englishManual }) {
        QFile file(m_dir.filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    AboutDialog about(nullptr);
    QSignalSpy cover(&about, &AboutDialog::signalCover);
    QVERIFY(about.onGetHelp());
    QCOMPARE(cover.count(), 0);
    QCOMPARE(m_opened.size(), 1);
    const QString expected = manual.isEmpty() ? m_dir.path() : m_dir.filePath(manual);
    QCOMPARE(m_opened.constFirst(), QUrl::fromLocalFile(expected));
    QCOMPARE(m_opened.constFirst().toLocalFile(), expected);
    if (!manual.isEmpty()) {
        // Blanks and Chinese characters travel percent-encoded.
        const QByteArray encoded = m_opened.constFirst().toEncoded();
        QVERIFY2(!encoded.contains(' '), encoded.constData());
        QVERIFY2(encoded.startsWith("file:///"), encoded.constData());
    }
}

void tst_AboutDialog::missingManualShowsHint_data()
{
    QTest::addColumn<QString>("translator");
    QTest::addColumn<bool>("byButton");

    QTest::newRow("English, called directly") << "0" << false;
    QTest::newRow("Chinese, called directly") << "1" << false;
    QTest::newRow("English, from User Help") << "0" << true;
}

void tst_AboutDialog::missingManualShowsHint()
{
    QFETCH(QString, translator);
    QFETCH(bool, byButton);

    setLanguage(translator);
    // Only the other language's manual is there.
    QFile other(
        m_dir.filePath(QString::fromUtf8(translator == QLatin1String("1") ? englishManual : chineseManual)));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();

    AboutDialog about(nullptr);
    QStringList order;
    connect(&about, &AboutDialog::signalCover, this, [&order] { order << QStringLiteral("cover"); });
    connect(&about, &AboutDialog::signalDiscover, this, [&order] { order << QStringLiteral("discover"); });

    struct Seen
    {
        bool shown = false;
        QString objectName, title, text;
        QSize minimum, maximum;
        QStringList orderWhileShown;
    } seen;
    onModal<virad::BaseDialog>([&seen, &order](virad::BaseDialog *hint) {
        seen.shown = true;
        seen.objectName = hint->objectName();
        seen.title = hint->windowTitle();
        if (auto *label = hint->findChild<QLabel *>(QStringLiteral("m_labelNULL")))
            seen.text = label->text();
        seen.minimum = hint->minimumSize();
        seen.maximum = hint->maximumSize();
        seen.orderWhileShown = order;
        hint->reject();
    });

    if (byButton)
        about.defaultWidget()->findChild<QPushButton *>(QStringLiteral("aboutbtn1"))->click();
    else
        QVERIFY(!about.onGetHelp());

    QVERIFY(seen.shown);
    QCOMPARE(seen.objectName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(seen.title, QStringLiteral("Hint"));
    QCOMPARE(seen.text, QStringLiteral("No user manual found."));
    QCOMPARE(seen.minimum, QSize(350, 220));
    QCOMPARE(seen.maximum, QSize(350, 220));
    QCOMPARE(seen.orderWhileShown, QStringList { QStringLiteral("cover") });
    QCOMPARE(order, (QStringList { QStringLiteral("cover"), QStringLiteral("discover") }));
    // The desktop's opener is never asked for a file that is not there.
    QVERIFY(m_opened.isEmpty());
}

QTEST_MAIN(tst_AboutDialog)
#include "tst_aboutdialog.moc"
