#include "calc/datacalculatorpage.h"

#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"
#include "catalogue/bitratecalculator.h"
#include "toolkit/cintvalidator.h"
#include "toolkit/clineedit.h"
#include "toolkit/cradiobutton.h"
#include "toolkit/cslider.h"
#include "virad/lineeditinterger.h"
#include "virad/switch.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace Ui {

class DataCalculatorPage
{
public:
    QGridLayout *gridLayout;
    virad::Switch *m_topTabBar;
    QStackedWidget *m_tabWidgetSections;
    QWidget *m_tabWidgetSectionsPage1;
    QVBoxLayout *verticalLayout;
    QLabel *m_labelDiskSize;
    QWidget *m_widgetDiskSize;
    QHBoxLayout *m_hlayoutDiskSize;
    MovraGUIToolkit::CLineEdit *m_lineEditGT;
    MovraGUIToolkit::CRadioButton *m_radioBtnTB;
    MovraGUIToolkit::CRadioButton *m_radioBtnGB;
    QSpacerItem *verticalSpacer_4;
    QLabel *m_labelRecordTim;
    QWidget *m_widgetRecordTime;
    QHBoxLayout *m_hlayoutRecordTime;
    MovraGUIToolkit::CSlider *m_horizontalSliderTime;
    virad::LineEditInterger *m_spinBoxTime;
    QLabel *m_labelHour;
    QSpacerItem *verticalSpacer_6;
    QSpacerItem *verticalSpacer;
    ::DataDisplayPage *m_displayPageTime;
    QSpacerItem *verticalSpacer_2;
    QWidget *m_tabWidgetSectionsPage2;
    QVBoxLayout *verticalLayout_2;
    QLabel *m_labelSaveTime;
    QWidget *m_widgetSaveTime;
    QHBoxLayout *m_hlayoutSaveTime;
    MovraGUIToolkit::CLineEdit *m_lineEditSaveTime;
    MovraGUIToolkit::CRadioButton *m_radioBtnDay;
    MovraGUIToolkit::CRadioButton *m_radioBtnWeek;
    MovraGUIToolkit::CRadioButton *m_radioMonth;
    QSpacerItem *verticalSpacer_5;
    QLabel *m_labelDailyRecordTime;
    QWidget *m_widgetDailyRecordTime;
    QHBoxLayout *m_hlayoutDailyRecordTime;
    MovraGUIToolkit::CSlider *m_hSliderDailyTime;
    virad::LineEditInterger *m_spinBoxDailyTime;
    QLabel *m_labelDailyHour;
    QSpacerItem *verticalSpacer_3;
    QSpacerItem *verticalSpacer_7;
    ::SizeDisplayPage *m_displayPageSize;
    QSpacerItem *verticalSpacer_8;

    void setupUi(QWidget *page)
    {
        if (page->objectName().isEmpty())
            page->setObjectName(QStringLiteral("DataCalculatorPage"));
        page->resize(399, 608);
        page->setMinimumSize(QSize(320, 0));
        page->setMaximumSize(QSize(406, 16777215));
        page->setAutoFillBackground(false);

        gridLayout = new QGridLayout(page);
        gridLayout->setSpacing(6);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setVerticalSpacing(16);
        gridLayout->setContentsMargins(20, 0, 12, 0);

        // Made without a parent; the layout adopts it.
        m_topTabBar = new virad::Switch(true, nullptr);
        m_topTabBar->setObjectName(QStringLiteral("m_topTabBar"));
        gridLayout->addWidget(m_topTabBar, 0, 0, 1, 1);

        m_tabWidgetSections = new QStackedWidget(page);
        m_tabWidgetSections->setObjectName(QStringLiteral("m_tabWidgetSections"));
        m_tabWidgetSections->setFocusPolicy(Qt::TabFocus);
        m_tabWidgetSections->setLayoutDirection(Qt::LeftToRight);
        m_tabWidgetSections->setAutoFillBackground(false);

        // "Calculate Time": disk size in, days, weeks and months out.
        m_tabWidgetSectionsPage1 = new QWidget(m_tabWidgetSections);
        m_tabWidgetSectionsPage1->setObjectName(QStringLiteral("m_tabWidgetSectionsPage1"));
        verticalLayout = new QVBoxLayout(m_tabWidgetSectionsPage1);
        verticalLayout->setSpacing(6);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(20, -1, 20, -1);

        m_labelDiskSize = new QLabel(m_tabWidgetSectionsPage1);
        m_labelDiskSize->setObjectName(QStringLiteral("m_labelDiskSize"));
        verticalLayout->addWidget(m_labelDiskSize);

        m_widgetDiskSize = new QWidget(m_tabWidgetSectionsPage1);
        m_widgetDiskSize->setObjectName(QStringLiteral("m_widgetDiskSize"));
        m_hlayoutDiskSize = new QHBoxLayout(m_widgetDiskSize);
        m_hlayoutDiskSize->setSpacing(6);
        m_hlayoutDiskSize->setObjectName(QStringLiteral("m_hlayoutDiskSize"));
        m_hlayoutDiskSize->setContentsMargins(0, 0, 0, 0);
        m_lineEditGT = new MovraGUIToolkit::CLineEdit(m_widgetDiskSize);
        m_lineEditGT->setObjectName(QStringLiteral("m_lineEditGT"));
        m_lineEditGT->setMinimumSize(QSize(0, 30));
        m_hlayoutDiskSize->addWidget(m_lineEditGT);
        m_radioBtnTB = new MovraGUIToolkit::CRadioButton(m_widgetDiskSize);
        m_radioBtnTB->setObjectName(QStringLiteral("m_radioBtnTB"));
        m_radioBtnTB->setMinimumSize(QSize(0, 30));
        m_radioBtnTB->setLayoutDirection(Qt::LeftToRight);
        m_hlayoutDiskSize->addWidget(m_radioBtnTB);
        m_radioBtnGB = new MovraGUIToolkit::CRadioButton(m_widgetDiskSize);
        m_radioBtnGB->setObjectName(QStringLiteral("m_radioBtnGB"));
        m_radioBtnGB->setMinimumSize(QSize(0, 30));
        m_hlayoutDiskSize->addWidget(m_radioBtnGB);
        verticalLayout->addWidget(m_widgetDiskSize);

        verticalSpacer_4 = new QSpacerItem(20, 12, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer_4);

        m_labelRecordTim = new QLabel(m_tabWidgetSectionsPage1);
        m_labelRecordTim->setObjectName(QStringLiteral("m_labelRecordTim"));
        verticalLayout->addWidget(m_labelRecordTim);

        m_widgetRecordTime = new QWidget(m_tabWidgetSectionsPage1);
        m_widgetRecordTime->setObjectName(QStringLiteral("m_widgetRecordTime"));
        m_hlayoutRecordTime = new QHBoxLayout(m_widgetRecordTime);
        m_hlayoutRecordTime->setSpacing(6);
        m_hlayoutRecordTime->setObjectName(QStringLiteral("m_hlayoutRecordTime"));
        m_hlayoutRecordTime->setContentsMargins(0, 0, 0, 0);
        m_horizontalSliderTime = new MovraGUIToolkit::CSlider(m_widgetRecordTime);
        m_horizontalSliderTime->setObjectName(QStringLiteral("m_horizontalSliderTime"));
        m_horizontalSliderTime->setMaximum(24);
        m_horizontalSliderTime->setPageStep(2);
        m_horizontalSliderTime->setOrientation(Qt::Horizontal);
        m_hlayoutRecordTime->addWidget(m_horizontalSliderTime);
        m_spinBoxTime = new virad::LineEditInterger(m_widgetRecordTime);
        m_spinBoxTime->setObjectName(QStringLiteral("m_spinBoxTime"));
        m_spinBoxTime->setMinimumSize(QSize(0, 30));
        m_spinBoxTime->setMaximum(24);
        m_hlayoutRecordTime->addWidget(m_spinBoxTime);
        m_labelHour = new QLabel(m_widgetRecordTime);
        m_labelHour->setObjectName(QStringLiteral("m_labelHour"));
        m_hlayoutRecordTime->addWidget(m_labelHour);
        m_hlayoutRecordTime->setStretch(0, 4);
        m_hlayoutRecordTime->setStretch(1, 2);
        verticalLayout->addWidget(m_widgetRecordTime);

        verticalSpacer_6 = new QSpacerItem(20, 60, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer_6);
        verticalSpacer = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout->addItem(verticalSpacer);

        m_displayPageTime = new ::DataDisplayPage(m_tabWidgetSectionsPage1);
        m_displayPageTime->setObjectName(QStringLiteral("m_displayPageTime"));
        m_displayPageTime->setMinimumSize(QSize(320, 360));
        m_displayPageTime->setMaximumSize(QSize(16777215, 360));
        verticalLayout->addWidget(m_displayPageTime);

        verticalSpacer_2 = new QSpacerItem(173, 265, QSizePolicy::Minimum, QSizePolicy::Preferred);
        verticalLayout->addItem(verticalSpacer_2);

        m_tabWidgetSections->addWidget(m_tabWidgetSectionsPage1);

        // "Calculate Size": retention time in, disk capacity out.
        m_tabWidgetSectionsPage2 = new QWidget(m_tabWidgetSections);
        m_tabWidgetSectionsPage2->setObjectName(QStringLiteral("m_tabWidgetSectionsPage2"));
        verticalLayout_2 = new QVBoxLayout(m_tabWidgetSectionsPage2);
        verticalLayout_2->setSpacing(6);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
        verticalLayout_2->setContentsMargins(20, -1, 20, -1);

        m_labelSaveTime = new QLabel(m_tabWidgetSectionsPage2);
        m_labelSaveTime->setObjectName(QStringLiteral("m_labelSaveTime"));
        verticalLayout_2->addWidget(m_labelSaveTime);

        m_widgetSaveTime = new QWidget(m_tabWidgetSectionsPage2);
        m_widgetSaveTime->setObjectName(QStringLiteral("m_widgetSaveTime"));
        m_hlayoutSaveTime = new QHBoxLayout(m_widgetSaveTime);
        m_hlayoutSaveTime->setSpacing(6);
        m_hlayoutSaveTime->setObjectName(QStringLiteral("m_hlayoutSaveTime"));
        m_hlayoutSaveTime->setContentsMargins(0, 0, 0, 0);
        m_lineEditSaveTime = new MovraGUIToolkit::CLineEdit(m_widgetSaveTime);
        m_lineEditSaveTime->setObjectName(QStringLiteral("m_lineEditSaveTime"));
        m_lineEditSaveTime->setMinimumSize(QSize(0, 30));
        m_hlayoutSaveTime->addWidget(m_lineEditSaveTime);
        m_radioBtnDay = new MovraGUIToolkit::CRadioButton(m_widgetSaveTime);
        m_radioBtnDay->setObjectName(QStringLiteral("m_radioBtnDay"));
        m_radioBtnDay->setMinimumSize(QSize(0, 30));
        m_radioBtnDay->setLayoutDirection(Qt::LeftToRight);
        m_hlayoutSaveTime->addWidget(m_radioBtnDay);
        m_radioBtnWeek = new MovraGUIToolkit::CRadioButton(m_widgetSaveTime);
        m_radioBtnWeek->setObjectName(QStringLiteral("m_radioBtnWeek"));
        m_radioBtnWeek->setMinimumSize(QSize(0, 30));
        m_hlayoutSaveTime->addWidget(m_radioBtnWeek);
        m_radioMonth = new MovraGUIToolkit::CRadioButton(m_widgetSaveTime);
        m_radioMonth->setObjectName(QStringLiteral("m_radioMonth"));
        m_radioMonth->setMinimumSize(QSize(0, 30));
        m_hlayoutSaveTime->addWidget(m_radioMonth);
        verticalLayout_2->addWidget(m_widgetSaveTime);

        verticalSpacer_5 = new QSpacerItem(20, 12, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_2->addItem(verticalSpacer_5);

        m_labelDailyRecordTime = new QLabel(m_tabWidgetSectionsPage2);
        m_labelDailyRecordTime->setObjectName(QStringLiteral("m_labelDailyRecordTime"));
        verticalLayout_2->addWidget(m_labelDailyRecordTime);

        m_widgetDailyRecordTime = new QWidget(m_tabWidgetSectionsPage2);
        m_widgetDailyRecordTime->setObjectName(QStringLiteral("m_widgetDailyRecordTime"));
        m_hlayoutDailyRecordTime = new QHBoxLayout(m_widgetDailyRecordTime);
        m_hlayoutDailyRecordTime->setSpacing(6);
        m_hlayoutDailyRecordTime->setObjectName(QStringLiteral("m_hlayoutDailyRecordTime"));
        m_hlayoutDailyRecordTime->setContentsMargins(0, 0, 0, 0);
        m_hSliderDailyTime = new MovraGUIToolkit::CSlider(m_widgetDailyRecordTime);
        m_hSliderDailyTime->setObjectName(QStringLiteral("m_hSliderDailyTime"));
        m_hSliderDailyTime->setMaximum(24);
        m_hSliderDailyTime->setPageStep(2);
        m_hSliderDailyTime->setOrientation(Qt::Horizontal);
        m_hlayoutDailyRecordTime->addWidget(m_hSliderDailyTime);
        m_spinBoxDailyTime = new virad::LineEditInterger(m_widgetDailyRecordTime);
        m_spinBoxDailyTime->setObjectName(QStringLiteral("m_spinBoxDailyTime"));
        m_spinBoxDailyTime->setMinimumSize(QSize(0, 30));
        m_spinBoxDailyTime->setMaximum(24);
        m_hlayoutDailyRecordTime->addWidget(m_spinBoxDailyTime);
        m_labelDailyHour = new QLabel(m_widgetDailyRecordTime);
        m_labelDailyHour->setObjectName(QStringLiteral("m_labelDailyHour"));
        m_hlayoutDailyRecordTime->addWidget(m_labelDailyHour);
        m_hlayoutDailyRecordTime->setStretch(0, 4);
        m_hlayoutDailyRecordTime->setStretch(1, 2);
        verticalLayout_2->addWidget(m_widgetDailyRecordTime);

        verticalSpacer_3 = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout_2->addItem(verticalSpacer_3);
        verticalSpacer_7 = new QSpacerItem(20, 60, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_2->addItem(verticalSpacer_7);

        m_displayPageSize = new ::SizeDisplayPage(m_tabWidgetSectionsPage2);
        m_displayPageSize->setObjectName(QStringLiteral("m_displayPageSize"));
        m_displayPageSize->setMinimumSize(QSize(320, 360));
        m_displayPageSize->setMaximumSize(QSize(16777215, 360));
        verticalLayout_2->addWidget(m_displayPageSize);

        verticalSpacer_8 = new QSpacerItem(20, 265, QSizePolicy::Minimum, QSizePolicy::Preferred);
        verticalLayout_2->addItem(verticalSpacer_8);

        m_tabWidgetSections->addWidget(m_tabWidgetSectionsPage2);

        gridLayout->addWidget(m_tabWidgetSections, 1, 0, 1, 1);

        QWidget::setTabOrder(m_tabWidgetSections, m_lineEditGT);
        QWidget::setTabOrder(m_lineEditGT, m_radioBtnTB);
        QWidget::setTabOrder(m_radioBtnTB, m_radioBtnGB);
        QWidget::setTabOrder(m_radioBtnGB, m_horizontalSliderTime);
        QWidget::setTabOrder(m_horizontalSliderTime, m_spinBoxTime);
        QWidget::setTabOrder(m_spinBoxTime, m_lineEditSaveTime);
        QWidget::setTabOrder(m_lineEditSaveTime, m_radioBtnDay);
        QWidget::setTabOrder(m_radioBtnDay, m_radioBtnWeek);
        QWidget::setTabOrder(m_radioBtnWeek, m_radioMonth);
        QWidget::setTabOrder(m_radioMonth, m_hSliderDailyTime);
        QWidget::setTabOrder(m_hSliderDailyTime, m_spinBoxDailyTime);

        retranslateUi(page);

        m_tabWidgetSections->setCurrentIndex(0);
    }

    void retranslateUi(QWidget *page)
    {
        page->setWindowTitle(QCoreApplication::translate("DataCalculatorPage", "DataCalculatorPage"));
        m_labelDiskSize->setText(QCoreApplication::translate("DataCalculatorPage", "set disk size : "));
        m_radioBtnTB->setText(QCoreApplication::translate("DataCalculatorPage", "TB"));
        m_radioBtnGB->setText(QCoreApplication::translate("DataCalculatorPage", "GB"));
        m_labelRecordTim->setText(QCoreApplication::translate("DataCalculatorPage", "record time :"));
        m_labelHour->setText(QCoreApplication::translate("DataCalculatorPage", "h"));
        m_labelSaveTime->setText(QCoreApplication::translate("DataCalculatorPage", "set save time:"));
        m_radioBtnDay->setText(QCoreApplication::translate("DataCalculatorPage", "DAY"));
        m_radioBtnWeek->setText(QCoreApplication::translate("DataCalculatorPage", "WEEK"));
        m_radioMonth->setText(QCoreApplication::translate("DataCalculatorPage", "MONTH"));
        m_labelDailyRecordTime->setText(
            QCoreApplication::translate("DataCalculatorPage", "record time each day :"));
        m_labelDailyHour->setText(QCoreApplication::translate("DataCalculatorPage", "h"));
    }
};

} // namespace Ui

namespace {

const char *const IconFolder = ":/CommonSkin/Orvane/Images/Orvane/CalculatorPage/";
constexpr int IconSize = 24;

constexpr int TimePage = 0;
constexpr int SizePage = 1;

// A total this close to zero means the device list is empty.
constexpr double ZeroBitrateBound = 1e-6;
constexpr qint64 DayDisplayLimit = 3650;
constexpr int GigabyteDisplayLimit = 1000;
constexpr int TerabyteDisplayLimit = 50000;

bool isNoDevices(double totalBitrate)
{
    return totalBitrate > -ZeroBitrateBound && totalBitrate < ZeroBitrateBound;
}

// A rounded-up capacity as int. Anything that does not fit (NaN included)
// becomes the smallest int, which the callers show as zero; comparing as
// double first keeps the conversion itself defined.
int toInt32OrMin(double wholeValue)
{
    if (wholeValue >= static_cast<double>(std::numeric_limits<int>::min())
        && wholeValue <= static_cast<double>(std::numeric_limits<int>::max()))
        return static_cast<int>(wholeValue);
    return std::numeric_limits<int>::min();
}

} // namespace

DataCalculatorPage::DataCalculatorPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DataCalculatorPage)
{
    ui->setupUi(this);
    m_pCalculator.reset(new BitrateCalculator);
    m_dTotalBitrate = 0.0;

    ui->m_lineEditGT->setText(QStringLiteral("4"));
    ui->m_radioBtnTB->setChecked(true);
    ui->m_spinBoxTime->setValue(24);
    ui->m_horizontalSliderTime->setValue(24);
    ui->m_radioBtnWeek->setChecked(true);
    ui->m_lineEditSaveTime->setText(QStringLiteral("1"));
    ui->m_hSliderDailyTime->setValue(24);
    ui->m_spinBoxDailyTime->setValue(24);

    ui->m_topTabBar->setFixedHeight(35);
    setSwitchIcons(QStringLiteral("timecal_sel.png"), QStringLiteral("diskspace.png"));
    ui->m_topTabBar->setOnText(tr("Calculate Time"));
    ui->m_topTabBar->setOffText(tr("Calculate Size"));

    // Connected only now, so that setting the defaults above computes nothing.
    connect(ui->m_tabWidgetSections, &QStackedWidget::currentChanged, this,
        &DataCalculatorPage::OnCalculateTypeSelectedChanged);
    connect(ui->m_horizontalSliderTime, &QSlider::valueChanged, ui->m_spinBoxTime, &QSpinBox::setValue);
    connect(ui->m_hSliderDailyTime, &QSlider::valueChanged, ui->m_spinBoxDailyTime, &QSpinBox::setValue);
    connect(ui->m_spinBoxTime, qOverload<int>(&QSpinBox::valueChanged), ui->m_horizontalSliderTime,
        &QSlider::setValue);
    connect(ui->m_spinBoxDailyTime, qOverload<int>(&QSpinBox::valueChanged), ui->m_hSliderDailyTime,
        &QSlider::setValue);

    // The results must be on screen before the user's action returns.
    connect(ui->m_lineEditGT, &QLineEdit::textChanged, this, &DataCalculatorPage::OnCalculateTimeDataChanged,
        Qt::DirectConnection);
    connect(ui->m_radioBtnTB, &QAbstractButton::toggled, this,
        &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnGB, &QAbstractButton::toggled, this,
        &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_spinBoxTime, qOverload<int>(&QSpinBox::valueChanged), this,
        &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_lineEditSaveTime, &QLineEdit::textChanged, this,
        &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnDay, &QAbstractButton::toggled, this,
        &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnWeek, &QAbstractButton::toggled, this,
        &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioMonth, &QAbstractButton::toggled, this,
        &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_spinBoxDailyTime, qOverload<int>(&QSpinBox::valueChanged), this,
        &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_topTabBar, &virad::Switch::signalSwitch, this, &DataCalculatorPage::OnSwitchBarChanged);

    ui->m_lineEditGT->setValidator(new MovraGUIToolkit::CIntValidator(0, 50000, ui->m_lineEditGT));
    ui->m_lineEditGT->setMaxLength(5);
    ui->m_lineEditSaveTime->setValidator(new MovraGUIToolkit::CIntValidator(0, 365, ui->m_lineEditSaveTime));
}

DataCalculatorPage::~DataCalculatorPage() = default;

QObject *DataCalculatorPage::getDataDisplayPageSize()
{
    return ui->m_displayPageSize;
}

QObject *DataCalculatorPage::getDataDisplayPageTime()
{
    return ui->m_displayPageTime;
}

void DataCalculatorPage::OnSwitchBarChanged(bool state)
{
    const int index = state ? TimePage : SizePage;
    ui->m_tabWidgetSections->setCurrentIndex(index);
    // The selected side shows the "_sel" picture.
    if (index == TimePage)
        setSwitchIcons(QStringLiteral("timecal_sel.png"), QStringLiteral("diskspace.png"));
    else
        setSwitchIcons(QStringLiteral("timecal.png"), QStringLiteral("diskspace_sel.png"));
}

void DataCalculatorPage::OnDeviceChanged(double dTotalBitrate)
{
    m_dTotalBitrate = dTotalBitrate;
    const bool sizePageShown = ui->m_tabWidgetSections->currentIndex() == SizePage;
    if (isNoDevices(dTotalBitrate)) {
        if (sizePageShown)
            emit setDiskSize(QStringLiteral("0"), QStringLiteral("GB"));
        else
            emit setTime(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
        return;
    }
    // The hidden page is brought up to date when it is shown.
    if (sizePageShown)
        OnCalculateDiskSizeDataChanged();
    else
        OnCalculateTimeDataChanged();
}

void DataCalculatorPage::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
}

void DataCalculatorPage::OnCalculateTypeSelectedChanged(int index)
{
    if (index == TimePage)
        OnCalculateTimeDataChanged();
    else if (index == SizePage)
        OnCalculateDiskSizeDataChanged();
}

void DataCalculatorPage::OnCalculateTimeDataChanged()
{
    const QString zero = QStringLiteral("0");

    double capacity = ui->m_lineEditGT->text().toDouble();
    if (ui->m_radioBtnTB->isChecked())
        capacity = capacity * 1000.0;

    if (isNoDevices(m_dTotalBitrate)) {
        emit setTime(zero, zero, zero);
        return;
    }
    const int dailyHours = ui->m_spinBoxTime->text().toInt(nullptr, 10);
    if (dailyHours == 0) {
        emit setTime(zero, zero, zero);
        return;
    }

    const double hours = m_pCalculator->calculateRecordHours(m_dTotalBitrate, capacity);
    const double days = hours / dailyHours;

    // Only the whole-day count decides whether the figures are shown, so
    // weeks and months are converted once days are known to be in range,
    // where every conversion is defined.
    if (!(days > -static_cast<double>(DayDisplayLimit + 1)
            && days < static_cast<double>(DayDisplayLimit + 1))) {
        emit setTime(zero, zero, zero);
        return;
    }
    const qint64 wholeDays = static_cast<qint64>(days);
    if (wholeDays > DayDisplayLimit || wholeDays < 0) {
        emit setTime(zero, zero, zero);
        return;
    }
    const int months = static_cast<int>(days / 30.0);
    const int weeks = static_cast<int>(days / 7.0);
    emit setTime(QString::number(wholeDays, 10), QString::number(weeks, 10), QString::number(months, 10));
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    const int count = ui->m_lineEditSaveTime->text().toInt(nullptr, 10);
    const int dailyHours = ui->m_spinBoxDailyTime->text().toInt(nullptr, 10);

    // The validators keep count and daily hours small (365 x 30 x 24 at most);
    // unsigned arithmetic keeps even an out-of-range text from overflowing.
    const quint32 c = static_cast<quint32>(count);
    const quint32 h = static_cast<quint32>(dailyHours);
    quint32 product;
    if (ui->m_radioBtnDay->isChecked())
        product = c * h;
    else if (ui->m_radioBtnWeek->isChecked())
        product = c * 7u * h;
    else
        product = c * 30u * h;
    const int hours = static_cast<int>(product);

    const double size = m_pCalculator->calculateDiskCapacity(m_dTotalBitrate, hours);

    // Both roundings go up, so the figure shown never falls short of the need.
    const int wholeGB = toInt32OrMin(std::ceil(size));
    if (wholeGB <= GigabyteDisplayLimit) {
        if (wholeGB < 0)
            emit setDiskSize(QStringLiteral("0"), QStringLiteral("GB"));
        else
            emit setDiskSize(QString::number(wholeGB, 10), QStringLiteral("GB"));
        return;
    }
    const int wholeTB = toInt32OrMin(std::ceil(wholeGB / 1000.0));
    if (wholeTB > TerabyteDisplayLimit || wholeTB < 0)
        emit setDiskSize(QStringLiteral("0"), QStringLiteral("GB"));
    else
        emit setDiskSize(QString::number(wholeTB, 10), QStringLiteral("TB"));
}

void DataCalculatorPage::setSwitchIcons(const QString &onIcon, const QString &offIcon)
{
    const QString folder = QLatin1String(IconFolder);
    ui->m_topTabBar->setOnIcon(QIcon(folder + onIcon), IconSize);
    ui->m_topTabBar->setOffIcon(QIcon(folder + offIcon), IconSize);
}
