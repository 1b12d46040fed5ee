#include "toolkit/cfile.h"

#include <QDir>
#include <QFile>

namespace MovraGUIToolkit {

QString CFile::ReadAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString CFile::ReadAll(const QStringList &names, const QString &folder)
{
    const QDir dir(folder);
    QString text;
    for (const QString &name : names) {
        text += ReadAll(dir.filePath(name));
        // Files that end without a line break must not glue onto the next one.
        if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
    }
    return text;
}

} // namespace MovraGUIToolkit
