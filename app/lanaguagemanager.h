#pragma once

#include "toolkit/cuisingleton.h"

#include <QList>
#include <QLocale>

class QTranslator;

namespace apt {

// The language of the run: building it installs the translations named by the
// setup file's language number, so its first use must come after the setup
// file has been read. The language stays fixed until the next start.
class LanaguageManager : public MovraGUIToolkit::CUiSingleton<LanaguageManager>
{
    friend class MovraGUIToolkit::CUiSingleton<LanaguageManager>;

public:
    ~LanaguageManager();

    int language() const;
    QLocale locale() const;
    // The installed translators in installation order (Qt asks the last first).
    const QList<QTranslator *> &translators() const;

private:
    LanaguageManager();
    void installTranslation(const QString &fileName, const QString &folder);

    QLocale m_locale;
    QList<QTranslator *> m_translators;
    int m_language = 0;
};

} // namespace apt
