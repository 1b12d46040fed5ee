#include "ui/scenceselector.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_ScenceSelector : public QObject
{
    Q_OBJECT
private slots:
    void duplicateTypeIgnored();
    void emptyDataClearsList();
    void click_data();
    void click();
    void picture_data();
    void picture();
    void resizeRescalesPicture();
};

namespace {

const QString FailureStyle
    = QStringLiteral("QLabel#m_labelScenceImage{background-color:#f4f5f6;border: 1px solid #dadada;}");

QVector<SCENCE_ITEM> scenes(const QStringList &names)
{
    QVector<SCENCE_ITEM> items;
    for (int i = 0; i < names.size(); ++i) {
        SCENCE_ITEM item;
        item.iScenceType = i;
        item.strScenceName = names.at(i);
        items << item;
    }
    return items;
}

QListWidget *listOf(ScenceSelector &selector)
{
    return selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
}

QLabel *pictureOf(ScenceSelector &selector)
{
    return selector.findChild<QLabel *>(QStringLiteral("m_labelScenceImage"));
}

QPushButton *buttonAt(ScenceSelector &selector, int row)
{
    QListWidget *list = listOf(selector);
    return qobject_cast<QPushButton *>(list->itemWidget(list->item(row)));
}

QString writePicture(const QTemporaryDir &dir, const QString &name, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(name);
    image.save(path, "PNG");
    return path;
}

} // namespace

void tst_ScenceSelector::duplicateTypeIgnored()
{
    ScenceSelector selector;
    selector.setScenceData(scenes({ "Office", "Lobby" }));

    SCENCE_ITEM again;
    again.iScenceType = 1;
    again.strScenceName = QStringLiteral("Street");
    selector.addScenceItem(again);

    QCOMPARE(listOf(selector)->count(), 2);
    QCOMPARE(buttonAt(selector, 1)->text(), QStringLiteral("Lobby"));
    QCOMPARE(buttonAt(selector, 1)->toolTip(), QStringLiteral("Lobby"));
    QVERIFY(buttonAt(selector, 0)->isChecked());
    QVERIFY(!buttonAt(selector, 1)->isCheckable());
    QCOMPARE(listOf(selector)->item(0)->sizeHint(), QSize(70, 27));
}

void tst_ScenceSelector::emptyDataClearsList()
{
    ScenceSelector selector;
    selector.setScenceData(scenes({ "Office", "Lobby", "Shop" }));
    selector.setScenceData({});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(listOf(selector)->count(), 0);
    QCOMPARE(selector.findChildren<ScenceSelector::ScenceQRaidoButton *>().size(), 0);
}

void tst_ScenceSelector::click_data()
{
    QTest::addColumn<int>("clicked");

    QTest::newRow("the selected scene again") << 0;
    QTest::newRow("another scene") << 2;
}

void tst_ScenceSelector::click()
{
    QFETCH(int, clicked);

    ScenceSelector selector;
    selector.setScenceData(scenes({ "Office", "Lobby", "Shop" }));
    selector.resize(400, 300);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy spy(&selector, &ScenceSelector::signalScenceChanged);

    QTest::mouseClick(buttonAt(selector, clicked), Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), clicked);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(buttonAt(selector, row)->isChecked(), row == clicked);
        QCOMPARE(buttonAt(selector, row)->isCheckable(), row == clicked);
    }
}

void tst_ScenceSelector::picture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");

    QTest::newRow("existing picture") << "office.png" << true;
    QTest::newRow("missing file") << "nowhere.png" << false;
    QTest::newRow("empty path") << QString() << false;
}

void tst_ScenceSelector::picture()
{
    QFETCH(QString, name);
    QFETCH(bool, shown);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString valid = writePicture(dir, QStringLiteral("office.png"), QSize(64, 40));
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);

    ScenceSelector selector;
    selector.resize(400, 300);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QLabel *label = pictureOf(selector);

    // Start from the other state, so every change of state is seen.
    selector.setScencePicture(shown ? dir.filePath(QStringLiteral("nowhere.png")) : valid);
    selector.setScencePicture(path);

    if (shown) {
        QCOMPARE(label->styleSheet(), QString());
        QVERIFY(label->text().isEmpty());
        QVERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), label->size());
    } else {
        QCOMPARE(label->styleSheet(), FailureStyle);
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(label->text().contains(QLatin1String(">Get Picture Failure<")));
        QVERIFY(label->text().contains(QLatin1String("color:#cccccc;")));
    }
}

void tst_ScenceSelector::resizeRescalesPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = writePicture(dir, QStringLiteral("lobby.png"), QSize(64, 40));

    ScenceSelector selector;
    selector.setScenceData(scenes({ "Lobby" }));
    selector.resize(400, 300);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    selector.setScencePicture(path);
    QLabel *label = pictureOf(selector);
    const QSize before = label->size();

    selector.resize(600, 250);

    QVERIFY(label->size() != before);
    QCOMPARE(label->pixmap(Qt::ReturnByValue).size(), label->size());
}

QTEST_MAIN(tst_ScenceSelector)
#include "tst_scenceselector.moc"
