#include "app/toolsapplication.h"

#include "app/configure.h"
#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "app/startgeometry.h"
#include "toolkit/cfile.h"
#include "toolkit/guienvironment.h"
#include "toolkit/iskinplugin.h"
#include "toolkit/targetpath.h"
#include "virad/basedialog.h"

#include <QDir>
#include <QFont>
#include <QHelpEvent>
#include <QIcon>
#include <QPluginLoader>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTextCodec>
#include <QToolTip>
#include <QVariant>

#include <string>

namespace apt {

namespace {

const char kDefaultSkin[] = "CommonSkin";
const char kToolkitSheetFolder[] = ":/Pellion/Qss/Qss/MovraGUIToolkit/";
const char kProgramSheet[] = ":/Pellion/Qss/Qss/Orvane/Orvane.qss";

QFont applicationFont(const QString &family)
{
    QFont font(family);
    font.setPointSize(9);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    return font;
}

// The start dialogs run before the main window exists, so they have no cover.
void configureStartHint(virad::BaseDialog &dialog, bool asksDecision, const QString &text)
{
    // The plain widget call: the dialog's own setFixedSize would also size
    // the content area.
    dialog.QWidget::setFixedSize(400, 256);
    dialog.setTitle(ToolsApplication::tr("Hint"));
    dialog.setBottomVisible(asksDecision);
    dialog.setObjectName(QStringLiteral("APP_WARNINGDLG"));
    dialog.setDefaultText(text);
}

} // namespace

ToolsApplication::ToolsApplication(const QString &appId, int &argc, char **argv)
    : SharedTools::QtSingleApplication(appId, argc, argv)
{
    // Pictures come in 1x and 2x files; without this the 2x ones are never
    // drawn and icons blur on high-density screens.
    setAttribute(Qt::AA_UseHighDpiPixmaps);
}

ToolsApplication::~ToolsApplication() = default;

bool ToolsApplication::startCheck()
{
    loadConfigure();
    loadFont();
    loadSkin();
    loadStyle();
    initLanguage();

    if (isRunning()) {
        virad::BaseDialog hint(false, false, false, false, true, false, false, nullptr);
        configureStartHint(hint, false, tr("Orvane is already running."));
        hint.exec();
        return false;
    }

    if (checkResolution()) {
        setWindowIcon(QIcon(QStringLiteral(":/virad/complex/Images/System/Complex/calculate.png")));
        return true;
    }

    virad::BaseDialog question(false, false, false, false, true, true, true, nullptr);
    configureStartHint(
        question, true, tr("Display resolution less than 1024*768,are you sure to start the program?"));
    return question.exec() == QDialog::Accepted;
}

void ToolsApplication::loadConfigure()
{
    // A missing or broken file leaves the defaults: English, "CommonSkin".
    ConfigureManager::instance()->load(MovraGUIToolkit::GetTargetPathFile(QStringLiteral("Setup.xml")));
}

void ToolsApplication::loadFont()
{
    QApplication::setFont(applicationFont(QString::fromUtf8("Microsoft YaHei")));
}

void ToolsApplication::loadSkin()
{
    QString skinName = QString::fromLatin1(kDefaultSkin);
    if (const Configure *skin = ConfigureManager::instance()->find(ConfigureManager::Skin))
        skinName = skin->strValue;

    const ISkinPlugin *plugin
        = loadSkinPlugin(skinName, MovraGUIToolkit::GetTargetPath() + QStringLiteral("plugins/skins/"));
    const std::string name = skinName.toStdString();
    if (plugin)
        qWarning("[Tool]LoadSkin = %s Success", name.c_str());
    else
        qWarning("[Tool]LoadSkin = %s failed", name.c_str());
}

ISkinPlugin *ToolsApplication::loadSkinPlugin(const QString &skinName, const QString &folder)
{
    if (skinName.isNull())
        return nullptr;

    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &file : files) {
        // The loader is dropped without unload(): the skin's resources must
        // stay available for the whole run.
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + file));
        QObject *root = nullptr;
        if (loader.isLoaded())
            root = loader.instance();
        else if (loader.load())
            root = loader.instance();
        else
            continue;
        ISkinPlugin *plugin = qobject_cast<ISkinPlugin *>(root);
        if (plugin && plugin->skinNames().contains(skinName))
            return plugin;
    }
    return nullptr;
}

void ToolsApplication::loadStyle()
{
    QStyle *style = QStyleFactory::create(QStringLiteral("CommonStyle"));
    if (!style)
        qDebug("[ToolsApplication::loadStyle]The CommonStyle does not exist.");
    // A null style leaves the platform's style in place.
    QApplication::setStyle(style);

    const QString folder = QString::fromLatin1(kToolkitSheetFolder);
    QStringList files = QDir(folder).entryList(QDir::Files, QDir::NoSort);
    files.removeOne(QStringLiteral("MacSpecial.qss"));
    const QString sheet = MovraGUIToolkit::CFile::ReadAll(files, folder)
        + MovraGUIToolkit::CFile::ReadAll(QString::fromLatin1(kProgramSheet));
    qApp->setStyleSheet(sheet);
}

void ToolsApplication::initLanguage()
{
    MovraGUIToolkit::InitGuiTextCodec(QTextCodec::codecForLocale());
    // The first use of the language manager installs the translations: every
    // text translated from here on is in the chosen language.
    loadLanguageFont();
    MovraGUIToolkit::InitGuiLocale(LanaguageManager::instance()->locale());
}

void ToolsApplication::loadLanguageFont()
{
    switch (LanaguageManager::instance()->language()) {
    case 10:
        QApplication::setFont(applicationFont(QStringLiteral("Tahoma")));
        break;
    case 9:
        QApplication::setFont(applicationFont(QStringLiteral("Batang")));
        break;
    default:
        break;
    }
}

bool ToolsApplication::checkResolution()
{
    QVector<QRect> geometries;
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        geometries.append(screen->geometry());
    return screensLargeEnough(geometries);
}

bool ToolsApplication::notify(QObject *receiver, QEvent *event)
{
    // The application font is set only before the first window; widgets that
    // already exist keep theirs.
    if (event->type() == QEvent::ApplicationFontChange)
        return true;

    // A widget with a tool tip shows its whole text instead, so texts cut
    // short by the layout can be read; line edits keep their real tool tip.
    if (event->type() == QEvent::ToolTip && !receiver->property("toolTip").isNull()
        && !receiver->inherits("QLineEdit")) {
        QVariant text = receiver->property("text");
        if (text.isNull())
            text = receiver->property("currentText");
        if (!text.isNull()) {
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text.toString());
            return true;
        }
    }

    // The one place where exceptions are caught: a handler that throws must
    // not end the program; its event counts as not handled.
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        return false;
    }
}

} // namespace apt
