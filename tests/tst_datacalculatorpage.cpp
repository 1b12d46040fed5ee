#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QtTest>

#include <limits>

namespace {

const QString PictureFolder = QStringLiteral(":/CommonSkin/Orvane/Images/Orvane/CalculatorPage/");

// A calculator page with spies on its two result signals.
struct Fixture
{
    DataCalculatorPage page;
    QSignalSpy timeSpy { &page, &DataCalculatorPage::setTime };
    QSignalSpy sizeSpy { &page, &DataCalculatorPage::setDiskSize };

    template <typename T> T *child(const char *name) { return page.findChild<T *>(QLatin1String(name)); }
    QLineEdit *diskSize() { return child<QLineEdit>("m_lineEditGT"); }
    QLineEdit *saveTime() { return child<QLineEdit>("m_lineEditSaveTime"); }
    QSpinBox *timeHours() { return child<QSpinBox>("m_spinBoxTime"); }
    QSpinBox *sizeHours() { return child<QSpinBox>("m_spinBoxDailyTime"); }
    QStackedWidget *pages() { return child<QStackedWidget>("m_tabWidgetSections"); }
    QPushButton *onButton() { return child<QPushButton>("m_btnON"); }
    QPushButton *offButton() { return child<QPushButton>("m_btnOFF"); }

    void clearSpies()
    {
        timeSpy.clear();
        sizeSpy.clear();
    }
};

QStringList texts(const QList<QVariant> &arguments)
{
    QStringList result;
    for (const QVariant &argument : arguments)
        result << argument.toString();
    return result;
}

QStringList times(const char *day, const char *week, const char *month)
{
    return { QLatin1String(day), QLatin1String(week), QLatin1String(month) };
}

QStringList size(const char *figure, const char *unit)
{
    return { QLatin1String(figure), QLatin1String(unit) };
}

} // namespace

class tst_DataCalculatorPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void defaultsAndNoPendingResults();
    void timePage_data();
    void timePage();
    void sizePage_data();
    void sizePage();
    void diskSizeTyping_data();
    void diskSizeTyping();
    void clearingDiskSizeCountsAsZero();
    void unitChangeComputesTwiceWithTheNewUnit();
    void sliderDrivesSpinBoxAndCalculation_data();
    void sliderDrivesSpinBoxAndCalculation();
    void onlyTheVisiblePageIsRecomputed();
    void switchIcons();
    void resultPagesAreReachable();

private:
    bool m_picturesAvailable = false;
};

void tst_DataCalculatorPage::initTestCase()
{
    // The switch pictures are resources of the skin plug-in; they appear once
    // a plug-in instance exists.
    const QDir skins(QStringLiteral(ORVANE_STAGE_DIR "/plugins/skins"));
    for (const QString &file : skins.entryList(QDir::Files)) {
        QPluginLoader loader(skins.absoluteFilePath(file));
        loader.instance();
    }
    m_picturesAvailable = QFile::exists(PictureFolder + "diskspace_sel.png");
}

void tst_DataCalculatorPage::init()
{
    QLocale::setDefault(QLocale::c());
}

void tst_DataCalculatorPage::defaultsAndNoPendingResults()
{
    Fixture f;
    QCoreApplication::processEvents();

    QCOMPARE(f.diskSize()->text(), QStringLiteral("4"));
    QVERIFY(f.child<QRadioButton>("m_radioBtnTB")->isChecked());
    QVERIFY(!f.child<QRadioButton>("m_radioBtnGB")->isChecked());
    QCOMPARE(f.timeHours()->value(), 24);
    QCOMPARE(f.child<QSlider>("m_horizontalSliderTime")->value(), 24);
    QCOMPARE(f.saveTime()->text(), QStringLiteral("1"));
    QVERIFY(f.child<QRadioButton>("m_radioBtnWeek")->isChecked());
    QVERIFY(!f.child<QRadioButton>("m_radioBtnDay")->isChecked());
    QVERIFY(!f.child<QRadioButton>("m_radioMonth")->isChecked());
    QCOMPARE(f.sizeHours()->value(), 24);
    QCOMPARE(f.child<QSlider>("m_hSliderDailyTime")->value(), 24);
    QCOMPARE(f.pages()->currentIndex(), 0);
    QVERIFY(f.onButton()->isChecked());
    QCOMPARE(f.diskSize()->maxLength(), 5);

    // Results emitted inside the constructor cannot be spied on from here;
    // this catches any that are queued for later.
    QCOMPARE(f.timeSpy.count(), 0);
    QCOMPARE(f.sizeSpy.count(), 0);
}

void tst_DataCalculatorPage::timePage_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("disk");
    QTest::addColumn<bool>("terabytes");
    QTest::addColumn<int>("dailyHours");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("512 kbps, 4 TB, 24 h") << 512.0 << "4" << true << 24 << times("704", "100", "23");
    QTest::newRow("512 kbps, 4000 GB, 24 h") << 512.0 << "4000" << false << 24 << times("704", "100", "23");
    QTest::newRow("512 kbps, 4 TB, 8 h") << 512.0 << "4" << true << 8 << times("2112", "301", "70");
    QTest::newRow("100 kbps, 40 TB is beyond 3650 days")
        << 100.0 << "40" << true << 24 << times("0", "0", "0");
    QTest::newRow("3650 days and a fraction still show")
        << 1234.7 << "50000" << false << 24 << times("3650", "521", "121");
    QTest::newRow("3651 days and a fraction show zeros")
        << 1234.4 << "50000" << false << 24 << times("0", "0", "0");
    QTest::newRow("zero daily hours with devices") << 512.0 << "4" << true << 0 << times("0", "0", "0");
    QTest::newRow("an empty disk size counts as zero") << 512.0 << "" << true << 24 << times("0", "0", "0");
    QTest::newRow("no devices") << 0.0 << "4" << true << 24 << times("0", "0", "0");
    QTest::newRow("a positive total below 1e-6 is no devices")
        << 5e-7 << "4" << true << 24 << times("0", "0", "0");
    QTest::newRow("a negative total") << -512.0 << "4" << true << 24 << times("0", "0", "0");
    QTest::newRow("a total that is not a number")
        << std::numeric_limits<double>::quiet_NaN() << "4" << true << 24 << times("0", "0", "0");
    QTest::newRow("1e-6 kbps, 50000 TB: weeks and months beyond 32 bits")
        << 1e-6 << "50000" << true << 1 << times("0", "0", "0");
}

void tst_DataCalculatorPage::timePage()
{
    QFETCH(double, bitrate);
    QFETCH(QString, disk);
    QFETCH(bool, terabytes);
    QFETCH(int, dailyHours);
    QFETCH(QStringList, expected);

    Fixture f;
    f.diskSize()->setText(disk);
    f.child<QRadioButton>(terabytes ? "m_radioBtnTB" : "m_radioBtnGB")->setChecked(true);
    f.timeHours()->setValue(dailyHours);
    f.clearSpies();

    f.page.OnDeviceChanged(bitrate);

    QCOMPARE(f.timeSpy.count(), 1);
    QCOMPARE(texts(f.timeSpy.at(0)), expected);
    QCOMPARE(f.sizeSpy.count(), 0);
}

void tst_DataCalculatorPage::sizePage_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("saveTime");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("dailyHours");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("512 kbps, 1 day, 24 h") << 512.0 << "1"
                                           << "m_radioBtnDay" << 24 << size("6", "GB");
    QTest::newRow("512 kbps, 1 week, 24 h") << 512.0 << "1"
                                            << "m_radioBtnWeek" << 24 << size("40", "GB");
    QTest::newRow("512 kbps, 1 month, 24 h") << 512.0 << "1"
                                             << "m_radioMonth" << 24 << size("171", "GB");
    QTest::newRow("500 kbps, 6 months: just under 1000 GB") << 500.0 << "6"
                                                            << "m_radioMonth" << 24 << size("999", "GB");
    QTest::newRow("501 kbps, 6 months: just over 1000 GB") << 501.0 << "6"
                                                           << "m_radioMonth" << 24 << size("2", "TB");
    QTest::newRow("512 kbps, 365 months, 24 h") << 512.0 << "365"
                                                << "m_radioMonth" << 24 << size("63", "TB");
    QTest::newRow("exactly 1e-6 kbps is computed") << 1e-6 << "365"
                                                   << "m_radioMonth" << 24 << size("1", "GB");
    QTest::newRow("5e-7 kbps is no devices") << 5e-7 << "365"
                                             << "m_radioMonth" << 24 << size("0", "GB");
    QTest::newRow("zero daily hours") << 512.0 << "1"
                                      << "m_radioBtnWeek" << 0 << size("0", "GB");
    QTest::newRow("zero save time") << 512.0 << "0"
                                    << "m_radioBtnWeek" << 24 << size("0", "GB");
    QTest::newRow("empty save time") << 512.0 << ""
                                     << "m_radioBtnWeek" << 24 << size("0", "GB");
    QTest::newRow("exactly 50000 TB is shown") << 411649.0 << "365"
                                               << "m_radioMonth" << 24 << size("50000", "TB");
    QTest::newRow("a TB figure above 50000") << 411650.0 << "365"
                                             << "m_radioMonth" << 24 << size("0", "GB");
    QTest::newRow("a capacity beyond 32-bit integers") << 1e9 << "365"
                                                       << "m_radioMonth" << 24 << size("0", "GB");
    QTest::newRow("a negative total") << -512.0 << "1"
                                      << "m_radioBtnWeek" << 24 << size("0", "GB");
    QTest::newRow("a total that is not a number") << std::numeric_limits<double>::quiet_NaN() << "1"
                                                  << "m_radioBtnWeek" << 24 << size("0", "GB");
    QTest::newRow("an infinite total") << std::numeric_limits<double>::infinity() << "1"
                                       << "m_radioBtnWeek" << 24 << size("0", "GB");
}

void tst_DataCalculatorPage::sizePage()
{
    QFETCH(double, bitrate);
    QFETCH(QString, saveTime);
    QFETCH(QString, unit);
    QFETCH(int, dailyHours);
    QFETCH(QStringList, expected);

    Fixture f;
    f.page.OnSwitchBarChanged(false);
    QCOMPARE(f.pages()->currentIndex(), 1);
    f.saveTime()->setText(saveTime);
    f.child<QRadioButton>(qPrintable(unit))->setChecked(true);
    f.sizeHours()->setValue(dailyHours);
    f.clearSpies();

    f.page.OnDeviceChanged(bitrate);

    QCOMPARE(f.sizeSpy.count(), 1);
    QCOMPARE(texts(f.sizeSpy.at(0)), expected);
    QCOMPARE(f.timeSpy.count(), 0);
}

void tst_DataCalculatorPage::diskSizeTyping_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a sixth digit is refused") << "m_lineEditGT"
                                              << "123456"
                                              << "12345";
    QTest::newRow("a disk size above 50000 is refused") << "m_lineEditGT"
                                                        << "50001"
                                                        << "5000";
    QTest::newRow("50000 itself is taken") << "m_lineEditGT"
                                           << "50000"
                                           << "50000";
    QTest::newRow("letters never enter the disk size") << "m_lineEditGT"
                                                       << "1x2"
                                                       << "12";
    QTest::newRow("a save time above 365 is refused") << "m_lineEditSaveTime"
                                                      << "366"
                                                      << "36";
}

void tst_DataCalculatorPage::diskSizeTyping()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    Fixture f;
    QLineEdit *edit = f.child<QLineEdit>(qPrintable(field));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void tst_DataCalculatorPage::clearingDiskSizeCountsAsZero()
{
    Fixture f;
    f.page.OnDeviceChanged(512.0);
    f.clearSpies();

    f.diskSize()->selectAll();
    QTest::keyClick(f.diskSize(), Qt::Key_Backspace);

    QCOMPARE(f.diskSize()->text(), QString());
    QCOMPARE(f.timeSpy.count(), 1);
    QCOMPARE(texts(f.timeSpy.at(0)), times("0", "0", "0"));
}

void tst_DataCalculatorPage::unitChangeComputesTwiceWithTheNewUnit()
{
    Fixture f;
    f.diskSize()->setText(QStringLiteral("4000"));
    f.page.OnDeviceChanged(512.0);
    QCOMPARE(texts(f.timeSpy.last()), times("0", "0", "0"));
    f.clearSpies();

    f.child<QRadioButton>("m_radioBtnGB")->setChecked(true);

    // Both buttons toggle; each run already sees GB.
    QCOMPARE(f.timeSpy.count(), 2);
    QCOMPARE(texts(f.timeSpy.at(0)), times("704", "100", "23"));
    QCOMPARE(texts(f.timeSpy.at(1)), times("704", "100", "23"));
    QCOMPARE(f.sizeSpy.count(), 0);
}

void tst_DataCalculatorPage::sliderDrivesSpinBoxAndCalculation_data()
{
    QTest::addColumn<bool>("sizePage");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("time page, 8 h") << false << "m_horizontalSliderTime"
                                    << "m_spinBoxTime" << 8 << times("2112", "301", "70");
    QTest::newRow("time page, 0 h") << false << "m_horizontalSliderTime"
                                    << "m_spinBoxTime" << 0 << times("0", "0", "0");
    QTest::newRow("size page, 8 h") << true << "m_hSliderDailyTime"
                                    << "m_spinBoxDailyTime" << 8 << size("14", "GB");
}

void tst_DataCalculatorPage::sliderDrivesSpinBoxAndCalculation()
{
    QFETCH(bool, sizePage);
    QFETCH(QString, slider);
    QFETCH(QString, spinBox);
    QFETCH(int, value);
    QFETCH(QStringList, expected);

    Fixture f;
    if (sizePage)
        f.page.OnSwitchBarChanged(false);
    f.page.OnDeviceChanged(512.0);
    f.clearSpies();

    f.child<QSlider>(qPrintable(slider))->setValue(value);

    QCOMPARE(f.child<QSpinBox>(qPrintable(spinBox))->value(), value);
    QSignalSpy &expectedSpy = sizePage ? f.sizeSpy : f.timeSpy;
    QSignalSpy &otherSpy = sizePage ? f.timeSpy : f.sizeSpy;
    QCOMPARE(expectedSpy.count(), 1);
    QCOMPARE(texts(expectedSpy.at(0)), expected);
    QCOMPARE(otherSpy.count(), 0);
}

void tst_DataCalculatorPage::onlyTheVisiblePageIsRecomputed()
{
    Fixture f;
    f.page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.page));

    f.page.OnDeviceChanged(512.0);
    QCOMPARE(f.timeSpy.count(), 1);
    QCOMPARE(f.sizeSpy.count(), 0);
    f.clearSpies();

    // Clicking the OFF side shows "Calculate Size" and computes it at once.
    QTest::mouseClick(f.offButton(), Qt::LeftButton);
    QCOMPARE(f.pages()->currentIndex(), 1);
    QVERIFY(f.offButton()->isChecked());
    QVERIFY(!f.onButton()->isChecked());
    QCOMPARE(f.sizeSpy.count(), 1);
    QCOMPARE(texts(f.sizeSpy.at(0)), size("40", "GB"));
    QCOMPARE(f.timeSpy.count(), 0);
    f.clearSpies();

    f.page.OnDeviceChanged(500.0);
    QCOMPARE(f.sizeSpy.count(), 1);
    QCOMPARE(texts(f.sizeSpy.at(0)), size("39", "GB"));
    QCOMPARE(f.timeSpy.count(), 0);
    f.clearSpies();

    f.page.OnDeviceChanged(0.0);
    QCOMPARE(f.sizeSpy.count(), 1);
    QCOMPARE(texts(f.sizeSpy.at(0)), size("0", "GB"));
    QCOMPARE(f.timeSpy.count(), 0);
    f.page.OnDeviceChanged(500.0);
    f.clearSpies();

    // Back on "Calculate Time", the stored total is used.
    QTest::mouseClick(f.onButton(), Qt::LeftButton);
    QCOMPARE(f.pages()->currentIndex(), 0);
    QCOMPARE(f.timeSpy.count(), 1);
    QCOMPARE(texts(f.timeSpy.at(0)), times("721", "103", "24"));
    QCOMPARE(f.sizeSpy.count(), 0);
    f.clearSpies();

    // Clicking the side that is already selected changes nothing.
    QTest::mouseClick(f.onButton(), Qt::LeftButton);
    QCOMPARE(f.pages()->currentIndex(), 0);
    QVERIFY(f.onButton()->isChecked());
    QCOMPARE(f.timeSpy.count(), 0);
    QCOMPARE(f.sizeSpy.count(), 0);
}

void tst_DataCalculatorPage::switchIcons()
{
    if (!m_picturesAvailable)
        QSKIP("The skin plug-in with the calculator pictures is not staged");

    auto sameAs = [](const QIcon &icon, const QString &file) {
        return !icon.isNull()
            && icon.pixmap(24, 24).toImage() == QIcon(PictureFolder + file).pixmap(24, 24).toImage();
    };

    Fixture f;
    QCOMPARE(f.onButton()->iconSize(), QSize(24, 24));
    QVERIFY(sameAs(f.onButton()->icon(), QStringLiteral("timecal_sel.png")));
    QVERIFY(sameAs(f.offButton()->icon(), QStringLiteral("diskspace.png")));

    f.offButton()->click();
    QCOMPARE(f.pages()->currentIndex(), 1);
    QVERIFY(sameAs(f.onButton()->icon(), QStringLiteral("timecal.png")));
    QVERIFY(sameAs(f.offButton()->icon(), QStringLiteral("diskspace_sel.png")));
    QCOMPARE(f.offButton()->iconSize(), QSize(24, 24));

    f.onButton()->click();
    QCOMPARE(f.pages()->currentIndex(), 0);
    QVERIFY(sameAs(f.onButton()->icon(), QStringLiteral("timecal_sel.png")));
    QVERIFY(sameAs(f.offButton()->icon(), QStringLiteral("diskspace.png")));
}

void tst_DataCalculatorPage::resultPagesAreReachable()
{
    Fixture f;
    QObject *timePage = f.page.getDataDisplayPageTime();
    QObject *sizePage = f.page.getDataDisplayPageSize();
    QVERIFY(qobject_cast<DataDisplayPage *>(timePage));
    QVERIFY(qobject_cast<SizeDisplayPage *>(sizePage));
    QCOMPARE(timePage->objectName(), QStringLiteral("m_displayPageTime"));
    QCOMPARE(sizePage->objectName(), QStringLiteral("m_displayPageSize"));
}

QTEST_MAIN(tst_DataCalculatorPage)
#include "tst_datacalculatorpage.moc"
