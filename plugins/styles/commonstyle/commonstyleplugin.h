#pragma once

#include <QStylePlugin>

// Makes "CommonStyle" available through QStyleFactory once the plug-in folder
// is on the application's library path.
class CommonStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "commonstyle.json")
public:
    explicit CommonStylePlugin(QObject *parent = nullptr);

    QStyle *create(const QString &key) override;
};
