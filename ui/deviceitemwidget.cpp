#include "ui/deviceitemwidget.h"

#include "virad/label.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QSpacerItem>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace NM_Orvane {

namespace Ui {

class DeviceItemWidget
{
public:
    QGridLayout *gridLayout;
    QVBoxLayout *verticalLayout;
    QSpacerItem *verticalSpacer;
    QHBoxLayout *horizontalLayout;
    QHBoxLayout *m_hlayoutTitle;
    QLabel *m_labelDeviceTypeIconDVR;
    QLabel *m_labelDeviceTypeIconIPC;
    QLabel *m_labelChannelGroupName;
    QSpacerItem *horizontalSpacer;
    QToolButton *m_btnDelete;
    QHBoxLayout *m_hlayoutxx;
    QHBoxLayout *m_hlayout2;
    QSpacerItem *horizontalSpacer_2;
    QHBoxLayout *m_itemContainer;
    QHBoxLayout *m_hlayout3;
    virad::Label *m_labelDeviceCounts;
    QFrame *line1;
    virad::Label *m_labelDeviceBitRate;
    QFrame *line2;
    virad::Label *m_labelDeviceResolution;
    QFrame *line3;
    virad::Label *m_labelEncodeType;
    QFrame *line4;
    virad::Label *m_labelScenceName;
    QSpacerItem *horizontalSpacer_3;
    QSpacerItem *verticalSpacer_2;
    QFrame *line5;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("DeviceItemWidget"));
        form->resize(325, 122);

        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);

        verticalLayout = new QVBoxLayout();
        verticalLayout->setSpacing(4);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(0, -1, 0, -1);

        verticalSpacer = new QSpacerItem(20, 4, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer);

        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setContentsMargins(5, 0, -1, -1);

        m_hlayoutTitle = new QHBoxLayout();
        m_hlayoutTitle->setSpacing(6);
        m_hlayoutTitle->setObjectName(QStringLiteral("m_hlayoutTitle"));

        m_labelDeviceTypeIconDVR = new QLabel(form);
        m_labelDeviceTypeIconDVR->setObjectName(QStringLiteral("m_labelDeviceTypeIconDVR"));
        m_labelDeviceTypeIconDVR->setMinimumSize(QSize(26, 26));
        m_labelDeviceTypeIconDVR->setMaximumSize(QSize(26, 26));
        m_hlayoutTitle->addWidget(m_labelDeviceTypeIconDVR);

        m_labelDeviceTypeIconIPC = new QLabel(form);
        m_labelDeviceTypeIconIPC->setObjectName(QStringLiteral("m_labelDeviceTypeIconIPC"));
        m_labelDeviceTypeIconIPC->setMinimumSize(QSize(28, 28));
        m_labelDeviceTypeIconIPC->setMaximumSize(QSize(28, 28));
        m_hlayoutTitle->addWidget(m_labelDeviceTypeIconIPC);

        m_labelChannelGroupName = new QLabel(form);
        m_labelChannelGroupName->setObjectName(QStringLiteral("m_labelChannelGroupName"));
        m_labelChannelGroupName->setMinimumSize(QSize(0, 28));
        m_hlayoutTitle->addWidget(m_labelChannelGroupName);

        horizontalLayout->addLayout(m_hlayoutTitle);

        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer);

        m_btnDelete = new QToolButton(form);
        m_btnDelete->setObjectName(QStringLiteral("m_btnDelete"));
        m_btnDelete->setMinimumSize(QSize(24, 24));
        m_btnDelete->setMaximumSize(QSize(24, 24));
        horizontalLayout->addWidget(m_btnDelete);

        verticalLayout->addLayout(horizontalLayout);

        m_hlayoutxx = new QHBoxLayout();
        m_hlayoutxx->setSpacing(0);
        m_hlayoutxx->setObjectName(QStringLiteral("m_hlayoutxx"));
        m_hlayoutxx->setContentsMargins(10, -1, -1, -1);

        m_hlayout2 = new QHBoxLayout();
        m_hlayout2->setSpacing(6);
        m_hlayout2->setObjectName(QStringLiteral("m_hlayout2"));
        m_hlayout2->setSizeConstraint(QLayout::SetMinimumSize);
        m_hlayoutxx->addLayout(m_hlayout2);

        horizontalSpacer_2 = new QSpacerItem(40, 0, QSizePolicy::Expanding, QSizePolicy::Minimum);
        m_hlayoutxx->addItem(horizontalSpacer_2);

        verticalLayout->addLayout(m_hlayoutxx);

        m_itemContainer = new QHBoxLayout();
        m_itemContainer->setSpacing(0);
        m_itemContainer->setObjectName(QStringLiteral("m_itemContainer"));
        m_itemContainer->setContentsMargins(10, -1, -1, -1);

        m_hlayout3 = new QHBoxLayout();
        m_hlayout3->setSpacing(6);
        m_hlayout3->setObjectName(QStringLiteral("m_hlayout3"));

        m_labelDeviceCounts = newFigure(form, QStringLiteral("m_labelDeviceCounts"));
        m_hlayout3->addWidget(m_labelDeviceCounts);
        line1 = newLine(form, QStringLiteral("line1"));
        m_hlayout3->addWidget(line1);
        m_labelDeviceBitRate = newFigure(form, QStringLiteral("m_labelDeviceBitRate"));
        m_hlayout3->addWidget(m_labelDeviceBitRate);
        line2 = newLine(form, QStringLiteral("line2"));
        m_hlayout3->addWidget(line2);
        m_labelDeviceResolution = newFigure(form, QStringLiteral("m_labelDeviceResolution"));
        m_hlayout3->addWidget(m_labelDeviceResolution);
        line3 = newLine(form, QStringLiteral("line3"));
        m_hlayout3->addWidget(line3);
        m_labelEncodeType = newFigure(form, QStringLiteral("m_labelEncodeType"));
        m_hlayout3->addWidget(m_labelEncodeType);
        line4 = newLine(form, QStringLiteral("line4"));
        m_hlayout3->addWidget(line4);
        m_labelScenceName = newFigure(form, QStringLiteral("m_labelScenceName"));
        m_hlayout3->addWidget(m_labelScenceName);

        m_itemContainer->addLayout(m_hlayout3);

        horizontalSpacer_3 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        m_itemContainer->addItem(horizontalSpacer_3);

        verticalLayout->addLayout(m_itemContainer);

        verticalSpacer_2 = new QSpacerItem(20, 4, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout->addItem(verticalSpacer_2);

        line5 = new QFrame(form);
        line5->setObjectName(QStringLiteral("line5"));
        line5->setFrameShadow(QFrame::Plain);
        line5->setFrameShape(QFrame::HLine);
        verticalLayout->addWidget(line5);

        gridLayout->addLayout(verticalLayout, 0, 0, 1, 1);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("DeviceItemWidget", "DeviceItemWidget"));
        m_labelDeviceTypeIconDVR->setText(QString());
        m_labelDeviceTypeIconIPC->setText(QString());
        m_labelChannelGroupName->setText(QString());
        m_btnDelete->setText(QString());
        m_labelDeviceCounts->setText(QCoreApplication::translate("DeviceItemWidget", "Counts :"));
        m_labelDeviceBitRate->setText(QCoreApplication::translate("DeviceItemWidget", "Bit Rate :"));
        m_labelDeviceResolution->setText(QCoreApplication::translate("DeviceItemWidget", "Resolution :"));
        m_labelEncodeType->setText(QCoreApplication::translate("DeviceItemWidget", "Encode Type:"));
        m_labelScenceName->setText(QCoreApplication::translate("DeviceItemWidget", "Scence Name:"));
    }

private:
    static virad::Label *newFigure(QWidget *form, const QString &name)
    {
        auto *label = new virad::Label(form);
        label->setObjectName(name);
        QSizePolicy sizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        sizePolicy.setHorizontalStretch(0);
        sizePolicy.setVerticalStretch(0);
        sizePolicy.setHeightForWidth(label->sizePolicy().hasHeightForWidth());
        label->setSizePolicy(sizePolicy);
        label->setMinimumSize(QSize(10, 0));
        return label;
    }

    static QFrame *newLine(QWidget *form, const QString &name)
    {
        auto *line = new QFrame(form);
        line->setObjectName(name);
        line->setMaximumSize(QSize(16777215, 16));
        line->setFrameShadow(QFrame::Plain);
        line->setFrameShape(QFrame::VLine);
        return line;
    }
};

} // namespace Ui

namespace {

// Widths at which the figures change arrangement.
constexpr int OneRowMinWidth = 640;
constexpr int WideOneRowMinWidth = 741;
constexpr int WideTwoRowMinWidth = 460;
// Below these card widths the scene figure would get no room at all; it
// keeps a sliver so the layout never sees a negative width.
constexpr int SceneFigureMinWidth = 10;

} // namespace

DeviceItemWidget::DeviceItemWidget(QWidget *parent, QString deviceType, QString channelName)
    : QWidget(parent)
    , ui(new Ui::DeviceItemWidget)
{
    ui->setupUi(this);
    connect(ui->m_btnDelete, &QToolButton::clicked, this, &DeviceItemWidget::OnDeleteButtonClicked);

    m_strDeviceType = deviceType;
    m_strChannelName = channelName;
    const bool isDvr = deviceType.toUpper() == QLatin1String("DVR");
    ui->m_labelDeviceTypeIconDVR->setVisible(isDvr);
    ui->m_labelDeviceTypeIconIPC->setVisible(!isDvr);
    ui->m_labelChannelGroupName->setText(channelName);

    ui->m_labelDeviceCounts->setFixedWidth(120);
    ui->m_labelDeviceBitRate->setFixedWidth(120);
    ui->m_labelDeviceResolution->setFixedWidth(120);
    ui->m_labelEncodeType->setFixedWidth(120);
    ui->m_labelScenceName->setFixedWidth(120);
}

DeviceItemWidget::~DeviceItemWidget() = default;

void DeviceItemWidget::setItemData(int count, QString resolution, QString frameRate, double bitrate,
    int itemId, int channelGroupNumber, QString encodeType, QString sceneType)
{
    const QString countText
        = QCoreApplication::translate("DeviceItemWidget", "Counts : %1").arg(QString::number(count, 10));
    const QString bitrateNumber = QString::number(bitrate, 'g', 6);

    QString bitrateText;
    QString resolutionText;
    QString encodeText;
    QString sceneText;
    if (sceneType.isEmpty()) {
        bitrateText
            = QCoreApplication::translate("DeviceItemWidget", "Fixted Rate : %1 kbps").arg(bitrateNumber);
        resolutionText = QCoreApplication::translate("DeviceItemWidget", "Frame Rate : %1").arg(frameRate);
        encodeText = QCoreApplication::translate("DeviceItemWidget", "Resolution : %1").arg(resolution);
        sceneText = QCoreApplication::translate("DeviceItemWidget", "Encode Type : %1").arg(encodeType);
    } else {
        bitrateText
            = QCoreApplication::translate("DeviceItemWidget", "Variable Rate : %1 kbps").arg(bitrateNumber);
        resolutionText = QCoreApplication::translate("DeviceItemWidget", "Resolution : %1").arg(resolution);
        encodeText = QCoreApplication::translate("DeviceItemWidget", "Encode Type : %1").arg(encodeType);
        sceneText = QCoreApplication::translate("DeviceItemWidget", "Scene Type : %1").arg(sceneType);
    }

    ui->m_labelDeviceCounts->setText(countText);
    ui->m_labelDeviceCounts->setToolTip(countText);
    ui->m_labelDeviceBitRate->setText(bitrateText);
    ui->m_labelDeviceBitRate->setToolTip(bitrateText);
    ui->m_labelDeviceResolution->setText(resolutionText);
    ui->m_labelDeviceResolution->setToolTip(sceneType.isEmpty() ? resolutionText : QString());
    ui->m_labelEncodeType->setText(encodeText);
    ui->m_labelEncodeType->setToolTip(encodeText);
    ui->m_labelScenceName->setText(sceneText);
    ui->m_labelScenceName->setToolTip(sceneText);

    ui->m_labelScenceName->setVisible(true);
    ui->line4->setVisible(true);
    m_iItemId = itemId;
    m_iChannelGroupNumber = channelGroupNumber;
    adjustLayout(width());
}

void DeviceItemWidget::updateFrameRate(QString frameRate, double bitrate)
{
    ui->m_labelDeviceResolution->setText(
        QCoreApplication::translate("DeviceItemWidget", "Frame Rate : %1").arg(frameRate));
    // Truncated like the editor's recommended figure, not rounded.
    const qint64 wholeBitrate = static_cast<qint64>(std::trunc(bitrate));
    ui->m_labelDeviceBitRate->setText(QCoreApplication::translate("DeviceItemWidget", "Fixted Rate : %1 kbps")
                                          .arg(QString::number(wholeBitrate, 10)));
}

int DeviceItemWidget::getItemId()
{
    return m_iItemId;
}

void DeviceItemWidget::adjustLayout(int width)
{
    // Adding a widget to a layout takes it out of the layout that held it and
    // appends it, so re-adding in order rebuilds a row.
    if (width < OneRowMinWidth) {
        ui->m_hlayout2->addWidget(ui->m_labelDeviceCounts);
        ui->m_hlayout2->addWidget(ui->line1);
        ui->m_hlayout2->addWidget(ui->m_labelDeviceBitRate);
        ui->m_hlayout2->addWidget(ui->line2);
        ui->line1->setVisible(true);
        ui->line2->setVisible(false);

        ui->m_labelDeviceBitRate->setFixedWidth(200);
        if (width >= WideTwoRowMinWidth) {
            ui->m_labelEncodeType->setFixedWidth(200);
            ui->m_labelScenceName->setFixedWidth(qMax(SceneFigureMinWidth, width - 346));
        } else {
            ui->m_labelEncodeType->setFixedWidth(120);
            ui->m_labelScenceName->setFixedWidth(qMax(SceneFigureMinWidth, width - 266));
        }
        return;
    }

    ui->m_hlayout3->addWidget(ui->m_labelDeviceCounts);
    ui->m_hlayout3->addWidget(ui->line1);
    ui->m_hlayout3->addWidget(ui->m_labelDeviceBitRate);
    ui->m_hlayout3->addWidget(ui->line2);
    ui->m_hlayout3->addWidget(ui->m_labelDeviceResolution);
    ui->m_hlayout3->addWidget(ui->line3);
    ui->m_hlayout3->addWidget(ui->m_labelEncodeType);
    ui->m_hlayout3->addWidget(ui->line4);
    ui->m_hlayout3->addWidget(ui->m_labelScenceName);
    ui->line1->setVisible(true);
    ui->line2->setVisible(true);

    if (width >= WideOneRowMinWidth) {
        ui->m_labelEncodeType->setFixedWidth(200);
        ui->m_labelDeviceBitRate->setFixedWidth(200);
        ui->m_labelScenceName->setFixedWidth(qMax(SceneFigureMinWidth, width - 426));
    } else {
        ui->m_labelEncodeType->setFixedWidth(120);
        ui->m_labelDeviceBitRate->setFixedWidth(120);
        ui->m_labelScenceName->setFixedWidth(qMax(SceneFigureMinWidth, width - 266));
    }
}

void DeviceItemWidget::resizeEvent(QResizeEvent *event)
{
    adjustLayout(event->size().width());
    QWidget::resizeEvent(event);
}

void DeviceItemWidget::OnDeleteButtonClicked()
{
    setFocus(Qt::ActiveWindowFocusReason);
    emit signalDeleteClicked(static_cast<long long>(m_iItemId), m_iChannelGroupNumber);
}

} // namespace NM_Orvane
