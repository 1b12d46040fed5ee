#pragma once

#include "virad/cdlgabout.h"

class QObject;

// The program's about panel in the system menu: name, version with build
// number, "User Help" (opens the user manual) and "Update Scence" (the main
// window opens the scene data update dialog).
class AboutDialog : public virad::CDlgAbout
{
    Q_OBJECT
public:
    explicit AboutDialog(QObject *parent = nullptr);
    ~AboutDialog() override;

signals:
    void signalCover();
    void signalDiscover();

public slots:
    // Opens the manual in the process's current folder; false, after a
    // hint, when there is none. Public so the main window can connect its
    // F1 signal to it.
    bool onGetHelp();
};
