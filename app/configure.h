#pragma once

#include <QString>

namespace apt {

// One setting of "Setup.xml": the element name and the text of its "Value".
class Configure
{
public:
    Configure(const QString &name, const QString &value);
    virtual ~Configure();

    QString strName;
    QString strValue;
};

} // namespace apt
