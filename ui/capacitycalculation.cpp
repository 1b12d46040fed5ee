#include "ui/capacitycalculation.h"

#include "calc/datacalculatorpage.h"
#include "ui/deviceaddpage.h"
#include "ui/widgetdevicelistborder.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace Ui {

class CapacityCalculation
{
public:
    QHBoxLayout *horizontalLayout_3;
    QVBoxLayout *m_borderLayout;
    QWidget *m_CapacityWidget;
    QVBoxLayout *verticalLayout;
    QHBoxLayout *horizontalLayout;
    QLabel *m_labelCapacityCalculationSection;
    QSpacerItem *horizontalSpacer_2;
    QLabel *m_labelCapacityCalculationTitle;
    QSpacerItem *horizontalSpacer;
    QPushButton *m_btnClear;
    QSpacerItem *verticalSpacer;
    QFrame *m_boardHline;
    QWidget *m_widgetDeviceList;
    QHBoxLayout *horizontalLayout_2;
    ::DeviceAddPage *m_deviceAddPage;
    QFrame *m_boardVline;
    ::DataCalculatorPage *m_dataCalculatorPage;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("CapacityCalculation"));
        form->resize(840, 650);
        form->setMinimumSize(QSize(800, 650));
        form->setMaximumSize(QSize(100000, 16777215));

        horizontalLayout_3 = new QHBoxLayout(form);
        horizontalLayout_3->setSpacing(6);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalLayout_3->setContentsMargins(0, 0, 0, -1);

        m_borderLayout = new QVBoxLayout();
        m_borderLayout->setSpacing(6);
        m_borderLayout->setObjectName(QStringLiteral("m_borderLayout"));

        m_CapacityWidget = new QWidget(form);
        m_CapacityWidget->setObjectName(QStringLiteral("m_CapacityWidget"));

        verticalLayout = new QVBoxLayout(m_CapacityWidget);
        verticalLayout->setSpacing(0);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(0, 22, 20, -1);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(0);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

        m_labelCapacityCalculationSection = new QLabel(m_CapacityWidget);
        m_labelCapacityCalculationSection->setObjectName(QStringLiteral("m_labelCapacityCalculationSection"));
        m_labelCapacityCalculationSection->setMaximumSize(QSize(3, 11));
        horizontalLayout->addWidget(m_labelCapacityCalculationSection);

        horizontalSpacer_2 = new QSpacerItem(6, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer_2);

        m_labelCapacityCalculationTitle = new QLabel(m_CapacityWidget);
        m_labelCapacityCalculationTitle->setObjectName(QStringLiteral("m_labelCapacityCalculationTitle"));
        horizontalLayout->addWidget(m_labelCapacityCalculationTitle);

        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer);

        m_btnClear = new QPushButton(m_CapacityWidget);
        m_btnClear->setObjectName(QStringLiteral("m_btnClear"));
        m_btnClear->setFocusPolicy(Qt::NoFocus);
        horizontalLayout->addWidget(m_btnClear);

        verticalLayout->addLayout(horizontalLayout);

        verticalSpacer = new QSpacerItem(20, 8, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer);

        m_boardHline = new QFrame(m_CapacityWidget);
        m_boardHline->setObjectName(QStringLiteral("m_boardHline"));
        m_boardHline->setFrameShadow(QFrame::Plain);
        m_boardHline->setFrameShape(QFrame::HLine);
        verticalLayout->addWidget(m_boardHline);

        m_widgetDeviceList = new QWidget(m_CapacityWidget);
        m_widgetDeviceList->setObjectName(QStringLiteral("m_widgetDeviceList"));

        horizontalLayout_2 = new QHBoxLayout(m_widgetDeviceList);
        horizontalLayout_2->setSpacing(0);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        horizontalLayout_2->setContentsMargins(0, 20, 0, -1);

        m_deviceAddPage = new ::DeviceAddPage(m_widgetDeviceList);
        m_deviceAddPage->setObjectName(QStringLiteral("m_deviceAddPage"));
        m_deviceAddPage->setMinimumSize(QSize(400, 0));
        horizontalLayout_2->addWidget(m_deviceAddPage);

        m_boardVline = new QFrame(m_widgetDeviceList);
        m_boardVline->setObjectName(QStringLiteral("m_boardVline"));
        m_boardVline->setFrameShadow(QFrame::Plain);
        m_boardVline->setFrameShape(QFrame::VLine);
        horizontalLayout_2->addWidget(m_boardVline);

        m_dataCalculatorPage = new ::DataCalculatorPage(m_widgetDeviceList);
        m_dataCalculatorPage->setObjectName(QStringLiteral("m_dataCalculatorPage"));
        m_dataCalculatorPage->setMaximumSize(QSize(380, 16777215));
        horizontalLayout_2->addWidget(m_dataCalculatorPage);

        verticalLayout->addWidget(m_widgetDeviceList);

        m_borderLayout->addWidget(m_CapacityWidget);

        horizontalLayout_3->addLayout(m_borderLayout);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("CapacityCalculation", "CapacityCalculation"));
        m_labelCapacityCalculationSection->setText(QString());
        m_labelCapacityCalculationTitle->setText(
            QCoreApplication::translate("CapacityCalculation", "Capacity Calculation :"));
        m_btnClear->setText(QCoreApplication::translate("CapacityCalculation", "Clear"));
    }
};

} // namespace Ui

CapacityCalculation::CapacityCalculation(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CapacityCalculation)
{
    ui->setupUi(this);
    m_pNormalPage = ui->m_CapacityWidget;
    m_pNullPage = new WidgetDeviceListBorder(this);
    m_pNullPage->hide();

    connect(ui->m_btnClear, &QPushButton::clicked, this, &CapacityCalculation::signalClear);

    showNullPage();
}

CapacityCalculation::~CapacityCalculation() = default;

DeviceAddPage *CapacityCalculation::getDeviceAddPage()
{
    return ui->m_deviceAddPage;
}

DataCalculatorPage *CapacityCalculation::getDataCalculatorPage()
{
    return ui->m_dataCalculatorPage;
}

QObject *CapacityCalculation::getDataDisplayPageSize()
{
    return ui->m_dataCalculatorPage->getDataDisplayPageSize();
}

QObject *CapacityCalculation::getDataDisplayPageTime()
{
    return ui->m_dataCalculatorPage->getDataDisplayPageTime();
}

void CapacityCalculation::showNullPage()
{
    clearBorder();
    m_pNormalPage->hide();
    m_pNullPage->show();
    ui->m_borderLayout->addWidget(m_pNullPage);
}

void CapacityCalculation::showNormalPage()
{
    clearBorder();
    m_pNormalPage->show();
    m_pNullPage->hide();
    ui->m_borderLayout->addWidget(m_pNormalPage);
}

void CapacityCalculation::clearBorder()
{
    // Only the layout items go; the widgets stay with the panel.
    while (QLayoutItem *item = ui->m_borderLayout->takeAt(0))
        delete item;
}
