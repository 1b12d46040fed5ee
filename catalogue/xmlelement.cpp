#include "catalogue/xmlelement.h"

#include <QDomText>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

XmlElement::XmlElement(const QDomDocument &document, const QDomElement &element)
    : m_document(document)
    , m_element(element)
{
}

bool XmlElement::load(const QString &path)
{
    if (path.isNull())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QDomDocument document;
    // A damaged file is not an error here: its readers simply find less in it.
    document.setContent(&file);
    m_document = document;
    m_element = m_document.documentElement();
    return true;
}

bool XmlElement::save(const QString &path) const
{
    // Written beside the target and swapped in, so a failed write leaves the
    // old file intact; where no temporary can be created next to it the file
    // is written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream stream(&file);
    stream.setCodec("GB2312");
    m_document.save(stream, 0);
    stream.flush();
    if (stream.status() != QTextStream::Ok)
        file.cancelWriting();
    return file.commit();
}

void XmlElement::newDocument(const QString &rootName)
{
    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"GB2312\"")));
    QDomElement root = document.createElement(rootName);
    document.appendChild(root);
    m_document = document;
    m_element = root;
}

int XmlElement::childElementCount() const
{
    int count = 0;
    for (QDomElement child = m_element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        ++count;
    return count;
}

XmlElement XmlElement::childElement(int index) const
{
    if (index < 0)
        return XmlElement();
    QDomElement child = m_element.firstChildElement();
    for (int i = 0; i < index && !child.isNull(); ++i)
        child = child.nextSiblingElement();
    if (child.isNull())
        return XmlElement();
    return XmlElement(m_document, child);
}

XmlElement XmlElement::nextSiblingElement() const
{
    const QDomElement sibling = m_element.nextSiblingElement();
    if (sibling.isNull())
        return XmlElement();
    return XmlElement(m_document, sibling);
}

XmlElement XmlElement::firstDescendant(const QString &tagName) const
{
    if (m_element.isNull())
        return XmlElement();
    // Depth-first in document order; stops at the first hit instead of
    // collecting the whole subtree as elementsByTagName() would.
    QDomElement current = m_element.firstChildElement();
    while (!current.isNull()) {
        if (current.tagName() == tagName)
            return XmlElement(m_document, current);
        QDomElement next = current.firstChildElement();
        if (next.isNull()) {
            QDomElement up = current;
            while (next.isNull() && up != m_element) {
                next = up.nextSiblingElement();
                if (next.isNull())
                    up = up.parentNode().toElement();
            }
        }
        current = next;
    }
    return XmlElement();
}

XmlElement XmlElement::appendChildElement(const QString &tagName)
{
    if (m_element.isNull())
        return XmlElement();
    QDomElement child = m_document.createElement(tagName);
    m_element.appendChild(child);
    return XmlElement(m_document, child);
}

QString XmlElement::text() const
{
    for (QDomNode node = m_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText())
            return node.toText().data();
    }
    return QString();
}

void XmlElement::setText(const QString &text)
{
    if (m_element.isNull())
        return;
    for (QDomNode node = m_element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (node.isText()) {
            node.toText().setData(text);
            return;
        }
    }
    m_element.appendChild(m_document.createTextNode(text));
}
