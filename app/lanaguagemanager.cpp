#include "app/lanaguagemanager.h"

#include "app/configuremanager.h"
#include "toolkit/targetpath.h"

#include <QCoreApplication>
#include <QTranslator>

namespace apt {

LanaguageManager::LanaguageManager()
{
    m_language = static_cast<int>(ConfigureManager::instance()->translator());

    QString applicationFile;
    QString qtFile;
    QString toolkitFile;
    switch (m_language) {
    case 0:
        applicationFile = QStringLiteral("orvane_en.qm");
        // English has no toolkit catalogue of its own; the application's
        // catalogue takes that place.
        toolkitFile = QStringLiteral("orvane_en.qm");
        m_locale = QLocale(QLocale::English, QLocale::UnitedStates);
        break;
    case 1:
        applicationFile = QStringLiteral("orvane_zh.qm");
        qtFile = QStringLiteral("qt_zh_CN.qm");
        toolkitFile = QStringLiteral("MovraGUIToolkit_zh.qm");
        m_locale = QLocale(QLocale::Chinese, QLocale::China);
        break;
    default:
        break;
    }

    const QString folder = MovraGUIToolkit::GetTargetPath() + QStringLiteral("translations/");
    installTranslation(applicationFile, folder);
    if (!qtFile.isEmpty())
        installTranslation(qtFile, folder);
    installTranslation(toolkitFile, folder);
}

LanaguageManager::~LanaguageManager()
{
    qDeleteAll(m_translators);
}

int LanaguageManager::language() const
{
    return m_language;
}

QLocale LanaguageManager::locale() const
{
    return m_locale;
}

const QList<QTranslator *> &LanaguageManager::translators() const
{
    return m_translators;
}

void LanaguageManager::installTranslation(const QString &fileName, const QString &folder)
{
    // A missing or empty catalogue still stays installed: texts then simply
    // keep their source language.
    auto *translator = new QTranslator;
    const bool loaded = translator->load(fileName, folder);
    Q_UNUSED(loaded)
    QCoreApplication::installTranslator(translator);
    m_translators.append(translator);
}

} // namespace apt
