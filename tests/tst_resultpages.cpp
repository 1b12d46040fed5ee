#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"

#include <QLabel>
#include <QtTest>

class tst_ResultPages : public QObject
{
    Q_OBJECT
private slots:
    void initialTexts();
    void displayTime_data();
    void displayTime();
    void displaySize_data();
    void displaySize();
};

namespace {

QString labelText(const QWidget &page, const char *name)
{
    const auto *label = page.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

// The markup the pages must produce, written out piece by piece.
QString timeMarkup(const QString &fontSize, const QString &figure)
{
    const QString tab = QStringLiteral("\t");
    return tab + "<html>" + tab + "<head/>" + tab + "<body>" + tab + tab + "<p align=\"center\">" + tab + tab
        + tab + "<span style=\" font-size:" + fontSize + "; color:#467dd3;\">" + figure + "</span>" + tab
        + tab + "</p>" + tab + "</body>" + tab + "</html>";
}

QString sizeMarkup(const QString &figure, const QString &unit)
{
    const QString t = QStringLiteral("\t");
    const QString t3 = t + t + t;
    const QString t4 = t3 + t;
    return t + "<html>" + t + "<head/>" + t + t + "<body>" + t3 + "<p align=\"center\">" + t4
        + "<span style=\" font-size:48pt; color:#467dd3;\">" + figure + "</span>" + t4
        + "<span style=\" font-size:16pt; color:#467dd3;\"/>" + t4
        + "<span style=\" font-size:20pt; color:#467dd3;\">" + unit + "</span>" + t3 + "</p>" + t + t
        + "</body>" + t + "</html>" + t;
}

} // namespace

void tst_ResultPages::initialTexts()
{
    const DataDisplayPage timePage;
    const SizeDisplayPage sizePage;

    QCOMPARE(labelText(timePage, "m_labelByDay"),
        QString::fromUtf8("<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; "
                          "color:#467dd3;\">0</span><span style=\" font-size:14pt; color:#467dd3;\">"
                          "\xE5\xA4\xA9</span></p></body></html>"));
    QCOMPARE(labelText(timePage, "m_labelByWeek"),
        QString::fromUtf8("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                          "color:#467dd3;\">0</span><span style=\" font-size:14pt; color:#467dd3;\">"
                          "\xE5\x91\xA8</span></p></body></html>"));
    QCOMPARE(labelText(timePage, "m_labelByMonth"),
        QString::fromUtf8("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                          "color:#467dd3;\">0</span><span style=\" font-size:14pt; color:#467dd3;\">"
                          "\xE6\x9C\x88</span></p></body></html>"));
    QCOMPARE(labelText(sizePage, "m_labelDisplaySize"),
        QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:48pt; "
                       "color:#467dd3;\">0</span><span style=\" font-size:20pt; color:#467dd3;\">MB</span>"
                       "</p></body></html>"));
}

void tst_ResultPages::displayTime_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");

    QTest::newRow("88 days, 12 weeks, 2 months") << "88"
                                                 << "12"
                                                 << "2";
    QTest::newRow("the zeros of an out-of-range result") << "0"
                                                         << "0"
                                                         << "0";
    QTest::newRow("the largest figures shown") << "3650"
                                               << "521"
                                               << "121";
}

void tst_ResultPages::displayTime()
{
    QFETCH(QString, day);
    QFETCH(QString, week);
    QFETCH(QString, month);

    DataDisplayPage page;
    page.displayTime(day, week, month);

    QCOMPARE(labelText(page, "m_labelByDay"), timeMarkup(QStringLiteral("60pt"), day));
    QCOMPARE(labelText(page, "m_labelByWeek"), timeMarkup(QStringLiteral("36pt"), week));
    QCOMPARE(labelText(page, "m_labelByMonth"), timeMarkup(QStringLiteral("36pt"), month));
}

void tst_ResultPages::displaySize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");

    QTest::newRow("319 GB") << "319"
                            << "GB";
    QTest::newRow("2 TB") << "2"
                          << "TB";
    QTest::newRow("0 GB, the answer for no devices") << "0"
                                                     << "GB";
}

void tst_ResultPages::displaySize()
{
    QFETCH(QString, size);
    QFETCH(QString, unit);

    SizeDisplayPage page;
    page.displaySize(size, unit);

    QCOMPARE(labelText(page, "m_labelDisplaySize"), sizeMarkup(size, unit));
}

QTEST_MAIN(tst_ResultPages)
#include "tst_resultpages.moc"
