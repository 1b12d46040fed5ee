// The look the program loads at start: the skin plug-in, the style plug-in and
// the toolkit's style sheets, as resources that the program names but does not
// carry itself.
#include "toolkit/cfile.h"
#include "toolkit/iskinplugin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPluginLoader>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString toolkitSheetFolder = QStringLiteral(":/Pellion/Qss/Qss/MovraGUIToolkit/");
const QString programSheet = QStringLiteral(":/Pellion/Qss/Qss/Orvane/Orvane.qss");
const QString macOnlySheet = QStringLiteral("MacSpecial.qss");

QStringList g_styleMessages;
QtMessageHandler g_previousHandler = nullptr;

// Qt reports a style sheet it cannot parse, and a property it does not know,
// only as log lines; collect them.
void collectStyleMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive)
        || message.startsWith(QLatin1String("Unknown property"))) {
        g_styleMessages << message;
    }
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

// The sheet in the order the application object builds it.
QString applicationStyleSheet()
{
    QStringList names = QDir(toolkitSheetFolder).entryList(QDir::Files, QDir::NoSort);
    names.removeOne(macOnlySheet);
    return MovraGUIToolkit::CFile::ReadAll(names, toolkitSheetFolder)
        + MovraGUIToolkit::CFile::ReadAll(programSheet);
}

QString atTwoX(const QString &path)
{
    QString result = path;
    return result.insert(path.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void skinPluginNamesCommonSkin();
    void styleFactoryGivesCommonStyle();
    void namedPictures_data();
    void namedPictures();
    void namedStyleSheetsExist_data();
    void namedStyleSheetsExist();
    void toolkitFolderHoldsSeveralSheets();
    void sheetPicturesExist_data();
    void sheetPicturesExist();
    void sheetParses_data();
    void sheetParses();

private:
    QPluginLoader m_skinLoader;
    ISkinPlugin *m_skin = nullptr;
    std::unique_ptr<QStyle> m_style;
};

void tst_Resources::initTestCase()
{
    const QString plugins = QStringLiteral(ORVANE_STAGE_DIR "/plugins");

    // instance() loads the library, which registers the skin's resources.
    m_skinLoader.setFileName(plugins + QStringLiteral("/skins/commonskin"));
    QObject *root = m_skinLoader.instance();
    QVERIFY2(root, qPrintable(m_skinLoader.errorString()));
    m_skin = qobject_cast<ISkinPlugin *>(root);
    QVERIFY(m_skin);

    QCoreApplication::addLibraryPath(plugins);
    m_style.reset(QStyleFactory::create(QStringLiteral("CommonStyle")));
    QVERIFY2(m_style, "the style plug-in was not found under plugins/styles");

    g_previousHandler = qInstallMessageHandler(collectStyleMessages);
}

void tst_Resources::cleanup()
{
    qApp->setStyleSheet(QString());
    g_styleMessages.clear();
}

void tst_Resources::skinPluginNamesCommonSkin()
{
    QCOMPARE(m_skin->skinNames(), QStringList { QStringLiteral("CommonSkin") });
}

void tst_Resources::styleFactoryGivesCommonStyle()
{
    // The factory names a created style after its lower-case key.
    QCOMPARE(m_style->objectName(), QStringLiteral("commonstyle"));
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("CommonStyle")));

    const auto *proxy = qobject_cast<QProxyStyle *>(m_style.get());
    QVERIFY(proxy);
    QCOMPARE(proxy->baseStyle()->objectName(), QStringLiteral("fusion"));
    QCOMPARE(m_style->standardPalette().color(QPalette::Highlight), QColor(0x46, 0x7d, 0xd3));
}

void tst_Resources::namedPictures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");

    const QString calculatorPage = QStringLiteral(":/CommonSkin/Orvane/Images/Orvane/CalculatorPage/");
    const QString deviceInfo = QStringLiteral(":/CommonSkin/Orvane/Images/Orvane/DeviceInfo/");

    QTest::newRow("application icon, 64 px")
        << QStringLiteral(":/virad/complex/Images/System/Complex/calculate.png") << QSize(64, 64);
    QTest::newRow("time switch side, selected")
        << calculatorPage + QStringLiteral("timecal_sel.png") << QSize(24, 24);
    QTest::newRow("time switch side, not selected")
        << calculatorPage + QStringLiteral("timecal.png") << QSize(24, 24);
    QTest::newRow("size switch side, selected")
        << calculatorPage + QStringLiteral("diskspace_sel.png") << QSize(24, 24);
    QTest::newRow("size switch side, not selected")
        << calculatorPage + QStringLiteral("diskspace.png") << QSize(24, 24);
    QTest::newRow("update succeeded") << deviceInfo + QStringLiteral("icon_state_ok.png") << QSize(16, 16);
    QTest::newRow("update failed") << deviceInfo + QStringLiteral("icon_state_error.png") << QSize(16, 16);
}

void tst_Resources::namedPictures()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);

    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);

    // QIcon takes the double-size rendering on high-density screens.
    const QImage doubled(atTwoX(path));
    QVERIFY2(!doubled.isNull(), qPrintable(atTwoX(path)));
    QCOMPARE(doubled.size(), size * 2);
}

void tst_Resources::namedStyleSheetsExist_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("program style sheet") << programSheet;
    QTest::newRow("toolkit style-sheet folder") << toolkitSheetFolder;
}

void tst_Resources::namedStyleSheetsExist()
{
    QFETCH(QString, path);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));
}

void tst_Resources::toolkitFolderHoldsSeveralSheets()
{
    const QStringList names = QDir(toolkitSheetFolder).entryList(QDir::Files, QDir::NoSort);
    QVERIFY(names.contains(macOnlySheet));
    for (const QString &name : names)
        QVERIFY2(name.endsWith(QLatin1String(".qss")), qPrintable(name));
    // Base look, inputs, buttons, scroll bars, menus, dialogs at the least.
    QVERIFY2(names.size() - 1 >= 6, qPrintable(names.join(QLatin1String(", "))));
    for (const QString &name : names)
        QVERIFY2(!MovraGUIToolkit::CFile::ReadAll(toolkitSheetFolder + name).trimmed().isEmpty(),
            qPrintable(name));
}

void tst_Resources::sheetPicturesExist_data()
{
    QTest::addColumn<QString>("sheet");
    const QStringList names = QDir(toolkitSheetFolder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &name : names)
        QTest::newRow(qPrintable(QStringLiteral("toolkit sheet ") + name)) << toolkitSheetFolder + name;
    QTest::newRow("program sheet") << programSheet;
}

void tst_Resources::sheetPicturesExist()
{
    QFETCH(QString, sheet);
    const QString text = MovraGUIToolkit::CFile::ReadAll(sheet);
    QVERIFY(!text.isEmpty());

    static const QRegularExpression url(QStringLiteral("url\\(\\s*([^)\\s]+)\\s*\\)"));
    auto it = url.globalMatch(text);
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        QVERIFY2(path.startsWith(QLatin1String(":/")), qPrintable(path));
        QVERIFY2(!QImage(path).isNull(), qPrintable(sheet + QLatin1String(": ") + path));
        QVERIFY2(QFileInfo::exists(atTwoX(path)), qPrintable(atTwoX(path)));
    }
}

void tst_Resources::sheetParses_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("application sheet, toolkit and program") << applicationStyleSheet();
    QTest::newRow("macOS additions") << MovraGUIToolkit::CFile::ReadAll(toolkitSheetFolder + macOnlySheet);
}

void tst_Resources::sheetParses()
{
    QFETCH(QString, sheet);
    QVERIFY(!sheet.isEmpty());

    qApp->setStyleSheet(sheet);

    // Rules are parsed and resolved when widgets are polished and painted.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *combo = new QComboBox(&window);
    combo->addItems({ QStringLiteral("H.264"), QStringLiteral("H.265") });
    auto *checkedButton = new QPushButton(QStringLiteral("ON"), &window);
    checkedButton->setCheckable(true);
    checkedButton->setChecked(true);
    auto *list = new QListWidget(&window);
    list->addItems({ QStringLiteral("one"), QStringLiteral("two") });
    const QList<QWidget *> widgets { new QLabel(QStringLiteral("label"), &window),
        new QLineEdit(QStringLiteral("text"), &window), combo, new QSpinBox(&window),
        new QPushButton(QStringLiteral("push"), &window), checkedButton, new QToolButton(&window),
        new QRadioButton(QStringLiteral("radio"), &window), new QCheckBox(QStringLiteral("check"), &window),
        new QSlider(Qt::Horizontal, &window), new QScrollBar(Qt::Vertical, &window), list };
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    window.resize(300, 600);
    window.grab();
    QMenu menu;
    menu.addAction(QStringLiteral("entry"));
    menu.grab();

    QVERIFY2(g_styleMessages.isEmpty(), qPrintable(g_styleMessages.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_Resources)

#include "tst_resources.moc"
