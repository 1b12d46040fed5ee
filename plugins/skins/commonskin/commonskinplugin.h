#pragma once

#include "toolkit/iskinplugin.h"

#include <QObject>

// Root object of the "CommonSkin" plug-in. The skin itself is the resource
// tree compiled into the library; loading the library registers it.
class CommonSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ISkinPlugin_iid)
    Q_INTERFACES(ISkinPlugin)
public:
    explicit CommonSkinPlugin(QObject *parent = nullptr);

    QStringList skinNames() const override;
};
