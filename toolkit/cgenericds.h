#pragma once

#include "toolkit/movraguitoolkit_global.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace MovraGUIToolkit {

// A handle on one element of an XML document. Copies share the document, so a
// value set through a child handle is written by the root's SaveXML.
class MOVRAGUITOOLKIT_EXPORT CGenericDS
{
public:
    CGenericDS() = default;

    bool LoadXML(const QString &path);
    bool SaveXML(const QString &path) const;

    bool IsNull() const { return m_element.isNull(); }
    int GetChildrenCount() const;
    CGenericDS GetChild(int index) const;
    CGenericDS GetChildByName(const QString &name) const;
    QString GetName() const;
    QString GetValue() const;
    bool SetValue(const QString &value);

private:
    CGenericDS(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};

} // namespace MovraGUIToolkit
