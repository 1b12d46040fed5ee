#include "app/startgeometry.h"
#include "app/toolsapplication.h"
#include "ui/orvanemainpage.h"

#include <QDir>
#include <QObject>

#include <memory>

int main(int argc, char *argv[])
{
    // No translator is installed yet, so the id is the untranslated name.
    auto app = std::make_unique<apt::ToolsApplication>(QObject::tr("Orvane"), argc, argv);
    QCoreApplication::setApplicationName(QObject::tr("Orvane"));
    // Qt's own plug-in lookup (the "CommonStyle" style among it) also searches
    // the folder beside the program.
    QCoreApplication::addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
        + QDir::separator() + QStringLiteral("plugins"));

    if (!app->startCheck()) {
        QCoreApplication::exit(0);
        app.reset();
        return -1;
    }

    auto window = std::make_unique<OrvaneMainPage>(nullptr);
    window->initConnections();

    apt::placeAtStart(window.get());

    window->show();
    const int result = QApplication::exec();
    window.reset();
    app.reset();
    return result;
}
