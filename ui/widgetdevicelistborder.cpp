#include "ui/widgetdevicelistborder.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>

namespace Ui {

class WidgetDeviceListBorder
{
public:
    QGridLayout *gridLayout;
    QHBoxLayout *horizontalLayout_2;
    QSpacerItem *horizontalSpacer;
    QHBoxLayout *horizontalLayout;
    QLabel *m_labelNullPic;
    QLabel *m_labeNullTip;
    QSpacerItem *horizontalSpacer_2;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("WidgetDeviceListBorder"));
        form->resize(616, 515);

        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(6);
        gridLayout->setContentsMargins(11, 11, 11, 11);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setSpacing(6);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));

        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_2->addItem(horizontalSpacer);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));

        m_labelNullPic = new QLabel(form);
        m_labelNullPic->setObjectName(QStringLiteral("m_labelNullPic"));
        m_labelNullPic->setMinimumSize(QSize(90, 90));
        m_labelNullPic->setMaximumSize(QSize(90, 90));
        horizontalLayout->addWidget(m_labelNullPic);

        m_labeNullTip = new QLabel(form);
        m_labeNullTip->setObjectName(QStringLiteral("m_labeNullTip"));
        horizontalLayout->addWidget(m_labeNullTip);

        horizontalLayout_2->addLayout(horizontalLayout);

        horizontalSpacer_2 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_2->addItem(horizontalSpacer_2);

        gridLayout->addLayout(horizontalLayout_2, 0, 0, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("WidgetDeviceListBorder", "WidgetDeviceListBorder"));
        m_labelNullPic->setText(QString());
        m_labeNullTip->setText(QCoreApplication::translate("WidgetDeviceListBorder",
            "<html><head/><body><p><span style=\" font-size:18pt; color:#D9DaDb;\">NO DEVICE, </span><span "
            "style=\" font-size:18pt; font-weight:600; color:#D9dadb;\">Please Add "
            "Device!</span></p></body></html>"));
    }
};

} // namespace Ui

WidgetDeviceListBorder::WidgetDeviceListBorder(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::WidgetDeviceListBorder)
{
    ui->setupUi(this);
}

WidgetDeviceListBorder::~WidgetDeviceListBorder() = default;
