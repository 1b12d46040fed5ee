#include "plugins/styles/commonstyle/commonstyleplugin.h"

#include "plugins/styles/commonstyle/commonstyle.h"

CommonStylePlugin::CommonStylePlugin(QObject *parent)
    : QStylePlugin(parent)
{
}

QStyle *CommonStylePlugin::create(const QString &key)
{
    // QStyleFactory hands the key over in lower case.
    if (key.compare(QLatin1String("CommonStyle"), Qt::CaseInsensitive) == 0)
        return new CommonStyle;
    return nullptr;
}
