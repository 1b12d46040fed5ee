#include "app/configuremanager.h"

#include "app/configure.h"
#include "toolkit/cgenericds.h"

namespace apt {

ConfigureManager::ConfigureManager() = default;

ConfigureManager::~ConfigureManager()
{
    clear();
}

bool ConfigureManager::load(const QString &path)
{
    clear();
    MovraGUIToolkit::CGenericDS root;
    if (!root.LoadXML(path))
        return false;
    const int count = root.GetChildrenCount();
    m_configures.reserve(count);
    for (int i = 0; i < count; ++i) {
        const MovraGUIToolkit::CGenericDS child = root.GetChild(i);
        m_configures.append(
            new Configure(child.GetName(), child.GetChildByName(QStringLiteral("Value")).GetValue()));
    }
    return true;
}

void ConfigureManager::clear()
{
    qDeleteAll(m_configures);
    m_configures.clear();
}

Configure *ConfigureManager::find(ConfigureKey key) const
{
    const QString name = keyName(key);
    if (name.isEmpty())
        return nullptr;
    for (Configure *configure : m_configures) {
        if (configure->strName == name)
            return configure;
    }
    return nullptr;
}

QString ConfigureManager::keyName(ConfigureKey key)
{
    switch (key) {
    case Translator:
        return QStringLiteral("Translator");
    case Languages:
        return QStringLiteral("Languages");
    case LogLevel:
        return QStringLiteral("LogLevel");
    case VersionType:
        return QStringLiteral("VersionType");
    case PingThread:
        return QStringLiteral("PingThread");
    case TaskThread:
        return QStringLiteral("TaskThread");
    case LogSaveDay:
        return QStringLiteral("LogSaveDay");
    case Skin:
        return QStringLiteral("Skin");
    }
    return QString();
}

unsigned ConfigureManager::translator() const
{
    const Configure *configure = find(Translator);
    if (!configure)
        return 0;
    // Text that is not a number reads as 0, which is English.
    return configure->strValue.toUInt(nullptr, 10);
}

} // namespace apt
