#pragma once

#include <QDomDocument>
#include <QDomElement>
#include <QString>

// One element of an XML document together with the document it belongs to.
// Copies share the document, so an element reached from any copy can be
// changed and the change is written by whichever copy saves the document.
class XmlElement
{
public:
    XmlElement() = default;

    // Parses the file into a new document and makes its document element this
    // element. False only when the path is null or the file cannot be opened;
    // a document that does not parse is kept as far as the parser got.
    bool load(const QString &path);
    // Writes the whole document without indentation, replacing the file. The
    // text is encoded as the document's declaration says: GB2312 for a
    // document started with newDocument(), so declaration and bytes agree.
    bool save(const QString &path) const;

    // Starts a fresh document: the XML declaration and an empty document
    // element named rootName, which becomes this element.
    void newDocument(const QString &rootName);

    bool isNull() const { return m_element.isNull(); }
    QString tagName() const { return m_element.tagName(); }

    int childElementCount() const;
    // Null when there is no child element at that position.
    XmlElement childElement(int index) const;
    // The next element with the same parent; null after the last one. Walking
    // the children this way avoids counting from the first at every step.
    XmlElement nextSiblingElement() const;
    // First element below this one, in document order, with that tag name; null when absent.
    XmlElement firstDescendant(const QString &tagName) const;
    // New last child element; null when this element is null.
    XmlElement appendChildElement(const QString &tagName);

    // The data of the first text child; empty when there is none.
    QString text() const;
    // Replaces the data of the first text child, or adds one.
    void setText(const QString &text);

private:
    XmlElement(const QDomDocument &document, const QDomElement &element);

    QDomDocument m_document;
    QDomElement m_element;
};
