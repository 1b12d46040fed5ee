#pragma once

// The application frame: the application object and its start steps, the
// single-instance guard, the setup file, languages, skins, style sheets and
// fonts. All of it runs once on the GUI thread before the main window exists;
// only the single-instance guard and the screen check may refuse the start.

#include "app/qtsingleapplication.h"

#include <QString>

class ISkinPlugin;
class QEvent;
class QObject;

namespace apt {

class ToolsApplication : public SharedTools::QtSingleApplication
{
    Q_OBJECT
public:
    ToolsApplication(const QString &appId, int &argc, char **argv);
    ~ToolsApplication() override;

    // Runs the start steps in order; false means the program must not start.
    bool startCheck();

    void loadConfigure();
    void loadFont();
    void loadSkin();
    void loadStyle();
    void initLanguage();
    void loadLanguageFont();
    bool checkResolution();

    // The plug-in in folder whose skin list holds skinName exactly, or null.
    // Libraries loaded on the way stay loaded.
    static ISkinPlugin *loadSkinPlugin(const QString &skinName, const QString &folder);

    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace apt
