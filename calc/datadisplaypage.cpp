#include "calc/datadisplaypage.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

class DataDisplayPage
{
public:
    QGridLayout *gridLayout_3;
    QVBoxLayout *verticalLayout_2;
    QLabel *m_labelDiskplayTimeNeed;
    QSpacerItem *verticalSpacer;
    QWidget *m_widgetDiskplayByDay;
    QGridLayout *gridLayout;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout_6;
    QLabel *m_labelDiskplayDayMethod;
    QSpacerItem *horizontalSpacer_6;
    QLabel *m_labelByDay;
    QHBoxLayout *horizontalLayout_3;
    QSpacerItem *horizontalSpacer;
    QLabel *m_labelDiskplayDayTip;
    QSpacerItem *horizontalSpacer_2;
    QSpacerItem *verticalSpacer_2;
    QFrame *diskplayLine2;
    QHBoxLayout *horizontalLayout_2;
    QWidget *m_widgetDiskplayByWeek;
    QGridLayout *gridLayout_2;
    QVBoxLayout *verticalLayout_3;
    QHBoxLayout *horizontalLayout_7;
    QLabel *m_labelDiskplayWeekTipMethod;
    QSpacerItem *horizontalSpacer_7;
    QLabel *m_labelByWeek;
    QHBoxLayout *horizontalLayout_4;
    QSpacerItem *horizontalSpacer_3;
    QLabel *m_labelDiskplayWeekTip;
    QSpacerItem *horizontalSpacer_4;
    QFrame *diskplayLine3;
    QWidget *m_widgetDiskplayByMonth;
    QGridLayout *gridLayout_4;
    QVBoxLayout *verticalLayout_4;
    QHBoxLayout *horizontalLayout_8;
    QLabel *m_labelDiskplayMonthMethod;
    QSpacerItem *horizontalSpacer_8;
    QLabel *m_labelByMonth;
    QHBoxLayout *horizontalLayout_5;
    QSpacerItem *horizontalSpacer_5;
    QLabel *m_labelDiskplayMonthTip;
    QSpacerItem *horizontalSpacer_9;
    QFrame *diskplayLine1;

    void setupUi(QWidget *page)
    {
        if (page->objectName().isEmpty())
            page->setObjectName(QStringLiteral("DataDisplayPage"));
        page->resize(319, 387);

        gridLayout_3 = new QGridLayout(page);
        gridLayout_3->setSpacing(0);
        gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));
        gridLayout_3->setContentsMargins(0, 0, 0, 0);
        verticalLayout_2 = new QVBoxLayout();
        verticalLayout_2->setSpacing(0);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));

        m_labelDiskplayTimeNeed = new QLabel(page);
        m_labelDiskplayTimeNeed->setObjectName(QStringLiteral("m_labelDiskplayTimeNeed"));
        m_labelDiskplayTimeNeed->setMinimumSize(QSize(52, 22));
        m_labelDiskplayTimeNeed->setMaximumSize(QSize(100000, 22));
        m_labelDiskplayTimeNeed->setSizeIncrement(QSize(52, 22));
        verticalLayout_2->addWidget(m_labelDiskplayTimeNeed);

        verticalSpacer = new QSpacerItem(12, 20, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_2->addItem(verticalSpacer);

        // Day block.
        m_widgetDiskplayByDay = new QWidget(page);
        m_widgetDiskplayByDay->setObjectName(QStringLiteral("m_widgetDiskplayByDay"));
        m_widgetDiskplayByDay->setMinimumSize(QSize(316, 181));
        m_widgetDiskplayByDay->setMaximumSize(QSize(316, 181));
        gridLayout = new QGridLayout(m_widgetDiskplayByDay);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);
        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(0);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(-1, 0, -1, 21);
        horizontalLayout_6 = new QHBoxLayout();
        horizontalLayout_6->setSpacing(6);
        horizontalLayout_6->setObjectName(QStringLiteral("horizontalLayout_6"));
        horizontalLayout_6->setContentsMargins(10, 5, -1, -1);
        m_labelDiskplayDayMethod = new QLabel(m_widgetDiskplayByDay);
        m_labelDiskplayDayMethod->setObjectName(QStringLiteral("m_labelDiskplayDayMethod"));
        m_labelDiskplayDayMethod->setMinimumSize(QSize(52, 25));
        m_labelDiskplayDayMethod->setMaximumSize(QSize(1000, 25));
        m_labelDiskplayDayMethod->setAlignment(Qt::AlignCenter);
        horizontalLayout_6->addWidget(m_labelDiskplayDayMethod);
        horizontalSpacer_6 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_6->addItem(horizontalSpacer_6);
        verticalLayout->addLayout(horizontalLayout_6);

        m_labelByDay = new QLabel(m_widgetDiskplayByDay);
        m_labelByDay->setObjectName(QStringLiteral("m_labelByDay"));
        m_labelByDay->setAlignment(Qt::AlignCenter);
        verticalLayout->addWidget(m_labelByDay);

        horizontalLayout_3 = new QHBoxLayout();
        horizontalLayout_3->setSpacing(6);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer);
        m_labelDiskplayDayTip = new QLabel(m_widgetDiskplayByDay);
        m_labelDiskplayDayTip->setObjectName(QStringLiteral("m_labelDiskplayDayTip"));
        m_labelDiskplayDayTip->setMinimumSize(QSize(52, 22));
        m_labelDiskplayDayTip->setMaximumSize(QSize(52, 22));
        m_labelDiskplayDayTip->setAlignment(Qt::AlignCenter);
        horizontalLayout_3->addWidget(m_labelDiskplayDayTip);
        horizontalSpacer_2 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_3->addItem(horizontalSpacer_2);
        verticalLayout->addLayout(horizontalLayout_3);
        verticalLayout->setStretch(1, 1);
        gridLayout->addLayout(verticalLayout, 0, 0, 1, 1);
        verticalLayout_2->addWidget(m_widgetDiskplayByDay);

        verticalSpacer_2 = new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_2->addItem(verticalSpacer_2);

        diskplayLine2 = new QFrame(page);
        diskplayLine2->setObjectName(QStringLiteral("diskplayLine2"));
        diskplayLine2->setFrameShadow(QFrame::Plain);
        diskplayLine2->setFrameShape(QFrame::HLine);
        verticalLayout_2->addWidget(diskplayLine2);

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setSpacing(0);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        horizontalLayout_2->setContentsMargins(-1, 10, -1, 10);

        // Week block.
        m_widgetDiskplayByWeek = new QWidget(page);
        m_widgetDiskplayByWeek->setObjectName(QStringLiteral("m_widgetDiskplayByWeek"));
        m_widgetDiskplayByWeek->setMinimumSize(QSize(150, 106));
        m_widgetDiskplayByWeek->setMaximumSize(QSize(150, 106));
        gridLayout_2 = new QGridLayout(m_widgetDiskplayByWeek);
        gridLayout_2->setSpacing(0);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        gridLayout_2->setContentsMargins(0, 0, 0, 0);
        verticalLayout_3 = new QVBoxLayout();
        verticalLayout_3->setSpacing(0);
        verticalLayout_3->setObjectName(QStringLiteral("verticalLayout_3"));
        verticalLayout_3->setContentsMargins(-1, 0, -1, 0);
        horizontalLayout_7 = new QHBoxLayout();
        horizontalLayout_7->setSpacing(6);
        horizontalLayout_7->setObjectName(QStringLiteral("horizontalLayout_7"));
        horizontalLayout_7->setContentsMargins(5, -1, -1, -1);
        m_labelDiskplayWeekTipMethod = new QLabel(m_widgetDiskplayByWeek);
        m_labelDiskplayWeekTipMethod->setObjectName(QStringLiteral("m_labelDiskplayWeekTipMethod"));
        m_labelDiskplayWeekTipMethod->setMinimumSize(QSize(52, 22));
        m_labelDiskplayWeekTipMethod->setMaximumSize(QSize(1000, 22));
        m_labelDiskplayWeekTipMethod->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        horizontalLayout_7->addWidget(m_labelDiskplayWeekTipMethod);
        horizontalSpacer_7 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_7->addItem(horizontalSpacer_7);
        verticalLayout_3->addLayout(horizontalLayout_7);
        m_labelByWeek = new QLabel(m_widgetDiskplayByWeek);
        m_labelByWeek->setObjectName(QStringLiteral("m_labelByWeek"));
        m_labelByWeek->setAlignment(Qt::AlignCenter);
        verticalLayout_3->addWidget(m_labelByWeek);
        horizontalLayout_4 = new QHBoxLayout();
        horizontalLayout_4->setSpacing(6);
        horizontalLayout_4->setObjectName(QStringLiteral("horizontalLayout_4"));
        horizontalSpacer_3 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_4->addItem(horizontalSpacer_3);
        m_labelDiskplayWeekTip = new QLabel(m_widgetDiskplayByWeek);
        m_labelDiskplayWeekTip->setObjectName(QStringLiteral("m_labelDiskplayWeekTip"));
        m_labelDiskplayWeekTip->setMinimumSize(QSize(52, 22));
        m_labelDiskplayWeekTip->setMaximumSize(QSize(1000, 22));
        m_labelDiskplayWeekTip->setAlignment(Qt::AlignCenter);
        horizontalLayout_4->addWidget(m_labelDiskplayWeekTip);
        horizontalSpacer_4 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_4->addItem(horizontalSpacer_4);
        verticalLayout_3->addLayout(horizontalLayout_4);
        verticalLayout_3->setStretch(1, 1);
        gridLayout_2->addLayout(verticalLayout_3, 0, 0, 1, 1);
        horizontalLayout_2->addWidget(m_widgetDiskplayByWeek);

        diskplayLine3 = new QFrame(page);
        diskplayLine3->setObjectName(QStringLiteral("diskplayLine3"));
        diskplayLine3->setFrameShadow(QFrame::Plain);
        diskplayLine3->setFrameShape(QFrame::VLine);
        horizontalLayout_2->addWidget(diskplayLine3);

        // Month block.
        m_widgetDiskplayByMonth = new QWidget(page);
        m_widgetDiskplayByMonth->setObjectName(QStringLiteral("m_widgetDiskplayByMonth"));
        m_widgetDiskplayByMonth->setMinimumSize(QSize(150, 106));
        m_widgetDiskplayByMonth->setMaximumSize(QSize(150, 106));
        gridLayout_4 = new QGridLayout(m_widgetDiskplayByMonth);
        gridLayout_4->setSpacing(0);
        gridLayout_4->setObjectName(QStringLiteral("gridLayout_4"));
        gridLayout_4->setContentsMargins(0, 0, 0, 0);
        verticalLayout_4 = new QVBoxLayout();
        verticalLayout_4->setSpacing(0);
        verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
        verticalLayout_4->setContentsMargins(-1, 0, -1, 0);
        horizontalLayout_8 = new QHBoxLayout();
        horizontalLayout_8->setSpacing(6);
        horizontalLayout_8->setObjectName(QStringLiteral("horizontalLayout_8"));
        horizontalLayout_8->setContentsMargins(5, -1, -1, -1);
        m_labelDiskplayMonthMethod = new QLabel(m_widgetDiskplayByMonth);
        m_labelDiskplayMonthMethod->setObjectName(QStringLiteral("m_labelDiskplayMonthMethod"));
        m_labelDiskplayMonthMethod->setMinimumSize(QSize(52, 22));
        m_labelDiskplayMonthMethod->setMaximumSize(QSize(1000, 22));
        m_labelDiskplayMonthMethod->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        horizontalLayout_8->addWidget(m_labelDiskplayMonthMethod);
        horizontalSpacer_8 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_8->addItem(horizontalSpacer_8);
        verticalLayout_4->addLayout(horizontalLayout_8);
        m_labelByMonth = new QLabel(m_widgetDiskplayByMonth);
        m_labelByMonth->setObjectName(QStringLiteral("m_labelByMonth"));
        m_labelByMonth->setAlignment(Qt::AlignCenter);
        verticalLayout_4->addWidget(m_labelByMonth);
        horizontalLayout_5 = new QHBoxLayout();
        horizontalLayout_5->setSpacing(6);
        horizontalLayout_5->setObjectName(QStringLiteral("horizontalLayout_5"));
        horizontalSpacer_5 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_5->addItem(horizontalSpacer_5);
        m_labelDiskplayMonthTip = new QLabel(m_widgetDiskplayByMonth);
        m_labelDiskplayMonthTip->setObjectName(QStringLiteral("m_labelDiskplayMonthTip"));
        m_labelDiskplayMonthTip->setMinimumSize(QSize(52, 22));
        m_labelDiskplayMonthTip->setMaximumSize(QSize(10000, 22));
        m_labelDiskplayMonthTip->setAlignment(Qt::AlignCenter);
        horizontalLayout_5->addWidget(m_labelDiskplayMonthTip);
        horizontalSpacer_9 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_5->addItem(horizontalSpacer_9);
        verticalLayout_4->addLayout(horizontalLayout_5);
        verticalLayout_4->setStretch(1, 1);
        gridLayout_4->addLayout(verticalLayout_4, 0, 0, 1, 1);
        horizontalLayout_2->addWidget(m_widgetDiskplayByMonth);

        verticalLayout_2->addLayout(horizontalLayout_2);

        diskplayLine1 = new QFrame(page);
        diskplayLine1->setObjectName(QStringLiteral("diskplayLine1"));
        diskplayLine1->setFrameShadow(QFrame::Plain);
        diskplayLine1->setFrameShape(QFrame::HLine);
        verticalLayout_2->addWidget(diskplayLine1);

        gridLayout_3->addLayout(verticalLayout_2, 0, 0, 1, 1);

        retranslateUi(page);
    }

    void retranslateUi(QWidget *page)
    {
        page->setWindowTitle(QCoreApplication::translate("DataDisplayPage", "DataDisplayPage"));
        m_labelDiskplayTimeNeed->setText(
            QCoreApplication::translate("DataDisplayPage", "Video can be saved:"));
        m_labelDiskplayDayMethod->setText(QCoreApplication::translate("DataDisplayPage", "By Day"));
        m_labelByDay->setText(QCoreApplication::translate("DataDisplayPage",
            "<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; color:#467dd3;\">0</span>"
            "<span style=\" font-size:14pt; color:#467dd3;\">天</span></p></body></html>"));
        m_labelDiskplayDayTip->setText(QCoreApplication::translate("DataDisplayPage", "Day(s)"));
        m_labelDiskplayWeekTipMethod->setText(QCoreApplication::translate("DataDisplayPage", "By Week"));
        m_labelByWeek->setText(QCoreApplication::translate("DataDisplayPage",
            "<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; color:#467dd3;\">0</span>"
            "<span style=\" font-size:14pt; color:#467dd3;\">周</span></p></body></html>"));
        m_labelDiskplayWeekTip->setText(QCoreApplication::translate("DataDisplayPage", "Week(s)"));
        m_labelDiskplayMonthMethod->setText(QCoreApplication::translate("DataDisplayPage", "By Month"));
        m_labelByMonth->setText(QCoreApplication::translate("DataDisplayPage",
            "<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; color:#467dd3;\">0</span>"
            "<span style=\" font-size:14pt; color:#467dd3;\">月</span></p></body></html>"));
        m_labelDiskplayMonthTip->setText(QCoreApplication::translate("DataDisplayPage", "Month(s)"));
    }
};

} // namespace Ui

namespace {

// The figure templates carry no unit: the unit labels under the figures do.
// They are fixed markup, not translated.
QString figureTemplate(const char *fontSize)
{
    return QLatin1String("\t<html>\t<head/>\t<body>\t\t<p align=\"center\">\t\t\t<span style=\" font-size:")
        + QLatin1String(fontSize) + QLatin1String("; color:#467dd3;\">%1</span>\t\t</p>\t</body>\t</html>");
}

} // namespace

DataDisplayPage::DataDisplayPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DataDisplayPage)
    , m_strDayTemplate(figureTemplate("60pt"))
    , m_strWeekMonthTemplate(figureTemplate("36pt"))
{
    ui->setupUi(this);
}

DataDisplayPage::~DataDisplayPage() = default;

void DataDisplayPage::displayTime(const QString &day, const QString &week, const QString &month)
{
    ui->m_labelByDay->setText(m_strDayTemplate.arg(day));
    ui->m_labelByWeek->setText(m_strWeekMonthTemplate.arg(week));
    ui->m_labelByMonth->setText(m_strWeekMonthTemplate.arg(month));
}
