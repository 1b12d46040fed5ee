#pragma once

#include <QStringList>
#include <QtPlugin>

// Root interface of a skin plug-in: a library that carries a skin's pictures
// and style sheets as resources and names the skins it provides.
class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;
    virtual QStringList skinNames() const = 0;
};

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)
