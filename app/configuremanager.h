#pragma once

#include "toolkit/cuisingleton.h"

#include <QString>
#include <QVector>

namespace apt {

class Configure;

// The settings read from "Setup.xml" beside the program, in file order. The
// program only reads the file; the store is filled once at start.
class ConfigureManager : public MovraGUIToolkit::CUiSingleton<ConfigureManager>
{
    friend class MovraGUIToolkit::CUiSingleton<ConfigureManager>;

public:
    // Fixed underlying type: any number may be asked; unknown ones have no name.
    enum ConfigureKey : int {
        Translator = 0,
        Languages = 1,
        LogLevel = 2,
        VersionType = 3,
        PingThread = 4,
        TaskThread = 5,
        LogSaveDay = 6,
        Skin = 7
    };

    ~ConfigureManager();

    // Replaces the store with the file's settings; false leaves it empty.
    bool load(const QString &path);
    void clear();
    // The first record, in file order, whose name is the key's text exactly.
    Configure *find(ConfigureKey key) const;
    static QString keyName(ConfigureKey key);
    // The language number; 0 when the key is missing or not a number.
    unsigned translator() const;

private:
    ConfigureManager();

    QVector<Configure *> m_configures;
};

} // namespace apt
