#include "catalogue/xmlelement.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

class tst_XmlElement : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void load_data();
    void load();
    void childElements();
    void firstDescendant_data();
    void firstDescendant();
    void text_data();
    void text();
    void setText_data();
    void setText();
    void newDocumentSavesGb2312();
    void copiesShareTheDocument();
    void saveFailsWhenFileCannotBeOpened();

private:
    XmlElement loadString(const QByteArray &xml);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_XmlElement::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

XmlElement tst_XmlElement::loadString(const QByteArray &xml)
{
    const QString path = m_dir->filePath(QStringLiteral("doc.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
        return XmlElement();
    file.close();
    XmlElement element;
    element.load(path);
    return element;
}

void tst_XmlElement::load_data()
{
    QTest::addColumn<bool>("nullPath");
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("rootName");

    QTest::newRow("null path") << true << QByteArray() << false << QString();
    QTest::newRow("missing file") << false << QByteArray() << false << QString();
    QTest::newRow("well-formed file") << false << QByteArray("<ConfigList><ConfigItem/></ConfigList>") << true
                                      << QStringLiteral("ConfigList");
    // A damaged file still counts as loaded; its readers just find less in it.
    QTest::newRow("file that does not parse")
        << false << QByteArray("this is not < xml") << true << QString();
}

void tst_XmlElement::load()
{
    QFETCH(bool, nullPath);
    QFETCH(QByteArray, content);
    QFETCH(bool, loaded);
    QFETCH(QString, rootName);

    const QString path = m_dir->filePath(QStringLiteral("doc.xml"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    XmlElement element;
    QCOMPARE(element.load(nullPath ? QString() : path), loaded);
    QCOMPARE(element.tagName(), rootName);
}

void tst_XmlElement::childElements()
{
    const XmlElement root = loadString("<root>text<a/><!--note--><b><inner/></b>tail<c/></root>");
    QCOMPARE(root.childElementCount(), 3);
    QCOMPARE(root.childElement(0).tagName(), QStringLiteral("a"));
    QCOMPARE(root.childElement(1).tagName(), QStringLiteral("b"));
    QCOMPARE(root.childElement(2).tagName(), QStringLiteral("c"));
    QVERIFY(root.childElement(3).isNull());
    QVERIFY(root.childElement(-1).isNull());
    QCOMPARE(root.childElement(1).childElementCount(), 1);
    QCOMPARE(root.childElement(0).nextSiblingElement().tagName(), QStringLiteral("b"));
    QCOMPARE(root.childElement(1).nextSiblingElement().tagName(), QStringLiteral("c"));
    QVERIFY(root.childElement(2).nextSiblingElement().isNull());
    QCOMPARE(XmlElement().childElementCount(), 0);
    QVERIFY(XmlElement().childElement(0).isNull());
}

void tst_XmlElement::firstDescendant_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("text");

    QTest::newRow("nested element before a later sibling")
        << QByteArray("<r><x><T>deep</T></x><T>shallow</T></r>") << "T" << true << "deep";
    QTest::newRow("after a subtree without it")
        << QByteArray("<r><x><y><z/></y></x><w><T>late</T></w></r>") << "T" << true << "late";
    QTest::newRow("the element itself is not its descendant")
        << QByteArray("<T><a/></T>") << "T" << false << "";
    QTest::newRow("absent") << QByteArray("<r><a><b/></a></r>") << "T" << false << "";
    QTest::newRow("case-sensitive") << QByteArray("<r><t>x</t></r>") << "T" << false << "";
}

void tst_XmlElement::firstDescendant()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, tag);
    QFETCH(bool, found);
    QFETCH(QString, text);

    const XmlElement hit = loadString(xml).firstDescendant(tag);
    QCOMPARE(!hit.isNull(), found);
    QCOMPARE(hit.text(), text);
}

void tst_XmlElement::text_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("text");

    QTest::newRow("only text") << QByteArray("<e>720P</e>") << "720P";
    QTest::newRow("first of two text children") << QByteArray("<e>abc<f>x</f>def</e>") << "abc";
    QTest::newRow("text after a child element") << QByteArray("<e><f>x</f>tail</e>") << "tail";
    QTest::newRow("no text child") << QByteArray("<e><f>x</f></e>") << "";
    QTest::newRow("blanks kept") << QByteArray("<e> 1080P </e>") << " 1080P ";
    QTest::newRow("empty element") << QByteArray("<e/>") << "";
}

void tst_XmlElement::text()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, text);
    QCOMPARE(loadString(xml).text(), text);
}

void tst_XmlElement::setText_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("saved");

    QTest::newRow("replaces the first text child")
        << QByteArray("<e>old<f/>rest</e>") << "<e>new<f/>rest</e>";
    QTest::newRow("adds a text child when there is none") << QByteArray("<e><f/></e>") << "<e><f/>new</e>";
}

void tst_XmlElement::setText()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, saved);

    XmlElement element = loadString(xml);
    element.setText(QStringLiteral("new"));
    QCOMPARE(element.text(), QStringLiteral("new"));

    const QString path = m_dir->filePath(QStringLiteral("out.xml"));
    QVERIFY(element.save(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Only the markup matters here, not the serialiser's line breaks.
    QCOMPARE(QString::fromUtf8(file.readAll()).remove(QLatin1Char('\n')), saved);
}

void tst_XmlElement::newDocumentSavesGb2312()
{
    const QString chinese = QStringLiteral("\u9ad8\u6e05"); // "high definition"
    XmlElement root;
    root.newDocument(QStringLiteral("ConfigList"));
    XmlElement item = root.appendChildElement(QStringLiteral("ConfigItem"));
    item.appendChildElement(QStringLiteral("Resolution")).setText(chinese);
    item.appendChildElement(QStringLiteral("Bitrate")).setText(QStringLiteral("1024"));

    const QString path = m_dir->filePath(QStringLiteral("out.xml"));
    QFile::remove(path);
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4096, 'Z')); // longer than the new content: must not survive
    }
    QVERIFY(root.save(path));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray gb = QTextCodec::codecForName("GB2312")->fromUnicode(chinese);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
    QVERIFY2(bytes.contains("<Resolution>" + gb + "</Resolution>"), bytes.constData());
    QVERIFY(!bytes.contains(chinese.toUtf8()));
    QVERIFY(!bytes.contains('Z'));
    // No indentation: elements follow each other directly.
    QVERIFY(bytes.contains("<ConfigList>\n<ConfigItem>\n<Resolution>"));

    XmlElement reloaded;
    QVERIFY(reloaded.load(path));
    QCOMPARE(reloaded.tagName(), QStringLiteral("ConfigList"));
    QCOMPARE(reloaded.childElement(0).firstDescendant(QStringLiteral("Resolution")).text(), chinese);
    QCOMPARE(
        reloaded.childElement(0).firstDescendant(QStringLiteral("Bitrate")).text(), QStringLiteral("1024"));
}

void tst_XmlElement::copiesShareTheDocument()
{
    XmlElement root = loadString("<r><a>1</a><b>2</b></r>");
    XmlElement child = root.childElement(1);
    XmlElement copy = child;
    copy.setText(QStringLiteral("changed"));
    copy.appendChildElement(QStringLiteral("added"));

    const QString path = m_dir->filePath(QStringLiteral("out.xml"));
    QVERIFY(root.save(path));
    XmlElement reloaded;
    QVERIFY(reloaded.load(path));
    QCOMPARE(reloaded.childElement(1).text(), QStringLiteral("changed"));
    QCOMPARE(reloaded.childElement(1).childElement(0).tagName(), QStringLiteral("added"));
    QCOMPARE(child.text(), QStringLiteral("changed"));
}

void tst_XmlElement::saveFailsWhenFileCannotBeOpened()
{
    XmlElement root;
    root.newDocument(QStringLiteral("ConfigList"));
    QVERIFY(!root.save(m_dir->filePath(QStringLiteral("no/such/folder/out.xml"))));
    QVERIFY(!root.save(m_dir->path()));
}

QTEST_GUILESS_MAIN(tst_XmlElement)
#include "tst_xmlelement.moc"
