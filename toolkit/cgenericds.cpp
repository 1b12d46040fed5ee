#include "toolkit/cgenericds.h"

#include <QFile>
#include <QSaveFile>

namespace MovraGUIToolkit {

CGenericDS::CGenericDS(const QDomDocument &document, const QDomElement &element)
    : m_document(document)
    , m_element(element)
{
}

bool CGenericDS::LoadXML(const QString &path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    m_document = document;
    m_element = document.documentElement();
    return !m_element.isNull();
}

bool CGenericDS::SaveXML(const QString &path) const
{
    if (m_document.isNull())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(m_document.toByteArray(4));
    return file.commit();
}

int CGenericDS::GetChildrenCount() const
{
    int count = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ++count;
    return count;
}

CGenericDS CGenericDS::GetChild(int index) const
{
    int position = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (position++ == index)
            return CGenericDS(m_document, child);
    }
    return CGenericDS(m_document, QDomElement());
}

CGenericDS CGenericDS::GetChildByName(const QString &name) const
{
    return CGenericDS(m_document, m_element.firstChildElement(name));
}

QString CGenericDS::GetName() const
{
    return m_element.tagName();
}

QString CGenericDS::GetValue() const
{
    return m_element.text();
}

bool CGenericDS::SetValue(const QString &value)
{
    if (m_element.isNull())
        return false;
    while (!m_element.firstChild().isNull())
        m_element.removeChild(m_element.firstChild());
    m_element.appendChild(m_document.createTextNode(value));
    return true;
}

} // namespace MovraGUIToolkit
