#include "toolkit/cfile.h"
#include "toolkit/cgenericds.h"

#include <QtTest>

using MovraGUIToolkit::CGenericDS;

class tst_CGenericDS : public QObject
{
    Q_OBJECT
private slots:
    void readsElementsByPositionAndName();
    void valueSetThroughChildIsSavedByRoot();
    void loadFailures_data();
    void loadFailures();
    void readAllJoinsFilesInListOrder();

private:
    QString write(const QString &name, const QByteArray &content);
    QTemporaryDir m_dir;
};

QString tst_CGenericDS::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return path;
}

void tst_CGenericDS::readsElementsByPositionAndName()
{
    const QString path = write("setup.xml",
        "<Setup><Translator><Value>1</Value></Translator><Skin><Value>Dark</Value></Skin>"
        "<Empty/></Setup>");
    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    QCOMPARE(root.GetName(), QStringLiteral("Setup"));
    QCOMPARE(root.GetChildrenCount(), 3);
    QCOMPARE(root.GetChild(1).GetName(), QStringLiteral("Skin"));
    QCOMPARE(root.GetChild(1).GetChildByName("Value").GetValue(), QStringLiteral("Dark"));
    QCOMPARE(root.GetChild(2).GetChildByName("Value").GetValue(), QString());
    QVERIFY(root.GetChild(3).IsNull());
    QCOMPARE(root.GetChild(3).GetChildrenCount(), 0);
}

void tst_CGenericDS::valueSetThroughChildIsSavedByRoot()
{
    const QString path = write("store.xml", "<Setup><Skin><Value>Old</Value></Skin></Setup>");
    CGenericDS root;
    QVERIFY(root.LoadXML(path));
    CGenericDS value = root.GetChildByName("Skin").GetChildByName("Value");
    QVERIFY(value.SetValue("New & <fresh>"));
    const QString copy = m_dir.filePath("copy.xml");
    QVERIFY(root.SaveXML(copy));

    CGenericDS reread;
    QVERIFY(reread.LoadXML(copy));
    QCOMPARE(
        reread.GetChildByName("Skin").GetChildByName("Value").GetValue(), QStringLiteral("New & <fresh>"));
}

void tst_CGenericDS::loadFailures_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty path") << QString();
    QTest::newRow("missing file") << m_dir.filePath("absent.xml");
    QTest::newRow("not XML") << write("broken.xml", "this is no xml <");
}

void tst_CGenericDS::loadFailures()
{
    QFETCH(QString, path);
    CGenericDS root;
    QVERIFY(!root.LoadXML(path));
    QVERIFY(root.IsNull());
    QVERIFY(!root.SetValue("x"));
}

void tst_CGenericDS::readAllJoinsFilesInListOrder()
{
    write("a.qss", "A{}");
    write("b.qss", "B{}\n");
    QCOMPARE(MovraGUIToolkit::CFile::ReadAll(QStringList { "b.qss", "a.qss" }, m_dir.path()),
        QStringLiteral("B{}\nA{}\n"));
    QCOMPARE(MovraGUIToolkit::CFile::ReadAll(m_dir.filePath("a.qss")), QStringLiteral("A{}"));
    QCOMPARE(MovraGUIToolkit::CFile::ReadAll(m_dir.filePath("none.qss")), QString());
}

QTEST_GUILESS_MAIN(tst_CGenericDS)
#include "tst_cgenericds.moc"
