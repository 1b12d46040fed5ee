#include "toolkit/targetpath.h"

#include <QCoreApplication>
#include <QDir>

namespace MovraGUIToolkit {

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
} // namespace

QString GetTargetPath()
{
    QString path = overridePath();
    if (path.isEmpty())
        path = QCoreApplication::applicationDirPath();
    if (path.isEmpty())
        path = QDir::currentPath();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

QString GetTargetPathFile(const QString &name)
{
    return GetTargetPath() + name;
}

void SetTargetPathOverride(const QString &path)
{
    overridePath() = path;
}

} // namespace MovraGUIToolkit
