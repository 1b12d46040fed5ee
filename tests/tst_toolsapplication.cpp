#include "app/configuremanager.h"
#include "app/startgeometry.h"
#include "app/toolsapplication.h"
#include "toolkit/cfile.h"
#include "toolkit/guienvironment.h"
#include "toolkit/iskinplugin.h"
#include "toolkit/targetpath.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

#include <memory>
#include <stdexcept>

// One application object per process: main() builds the apt::ToolsApplication
// these tests run in. Steps that depend on the language number, which is
// fixed once per process, run in a child ("--language <program folder>").

namespace {

apt::ToolsApplication *toolsApp()
{
    return static_cast<apt::ToolsApplication *>(QCoreApplication::instance());
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray setupWith(const QByteArray &elements)
{
    return "<Setup>" + elements + "</Setup>";
}

// The staged skin plug-in, or empty when it has not been built.
QString stagedSkinPlugin()
{
    const QDir dir(QStringLiteral(ORVANE_STAGE_DIR "/plugins/skins"));
    for (const QString &file : dir.entryList(QDir::Files)) {
        if (QLibrary::isLibrary(file))
            return dir.filePath(file);
    }
    return QString();
}

int languageProbe(int argc, char *argv[])
{
    apt::ToolsApplication app(
        QStringLiteral("tst_toolsapplication_child%1").arg(QCoreApplication::applicationPid()), argc, argv);
    MovraGUIToolkit::SetTargetPathOverride(QString::fromLocal8Bit(argv[2]));
    app.loadConfigure();
    app.loadFont();
    app.initLanguage();
    const QFont font = QApplication::font();
    std::printf("%s|%d|%s\n", qPrintable(font.family()), font.pointSize(),
        qPrintable(MovraGUIToolkit::GuiLocale().name()));
    return 0;
}

class ThrowingObject : public QObject
{
public:
    int delivered = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("handler failed");
        if (e->type() == QEvent::User + 1) {
            ++delivered;
            return true;
        }
        return QObject::event(e);
    }
};

// Sees what reaches a widget through normal delivery.
class ToolTipSpy : public QObject
{
public:
    int toolTips = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++toolTips;
        return false;
    }
};

class FontWatcher : public QWidget
{
public:
    int fontEvents = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::ApplicationFontChange || e->type() == QEvent::FontChange)
            ++fontEvents;
        return QWidget::event(e);
    }
};

} // namespace

class tst_ToolsApplication : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void startGeometry_data();
    void startGeometry();
    void screensLargeEnough_data();
    void screensLargeEnough();

    void toolTipShowsFullText_data();
    void toolTipShowsFullText();
    void applicationFontChangeReachesNobody();
    void throwingHandlerCountsAsNotHandled();

    void applicationFont();
    void languageFontAndLocale_data();
    void languageFontAndLocale();

    void loadSkinLogs_data();
    void loadSkinLogs();
    void loadSkinPlugin_data();
    void loadSkinPlugin();
    void styleSheetLeavesOutMacSheet();
    void commonStyleFromPluginFolder();

    void resolutionQuestion_data();
    void resolutionQuestion();
};

void tst_ToolsApplication::cleanup()
{
    MovraGUIToolkit::SetTargetPathOverride(QString());
    apt::ConfigureManager::instance()->clear();
}

void tst_ToolsApplication::startGeometry_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("atOrigin");
    QTest::newRow("1920 x 1040: width scaled, truncated") << QSize(1920, 1040) << QSize(1417, 768) << false;
    QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QSize(960, 768) << false;
    QTest::newRow("exactly 768 high") << QSize(1024, 768) << QSize(1024, 768) << false;
    QTest::newRow("2560 x 1400") << QSize(2560, 1400) << QSize(1404, 768) << false;
    QTest::newRow("1366 x 728: whole area at 0, 0") << QSize(1366, 728) << QSize(1366, 728) << true;
    QTest::newRow("767 high: whole area at 0, 0") << QSize(1024, 767) << QSize(1024, 767) << true;
}

void tst_ToolsApplication::startGeometry()
{
    QFETCH(QSize, available);
    QFETCH(QSize, size);
    QFETCH(bool, atOrigin);
    const apt::StartGeometry start = apt::startGeometry(available);
    QCOMPARE(start.size, size);
    QCOMPARE(start.atOrigin, atOrigin);
}

void tst_ToolsApplication::screensLargeEnough_data()
{
    QTest::addColumn<QVector<QRect>>("screens");
    QTest::addColumn<bool>("largeEnough");
    QTest::newRow("1024 x 768") << QVector<QRect> { QRect(0, 0, 1024, 768) } << true;
    QTest::newRow("1024 x 767") << QVector<QRect> { QRect(0, 0, 1024, 767) } << false;
    QTest::newRow("1023 x 768") << QVector<QRect> { QRect(0, 0, 1023, 768) } << false;
    QTest::newRow("1920 x 1080") << QVector<QRect> { QRect(0, 0, 1920, 1080) } << true;
    QTest::newRow("two 800 x 600 side by side: wide, not high")
        << QVector<QRect> { QRect(0, 0, 800, 600), QRect(800, 0, 800, 600) } << false;
    QTest::newRow("two 800 x 600 stacked: high, not wide")
        << QVector<QRect> { QRect(0, 0, 800, 600), QRect(0, 600, 800, 600) } << false;
    QTest::newRow("height from one screen, width from another")
        << QVector<QRect> { QRect(0, 0, 800, 900), QRect(800, 0, 300, 200) } << true;
    QTest::newRow("small screen whose offset reaches both edges")
        << QVector<QRect> { QRect(0, 0, 640, 480), QRect(640, 480, 400, 300) } << true;
    QTest::newRow("no screen") << QVector<QRect>() << false;
}

void tst_ToolsApplication::screensLargeEnough()
{
    QFETCH(QVector<QRect>, screens);
    QFETCH(bool, largeEnough);
    QCOMPARE(apt::screensLargeEnough(screens), largeEnough);
}

void tst_ToolsApplication::toolTipShowsFullText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("toolTip"); // null: never set
    QTest::addColumn<bool>("reachesWidget");
    QTest::addColumn<QString>("shown"); // null: no tool tip at all

    QTest::newRow("push button with tool tip shows its text") << "button"
                                                              << "Adds the group" << false << "Add device";
    QTest::newRow("label with tool tip shows its text")
        << "label"
        << "Channel count" << false << "Channels of the group";
    QTest::newRow("combo box with tool tip shows current text") << "combo"
                                                                << "Pick one" << false << "H.265 Smart";
    QTest::newRow("line edit keeps its tool tip") << "lineedit"
                                                  << "Up to 32 characters" << true << "Up to 32 characters";
    QTest::newRow("button without text keeps its tool tip") << "emptybutton"
                                                            << "Delete" << true << "Delete";
    QTest::newRow("push button without tool tip: nothing") << "button" << QString() << true << QString();
    QTest::newRow("plain widget with tool tip: normal delivery") << "widget"
                                                                 << "Panel" << true << "Panel";
}

void tst_ToolsApplication::toolTipShowsFullText()
{
    QFETCH(QString, kind);
    QFETCH(QString, toolTip);
    QFETCH(bool, reachesWidget);
    QFETCH(QString, shown);

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    QWidget window;
    window.resize(300, 100);
    QWidget *widget = nullptr;
    if (kind == QLatin1String("button")) {
        widget = new QPushButton(QStringLiteral("Add device"), &window);
    } else if (kind == QLatin1String("emptybutton")) {
        widget = new QPushButton(&window);
    } else if (kind == QLatin1String("label")) {
        widget = new QLabel(QStringLiteral("Channels of the group"), &window);
    } else if (kind == QLatin1String("combo")) {
        auto *combo = new QComboBox(&window);
        combo->addItems({ QStringLiteral("H.264"), QStringLiteral("H.265 Smart") });
        combo->setCurrentIndex(1);
        widget = combo;
    } else if (kind == QLatin1String("lineedit")) {
        widget = new QLineEdit(QStringLiteral("Entrance"), &window);
    } else {
        widget = new QWidget(&window);
    }
    widget->setGeometry(10, 10, 200, 30);
    if (!toolTip.isNull())
        widget->setToolTip(toolTip);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    ToolTipSpy spy;
    widget->installEventFilter(&spy);
    const QPoint local(5, 5);
    QHelpEvent help(QEvent::ToolTip, local, widget->mapToGlobal(local));
    QCoreApplication::sendEvent(widget, &help);

    QCOMPARE(spy.toolTips, reachesWidget ? 1 : 0);
    QCOMPARE(QToolTip::isVisible(), !shown.isNull());
    if (!shown.isNull())
        QCOMPARE(QToolTip::text(), shown);
}

void tst_ToolsApplication::applicationFontChangeReachesNobody()
{
    FontWatcher widget;
    widget.show();
    const QFont before = widget.font();
    const QFont previous = QApplication::font();

    QFont changed(QStringLiteral("Serif"));
    changed.setPointSize(31);
    QApplication::setFont(changed);
    QCoreApplication::processEvents();

    QCOMPARE(widget.fontEvents, 0);
    QCOMPARE(widget.font(), before);
    QApplication::setFont(previous);
}

void tst_ToolsApplication::throwingHandlerCountsAsNotHandled()
{
    ThrowingObject object;
    QEvent failing(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&object, &failing));
    // Delivery goes on normally afterwards.
    QEvent next(static_cast<QEvent::Type>(QEvent::User + 1));
    QVERIFY(QCoreApplication::sendEvent(&object, &next));
    QCOMPARE(object.delivered, 1);
}

void tst_ToolsApplication::applicationFont()
{
    const QFont previous = QApplication::font();
    toolsApp()->loadFont();
    const QFont font = QApplication::font();
    QCOMPARE(font.family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(font.pointSize(), 9);
    QCOMPARE(font.styleHint(), QFont::SansSerif);
    QCOMPARE(font.styleStrategy(), QFont::PreferAntialias);
    QApplication::setFont(previous);
}

void tst_ToolsApplication::languageFontAndLocale_data()
{
    QTest::addColumn<QByteArray>("translator"); // null: no setup file
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("locale"); // empty: the default locale

    QTest::newRow("no setup file: English") << QByteArray() << "Microsoft YaHei"
                                            << "en_US";
    QTest::newRow("0 keeps Microsoft YaHei") << QByteArray("0") << "Microsoft YaHei"
                                             << "en_US";
    QTest::newRow("1 keeps Microsoft YaHei, Chinese locale") << QByteArray("1") << "Microsoft YaHei"
                                                             << "zh_CN";
    QTest::newRow("9 gives Batang") << QByteArray("9") << "Batang"
                                    << "";
    QTest::newRow("10 gives Tahoma") << QByteArray("10") << "Tahoma"
                                     << "";
    QTest::newRow("5 has no font") << QByteArray("5") << "Microsoft YaHei"
                                   << "";
}

void tst_ToolsApplication::languageFontAndLocale()
{
    QFETCH(QByteArray, translator);
    QFETCH(QString, family);
    QFETCH(QString, locale);

    QTemporaryDir program;
    if (!translator.isNull()) {
        QVERIFY(writeFile(program.filePath(QStringLiteral("Setup.xml")),
            setupWith("<Translator><Value>" + translator + "</Value></Translator>")));
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--language"), program.path() });
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    const QStringList fields = QString::fromUtf8(child.readAllStandardOutput()).trimmed().split('|');
    QCOMPARE(fields.size(), 3);
    QCOMPARE(fields.at(0), family);
    QCOMPARE(fields.at(1), QStringLiteral("9"));
    QCOMPARE(fields.at(2), locale.isEmpty() ? QLocale().name() : locale);
}

void tst_ToolsApplication::loadSkinLogs_data()
{
    QTest::addColumn<QByteArray>("skinElements");
    QTest::addColumn<bool>("withPlugin");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("no Skin key, no plug-ins")
        << QByteArray() << false << QByteArray("[Tool]LoadSkin = CommonSkin failed");
    QTest::newRow("Dark, no plug-ins") << QByteArray("<Skin><Value>Dark</Value></Skin>") << false
                                       << QByteArray("[Tool]LoadSkin = Dark failed");
    QTest::newRow("no Skin key, plug-in present")
        << QByteArray() << true << QByteArray("[Tool]LoadSkin = CommonSkin Success");
    QTest::newRow("Dark with a CommonSkin plug-in") << QByteArray("<Skin><Value>Dark</Value></Skin>") << true
                                                    << QByteArray("[Tool]LoadSkin = Dark failed");
    QTest::newRow("first of two Skin values")
        << QByteArray("<Skin><Value>CommonSkin</Value></Skin><Skin><Value>Dark</Value></Skin>") << true
        << QByteArray("[Tool]LoadSkin = CommonSkin Success");
}

void tst_ToolsApplication::loadSkinLogs()
{
    QFETCH(QByteArray, skinElements);
    QFETCH(bool, withPlugin);
    QFETCH(QByteArray, expected);

    QTemporaryDir program;
    const QDir dir(program.path());
    QVERIFY(writeFile(dir.filePath(QStringLiteral("Setup.xml")), setupWith(skinElements)));
    if (withPlugin) {
        const QString plugin = stagedSkinPlugin();
        if (plugin.isEmpty())
            QSKIP("The skin plug-in has not been built.");
        QVERIFY(dir.mkpath(QStringLiteral("plugins/skins")));
        QVERIFY(QFile::copy(
            plugin, dir.filePath(QStringLiteral("plugins/skins/") + QFileInfo(plugin).fileName())));
    }
    MovraGUIToolkit::SetTargetPathOverride(program.path());
    toolsApp()->loadConfigure();

    QTest::ignoreMessage(QtWarningMsg, expected.constData());
    toolsApp()->loadSkin();
}

void tst_ToolsApplication::loadSkinPlugin_data()
{
    QTest::addColumn<QString>("skinName");
    QTest::addColumn<bool>("withPlugin");
    QTest::addColumn<bool>("found");

    QTest::newRow("text file skipped, plug-in found") << "CommonSkin" << true << true;
    QTest::newRow("name the plug-in does not list") << "Dark" << true << false;
    QTest::newRow("lower case does not match") << "commonskin" << true << false;
    QTest::newRow("null name") << QString() << true << false;
    QTest::newRow("text file only") << "CommonSkin" << false << false;
}

void tst_ToolsApplication::loadSkinPlugin()
{
    QFETCH(QString, skinName);
    QFETCH(bool, withPlugin);
    QFETCH(bool, found);

    const QString plugin = stagedSkinPlugin();
    if (plugin.isEmpty())
        QSKIP("The skin plug-in has not been built.");

    QTemporaryDir folder;
    const QDir dir(folder.path());
    // Sorted first in most listings, so the loader meets it before the plug-in.
    QVERIFY(writeFile(dir.filePath(QStringLiteral("a_readme.txt")), "not a library\n"));
    if (withPlugin)
        QVERIFY(QFile::copy(plugin, dir.filePath(QFileInfo(plugin).fileName())));

    ISkinPlugin *skin = apt::ToolsApplication::loadSkinPlugin(skinName, folder.path() + QLatin1Char('/'));
    QCOMPARE(skin != nullptr, found);
    if (skin)
        QVERIFY(skin->skinNames().contains(skinName));
}

// The application style as set, not the style-sheet proxy over it.
static QString baseStyleName()
{
    const QString sheet = qApp->styleSheet();
    qApp->setStyleSheet(QString());
    const QString name = QApplication::style()->objectName();
    qApp->setStyleSheet(sheet);
    return name;
}

void tst_ToolsApplication::styleSheetLeavesOutMacSheet()
{
    const QString folder = QStringLiteral(":/Pellion/Qss/Qss/MovraGUIToolkit/");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    QVERIFY(files.contains(QStringLiteral("MacSpecial.qss")));

    const QString styleBefore = baseStyleName();
    // Without the plug-in folder in the library paths there is no CommonStyle.
    QTest::ignoreMessage(QtDebugMsg, "[ToolsApplication::loadStyle]The CommonStyle does not exist.");
    toolsApp()->loadStyle();
    QCOMPARE(baseStyleName(), styleBefore);

    const QString sheet = qApp->styleSheet();
    for (const QString &file : files) {
        const QString text = MovraGUIToolkit::CFile::ReadAll(folder + file).trimmed();
        QVERIFY2(!text.isEmpty(), qPrintable(file));
        if (file == QLatin1String("MacSpecial.qss"))
            QVERIFY2(!sheet.contains(text), "MacSpecial.qss is part of the style sheet");
        else
            QVERIFY2(sheet.contains(text), qPrintable(file + " is missing"));
    }
    const QString program
        = MovraGUIToolkit::CFile::ReadAll(QStringLiteral(":/Pellion/Qss/Qss/Orvane/Orvane.qss"));
    if (!program.isEmpty())
        QVERIFY(sheet.endsWith(program));
}

void tst_ToolsApplication::commonStyleFromPluginFolder()
{
    const QDir styles(QStringLiteral(ORVANE_STAGE_DIR "/plugins/styles"));
    if (styles.entryList(QDir::Files).isEmpty())
        QSKIP("The style plug-in has not been built.");
    QCoreApplication::addLibraryPath(QStringLiteral(ORVANE_STAGE_DIR "/plugins"));
    toolsApp()->loadStyle();
    QCOMPARE(baseStyleName().toLower(), QStringLiteral("commonstyle"));
}

void tst_ToolsApplication::resolutionQuestion_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("starts");
    QTest::newRow("Confirm starts") << "btnConfirm" << true;
    QTest::newRow("Cancel refuses") << "btnCancel" << false;
    QTest::newRow("close button refuses") << "btnClose" << false;
}

void tst_ToolsApplication::resolutionQuestion()
{
    QFETCH(QString, answer);
    QFETCH(bool, starts);
    if (toolsApp()->checkResolution())
        QSKIP("The test screen is not smaller than 1024 x 768.");

    QTemporaryDir program; // no setup file, no plug-ins
    MovraGUIToolkit::SetTargetPathOverride(program.path());

    QString dialogName;
    QString title;
    QString text;
    QSize size;
    bool bottomShown = false;
    bool answered = false;
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        dialogName = dialog->objectName();
        title = dialog->windowTitle();
        size = dialog->size();
        if (auto *label = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL")))
            text = label->text();
        if (auto *bottom = dialog->findChild<QWidget *>(QStringLiteral("m_BaseDialogBottom")))
            bottomShown = bottom->isVisible();
        if (auto *button = dialog->findChild<QAbstractButton *>(answer)) {
            button->click();
            answered = true;
        }
        if (!answered)
            dialog->reject();
    });
    poll.start();

    const bool started = toolsApp()->startCheck();

    QVERIFY(answered);
    QCOMPARE(started, starts);
    QCOMPARE(dialogName, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(title, QStringLiteral("Hint"));
    QCOMPARE(size, QSize(400, 256));
    QCOMPARE(
        text, QStringLiteral("Display resolution less than 1024*768,are you sure to start the program?"));
    QVERIFY(bottomShown);
    // A start confirmed on a small screen sets no window icon.
    QVERIFY(QApplication::windowIcon().isNull());
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--language") == 0)
        return languageProbe(argc, argv);
    apt::ToolsApplication app(
        QStringLiteral("tst_toolsapplication%1").arg(QCoreApplication::applicationPid()), argc, argv);
    tst_ToolsApplication test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_toolsapplication.moc"
