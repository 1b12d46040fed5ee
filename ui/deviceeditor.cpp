#include "ui/deviceeditor.h"

#include "app/lanaguagemanager.h"
#include "catalogue/bitratecalculator.h"
#include "catalogue/deviceconfigreader.h"
#include "catalogue/deviceinfomanager.h"
#include "toolkit/ccombobox.h"
#include "toolkit/cintvalidator.h"
#include "toolkit/clineedit.h"
#include "toolkit/cpushbutton.h"
#include "toolkit/cradiobutton.h"
#include "ui/scenceselector.h"
#include "virad/switch.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <cmath>

namespace Ui {

class DeviceEditor
{
public:
    QGridLayout *gridLayout;
    QGridLayout *m_TopGridLayout;
    QGridLayout *gridLayout_3;
    QWidget *m_verticalWidgetAddBorder;
    QVBoxLayout *verticalLayout_4;
    QGridLayout *gridLayout_4;
    QHBoxLayout *horizontalLayout;
    QLabel *m_labelStrech;
    QSpacerItem *horizontalSpacer_2;
    QLabel *m_label_AddDevice;
    QSpacerItem *horizontalSpacer_3;
    virad::Switch *PalNtscSwitch;
    QVBoxLayout *verticalLayout_11;
    QLabel *m_labelChannelName;
    QHBoxLayout *horizontalLayout_3;
    MovraGUIToolkit::CLineEdit *m_lineEditChannelName;
    QVBoxLayout *verticalLayout_12;
    QLabel *m_labelChannelCounts;
    MovraGUIToolkit::CLineEdit *m_lineEditChannelCounts;
    QVBoxLayout *verticalLayout_13;
    QLabel *m_lableDeviceType;
    MovraGUIToolkit::CComboBox *m_comboBoxDeviceType;
    QHBoxLayout *horizontalLayout_2;
    QLabel *label;
    MovraGUIToolkit::CRadioButton *m_radioButtonFixedRate;
    MovraGUIToolkit::CRadioButton *m_radioButtonVarRate;
    QSpacerItem *horizontalSpacer;
    QGridLayout *gridLayout_5;
    ::ScenceSelector *m_scenceSelector;
    QVBoxLayout *verticalLayout_5;
    QLabel *m_lableResolution;
    MovraGUIToolkit::CComboBox *m_comboBoxResolution;
    QVBoxLayout *verticalLayout_6;
    QLabel *m_labelFrameRate;
    MovraGUIToolkit::CComboBox *m_comboxFrameRate;
    QVBoxLayout *verticalLayout_7;
    QLabel *m_labelEncodeTypeLabel;
    MovraGUIToolkit::CComboBox *m_comboxEncodingType;
    QVBoxLayout *verticalLayout_10;
    QLabel *m_labelScenceRecommandRate;
    MovraGUIToolkit::CLineEdit *m_lineEditScenceRecommandRate;
    QSpacerItem *verticalSpacer;
    MovraGUIToolkit::CPushButton *m_btnAddDevice;
    QFrame *verticalFrame;
    QVBoxLayout *verticalLayout;
    QWidget *m_widgetShadow;
    QVBoxLayout *verticalLayout_2;
    QSpacerItem *verticalSpacer_2;
    QCheckBox *m_checkBoxSpread;
    QSpacerItem *verticalSpacer_3;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("DeviceEditor"));
        form->resize(619, 855);
        form->setStyleSheet(QStringLiteral("QWideget#DeviceEditor{\nbackground:Transparent\n}"));

        gridLayout = new QGridLayout(form);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(1, 0, 0, 1);

        m_TopGridLayout = new QGridLayout();
        m_TopGridLayout->setSpacing(0);
        m_TopGridLayout->setObjectName(QStringLiteral("m_TopGridLayout"));
        m_TopGridLayout->setContentsMargins(0, 0, -1, 0);

        gridLayout_3 = new QGridLayout();
        gridLayout_3->setSpacing(0);
        gridLayout_3->setObjectName(QStringLiteral("gridLayout_3"));

        m_verticalWidgetAddBorder = new QWidget(form);
        m_verticalWidgetAddBorder->setObjectName(QStringLiteral("m_verticalWidgetAddBorder"));
        QWidget *border = m_verticalWidgetAddBorder;

        verticalLayout_4 = new QVBoxLayout(border);
        verticalLayout_4->setSpacing(6);
        verticalLayout_4->setObjectName(QStringLiteral("verticalLayout_4"));
        verticalLayout_4->setContentsMargins(20, -1, 15, 19);

        gridLayout_4 = new QGridLayout();
        gridLayout_4->setSpacing(6);
        gridLayout_4->setObjectName(QStringLiteral("gridLayout_4"));
        gridLayout_4->setHorizontalSpacing(5);
        gridLayout_4->setVerticalSpacing(14);
        gridLayout_4->setContentsMargins(-1, 15, -1, -1);

        // Row 0: section mark, title and the PAL/NTSC switch.
        horizontalLayout = new QHBoxLayout();
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        m_labelStrech = new QLabel(border);
        m_labelStrech->setObjectName(QStringLiteral("m_labelStrech"));
        m_labelStrech->setMinimumSize(QSize(0, 0));
        m_labelStrech->setMaximumSize(QSize(3, 11));
        horizontalLayout->addWidget(m_labelStrech);
        horizontalSpacer_2 = new QSpacerItem(6, 20, QSizePolicy::Fixed, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer_2);
        m_label_AddDevice = new QLabel(border);
        m_label_AddDevice->setObjectName(QStringLiteral("m_label_AddDevice"));
        horizontalLayout->addWidget(m_label_AddDevice);
        horizontalSpacer_3 = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout->addItem(horizontalSpacer_3);
        PalNtscSwitch = new virad::Switch(true, border);
        PalNtscSwitch->setObjectName(QStringLiteral("PalNtscSwitch"));
        horizontalLayout->addWidget(PalNtscSwitch);
        gridLayout_4->addLayout(horizontalLayout, 0, 0, 1, 2);

        // Row 1: channel name and channel count.
        verticalLayout_11 = new QVBoxLayout();
        verticalLayout_11->setSpacing(8);
        verticalLayout_11->setObjectName(QStringLiteral("verticalLayout_11"));
        m_labelChannelName = new QLabel(border);
        m_labelChannelName->setObjectName(QStringLiteral("m_labelChannelName"));
        verticalLayout_11->addWidget(m_labelChannelName);
        horizontalLayout_3 = new QHBoxLayout();
        horizontalLayout_3->setSpacing(6);
        horizontalLayout_3->setObjectName(QStringLiteral("horizontalLayout_3"));
        horizontalLayout_3->setContentsMargins(-1, -1, 14, -1);
        m_lineEditChannelName = new MovraGUIToolkit::CLineEdit(border);
        m_lineEditChannelName->setObjectName(QStringLiteral("m_lineEditChannelName"));
        m_lineEditChannelName->setMinimumSize(QSize(0, 30));
        m_lineEditChannelName->setFocusPolicy(Qt::WheelFocus);
        horizontalLayout_3->addWidget(m_lineEditChannelName);
        verticalLayout_11->addLayout(horizontalLayout_3);
        gridLayout_4->addLayout(verticalLayout_11, 1, 0, 1, 1);

        verticalLayout_12 = new QVBoxLayout();
        verticalLayout_12->setSpacing(8);
        verticalLayout_12->setObjectName(QStringLiteral("verticalLayout_12"));
        m_labelChannelCounts = new QLabel(border);
        m_labelChannelCounts->setObjectName(QStringLiteral("m_labelChannelCounts"));
        verticalLayout_12->addWidget(m_labelChannelCounts);
        m_lineEditChannelCounts = new MovraGUIToolkit::CLineEdit(border);
        m_lineEditChannelCounts->setObjectName(QStringLiteral("m_lineEditChannelCounts"));
        QSizePolicy fixedPolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        fixedPolicy.setHorizontalStretch(0);
        fixedPolicy.setVerticalStretch(0);
        fixedPolicy.setHeightForWidth(m_lineEditChannelCounts->sizePolicy().hasHeightForWidth());
        m_lineEditChannelCounts->setSizePolicy(fixedPolicy);
        m_lineEditChannelCounts->setMinimumSize(QSize(96, 30));
        m_lineEditChannelCounts->setMaximumSize(QSize(96, 30));
        verticalLayout_12->addWidget(m_lineEditChannelCounts);
        gridLayout_4->addLayout(verticalLayout_12, 1, 1, 1, 1);

        // Row 2: device kind.
        verticalLayout_13 = new QVBoxLayout();
        verticalLayout_13->setSpacing(8);
        verticalLayout_13->setObjectName(QStringLiteral("verticalLayout_13"));
        m_lableDeviceType = new QLabel(border);
        m_lableDeviceType->setObjectName(QStringLiteral("m_lableDeviceType"));
        verticalLayout_13->addWidget(m_lableDeviceType);
        m_comboBoxDeviceType = new MovraGUIToolkit::CComboBox(border);
        m_comboBoxDeviceType->setObjectName(QStringLiteral("m_comboBoxDeviceType"));
        m_comboBoxDeviceType->setMinimumSize(QSize(0, 30));
        m_comboBoxDeviceType->setFocusPolicy(Qt::StrongFocus);
        verticalLayout_13->addWidget(m_comboBoxDeviceType);
        gridLayout_4->addLayout(verticalLayout_13, 2, 0, 1, 2);

        // Row 4: rate mode.
        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setSpacing(6);
        horizontalLayout_2->setObjectName(QStringLiteral("horizontalLayout_2"));
        label = new QLabel(border);
        label->setObjectName(QStringLiteral("label"));
        horizontalLayout_2->addWidget(label);
        m_radioButtonFixedRate = new MovraGUIToolkit::CRadioButton(border);
        m_radioButtonFixedRate->setObjectName(QStringLiteral("m_radioButtonFixedRate"));
        m_radioButtonFixedRate->setFocusPolicy(Qt::StrongFocus);
        horizontalLayout_2->addWidget(m_radioButtonFixedRate);
        m_radioButtonVarRate = new MovraGUIToolkit::CRadioButton(border);
        m_radioButtonVarRate->setObjectName(QStringLiteral("m_radioButtonVarRate"));
        m_radioButtonVarRate->setFocusPolicy(Qt::StrongFocus);
        horizontalLayout_2->addWidget(m_radioButtonVarRate);
        horizontalSpacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
        horizontalLayout_2->addItem(horizontalSpacer);
        gridLayout_4->addLayout(horizontalLayout_2, 4, 0, 1, 2);

        // Row 5: scene, resolution, frame rate, encoding and rate.
        gridLayout_5 = new QGridLayout();
        gridLayout_5->setSpacing(6);
        gridLayout_5->setObjectName(QStringLiteral("gridLayout_5"));
        gridLayout_5->setVerticalSpacing(14);
        gridLayout_5->setContentsMargins(-1, -1, -1, 0);

        m_scenceSelector = new ::ScenceSelector(border);
        m_scenceSelector->setObjectName(QStringLiteral("m_scenceSelector"));
        m_scenceSelector->setMinimumSize(QSize(0, 200));
        m_scenceSelector->setFocusPolicy(Qt::StrongFocus);
        gridLayout_5->addWidget(m_scenceSelector, 2, 0, 1, 2);

        verticalLayout_5 = new QVBoxLayout();
        verticalLayout_5->setSpacing(8);
        verticalLayout_5->setObjectName(QStringLiteral("verticalLayout_5"));
        m_lableResolution = new QLabel(border);
        m_lableResolution->setObjectName(QStringLiteral("m_lableResolution"));
        verticalLayout_5->addWidget(m_lableResolution);
        m_comboBoxResolution = new MovraGUIToolkit::CComboBox(border);
        m_comboBoxResolution->setObjectName(QStringLiteral("m_comboBoxResolution"));
        m_comboBoxResolution->setMinimumSize(QSize(0, 30));
        m_comboBoxResolution->setFocusPolicy(Qt::StrongFocus);
        m_comboBoxResolution->setEditable(false);
        m_comboBoxResolution->setDuplicatesEnabled(false);
        m_comboBoxResolution->setFrame(false);
        verticalLayout_5->addWidget(m_comboBoxResolution);
        gridLayout_5->addLayout(verticalLayout_5, 3, 0, 1, 2);

        verticalLayout_6 = new QVBoxLayout();
        verticalLayout_6->setSpacing(8);
        verticalLayout_6->setObjectName(QStringLiteral("verticalLayout_6"));
        m_labelFrameRate = new QLabel(border);
        m_labelFrameRate->setObjectName(QStringLiteral("m_labelFrameRate"));
        verticalLayout_6->addWidget(m_labelFrameRate);
        m_comboxFrameRate = new MovraGUIToolkit::CComboBox(border);
        m_comboxFrameRate->setObjectName(QStringLiteral("m_comboxFrameRate"));
        m_comboxFrameRate->setMinimumSize(QSize(0, 30));
        m_comboxFrameRate->setFocusPolicy(Qt::StrongFocus);
        verticalLayout_6->addWidget(m_comboxFrameRate);
        gridLayout_5->addLayout(verticalLayout_6, 4, 0, 1, 2);

        verticalLayout_7 = new QVBoxLayout();
        verticalLayout_7->setSpacing(8);
        verticalLayout_7->setObjectName(QStringLiteral("verticalLayout_7"));
        m_labelEncodeTypeLabel = new QLabel(border);
        m_labelEncodeTypeLabel->setObjectName(QStringLiteral("m_labelEncodeTypeLabel"));
        verticalLayout_7->addWidget(m_labelEncodeTypeLabel);
        m_comboxEncodingType = new MovraGUIToolkit::CComboBox(border);
        m_comboxEncodingType->setObjectName(QStringLiteral("m_comboxEncodingType"));
        m_comboxEncodingType->setMinimumSize(QSize(0, 30));
        m_comboxEncodingType->setFocusPolicy(Qt::StrongFocus);
        m_comboxEncodingType->setFrame(true);
        verticalLayout_7->addWidget(m_comboxEncodingType);
        gridLayout_5->addLayout(verticalLayout_7, 5, 0, 1, 2);

        verticalLayout_10 = new QVBoxLayout();
        verticalLayout_10->setSpacing(8);
        verticalLayout_10->setObjectName(QStringLiteral("verticalLayout_10"));
        m_labelScenceRecommandRate = new QLabel(border);
        m_labelScenceRecommandRate->setObjectName(QStringLiteral("m_labelScenceRecommandRate"));
        verticalLayout_10->addWidget(m_labelScenceRecommandRate);
        m_lineEditScenceRecommandRate = new MovraGUIToolkit::CLineEdit(border);
        m_lineEditScenceRecommandRate->setObjectName(QStringLiteral("m_lineEditScenceRecommandRate"));
        m_lineEditScenceRecommandRate->setMinimumSize(QSize(0, 30));
        m_lineEditScenceRecommandRate->setFocusPolicy(Qt::WheelFocus);
        verticalLayout_10->addWidget(m_lineEditScenceRecommandRate);
        gridLayout_5->addLayout(verticalLayout_10, 6, 0, 1, 2);

        gridLayout_4->addLayout(gridLayout_5, 5, 0, 1, 2);

        verticalLayout_4->addLayout(gridLayout_4);

        verticalSpacer = new QSpacerItem(540, 175, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout_4->addItem(verticalSpacer);

        m_btnAddDevice = new MovraGUIToolkit::CPushButton(border);
        m_btnAddDevice->setObjectName(QStringLiteral("m_btnAddDevice"));
        m_btnAddDevice->setMinimumSize(QSize(0, 36));
        m_btnAddDevice->setFocusPolicy(Qt::WheelFocus);
        verticalLayout_4->addWidget(m_btnAddDevice);

        gridLayout_3->addWidget(m_verticalWidgetAddBorder, 0, 0, 1, 1);

        // The strip shown instead of the form while it is collapsed.
        verticalFrame = new QFrame(form);
        verticalFrame->setObjectName(QStringLiteral("verticalFrame"));
        verticalFrame->setMinimumSize(QSize(10, 0));
        verticalFrame->setFrameShape(QFrame::NoFrame);
        verticalLayout = new QVBoxLayout(verticalFrame);
        verticalLayout->setSpacing(0);
        verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
        verticalLayout->setContentsMargins(0, 0, 0, 0);
        gridLayout_3->addWidget(verticalFrame, 0, 1, 1, 1);

        m_TopGridLayout->addLayout(gridLayout_3, 0, 0, 1, 1);

        m_widgetShadow = new QWidget(form);
        m_widgetShadow->setObjectName(QStringLiteral("m_widgetShadow"));
        verticalLayout_2 = new QVBoxLayout(m_widgetShadow);
        verticalLayout_2->setSpacing(6);
        verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
        verticalLayout_2->setContentsMargins(0, -1, -1, -1);
        verticalSpacer_2 = new QSpacerItem(20, 100, QSizePolicy::Minimum, QSizePolicy::Fixed);
        verticalLayout_2->addItem(verticalSpacer_2);
        m_checkBoxSpread = new QCheckBox(m_widgetShadow);
        m_checkBoxSpread->setObjectName(QStringLiteral("m_checkBoxSpread"));
        m_checkBoxSpread->setFocusPolicy(Qt::NoFocus);
        m_checkBoxSpread->setChecked(false);
        verticalLayout_2->addWidget(m_checkBoxSpread);
        verticalSpacer_3 = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
        verticalLayout_2->addItem(verticalSpacer_3);
        m_TopGridLayout->addWidget(m_widgetShadow, 0, 1, 1, 1);

        gridLayout->addLayout(m_TopGridLayout, 0, 0, 1, 1);

        QWidget::setTabOrder(m_lineEditChannelName, m_lineEditChannelCounts);
        QWidget::setTabOrder(m_lineEditChannelCounts, m_comboBoxDeviceType);
        QWidget::setTabOrder(m_comboBoxDeviceType, m_radioButtonFixedRate);
        QWidget::setTabOrder(m_radioButtonFixedRate, m_radioButtonVarRate);
        QWidget::setTabOrder(m_radioButtonVarRate, m_scenceSelector);
        QWidget::setTabOrder(m_scenceSelector, m_comboBoxResolution);
        QWidget::setTabOrder(m_comboBoxResolution, m_comboxFrameRate);
        QWidget::setTabOrder(m_comboxFrameRate, m_comboxEncodingType);
        QWidget::setTabOrder(m_comboxEncodingType, m_lineEditScenceRecommandRate);
        QWidget::setTabOrder(m_lineEditScenceRecommandRate, m_btnAddDevice);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("DeviceEditor", "DeviceEditor"));
        m_checkBoxSpread->setText(QString());
        m_labelStrech->setText(QString());
        m_labelChannelCounts->setText(QCoreApplication::translate("DeviceEditor", "Channel Counts :"));
        m_label_AddDevice->setText(QCoreApplication::translate("DeviceEditor", "Add Device"));
        m_labelFrameRate->setText(QCoreApplication::translate("DeviceEditor", "Frame Rate :     "));
        m_labelScenceRecommandRate->setText(QCoreApplication::translate("DeviceEditor", "Recommend Rate :"));
        m_lableResolution->setText(QCoreApplication::translate("DeviceEditor", "Device Resolution :"));
        m_labelEncodeTypeLabel->setText(QCoreApplication::translate("DeviceEditor", "Encoding Type :"));
        label->setText(QCoreApplication::translate("DeviceEditor", "Encode Section :        "));
        m_radioButtonFixedRate->setText(QCoreApplication::translate("DeviceEditor", "Fixed Rate"));
        m_radioButtonVarRate->setText(QCoreApplication::translate("DeviceEditor", "VarRate"));
        m_labelChannelName->setText(QCoreApplication::translate("DeviceEditor", "Channel Name :"));
        m_lableDeviceType->setText(QCoreApplication::translate("DeviceEditor", "Device Type :"));
        m_btnAddDevice->setText(QCoreApplication::translate("DeviceEditor", "+ Add"));
    }
};

} // namespace Ui

namespace {

// Frame-rate list positions whose rate is fixed instead of parsed: the
// catalogue shows them as fractions such as "1/2".
constexpr int FirstFractionalFramePosition = 18;
constexpr double FractionalFrameRates[] = { 0.5, 0.25, 0.125, 0.0625 };
constexpr int FractionalFrameRateCount = int(sizeof(FractionalFrameRates) / sizeof(FractionalFrameRates[0]));

constexpr int ExpandedWidth = 390;
constexpr int CollapsedWidth = 34;

} // namespace

DeviceEditor::DeviceEditor(QWidget *parent)
    : QWidget(parent)
{
    m_pDeviceInfoManager = new DeviceInfoManager(this);
    m_pDeviceConfigReader = std::make_unique<DeviceConfigReader>();
    m_pBitrateCalculator = std::make_unique<BitrateCalculator>();

    ui = std::make_unique<Ui::DeviceEditor>();
    ui->setupUi(this);

    initControls();
    initConnections();

    setFixedWidth(400);
    ui->m_lineEditScenceRecommandRate->setValidator(new MovraGUIToolkit::CIntValidator(0, 204800, this));
    ui->m_lineEditChannelCounts->setValidator(new MovraGUIToolkit::CIntValidator(0, 1024, this));
    ui->m_lineEditChannelName->setMaxLength(20);
}

DeviceEditor::~DeviceEditor() = default;

void DeviceEditor::initControls()
{
    ui->m_lineEditChannelName->setText(tr("Channel Name"));
    ui->m_lineEditChannelCounts->setText(QStringLiteral("1"));

    ui->m_comboBoxDeviceType->addItems(m_pDeviceInfoManager->getDeviceTypeNames());

    ui->m_radioButtonFixedRate->setChecked(true);

    const QVector<QString> scenceNames = m_pDeviceInfoManager->getScenceNames();
    QVector<SCENCE_ITEM> scences;
    for (int i = 0; i < scenceNames.size(); ++i) {
        SCENCE_ITEM scence;
        scence.iScenceType = i;
        scence.strScenceName = scenceNames.at(i);
        scences.append(scence);
    }
    ui->m_scenceSelector->setScenceData(scences);
    if (scences.isEmpty())
        ui->m_radioButtonVarRate->hide();

    ui->PalNtscSwitch->setFixedSize(84, 24);
    ui->PalNtscSwitch->setOnText(tr("PAL"));
    ui->PalNtscSwitch->setOffText(tr("NTSC"));

    enterFixedRateMode();
    OnSetFrameByStandard(0);
    refreshFixedRate();
}

void DeviceEditor::initConnections()
{
    connect(ui->m_btnAddDevice, &QPushButton::clicked, this, &DeviceEditor::OnBtnAddDeviceClicked);
    connect(ui->m_radioButtonFixedRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    connect(ui->m_radioButtonVarRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    connect(ui->m_comboBoxDeviceType, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnDeviceTypeChanged);
    connectResolutionList();
    connect(ui->m_comboxFrameRate, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnFixedRateFrameRateChanged);
    connectEncodingList();
    connect(ui->m_scenceSelector, &ScenceSelector::signalScenceChanged, this, &DeviceEditor::OnScenceChanged);
    connect(ui->m_checkBoxSpread, &QCheckBox::toggled, this, &DeviceEditor::OnSpreadChanged);
    connect(ui->PalNtscSwitch, &virad::Switch::signalON, this, &DeviceEditor::OnFrametareStandardPAL);
    connect(ui->PalNtscSwitch, &virad::Switch::signalOFF, this, &DeviceEditor::OnFrametareStandardNTSC);
}

void DeviceEditor::setDeviceTypes(QVector<StructDeviceType> deviceTypes)
{
    ui->m_comboBoxDeviceType->clear();
    for (const StructDeviceType &deviceType : qAsConst(deviceTypes)) {
        ui->m_comboBoxDeviceType->addItem(deviceType.strDeviceTypeName);
        ui->m_comboBoxDeviceType->setItemData(
            ui->m_comboBoxDeviceType->count() - 1, deviceType.iDeviceType, Qt::UserRole);
    }
}

void DeviceEditor::setDeviceResolutions(QMap<int, QString> deviceTypes)
{
    ui->m_comboBoxResolution->clear();
    for (auto it = deviceTypes.constBegin(); it != deviceTypes.constEnd(); ++it) {
        ui->m_comboBoxResolution->addItem(it.value());
        ui->m_comboBoxResolution->setItemData(ui->m_comboBoxResolution->count() - 1, it.key(), Qt::UserRole);
    }
}

void DeviceEditor::setScenceRecommandRateText(QString rate)
{
    ui->m_lineEditScenceRecommandRate->setText(rate);
}

void DeviceEditor::OnRateSelected()
{
    if (sender() == ui->m_radioButtonFixedRate) {
        enterFixedRateMode();
        refreshFixedRate();
        return;
    }

    ui->m_scenceSelector->show();
    ui->m_labelFrameRate->hide();
    ui->m_comboxFrameRate->hide();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();
    // Always scene 0, whatever button the selector shows checked.
    OnScenceChanged(0);
}

QObject *DeviceEditor::getScenceSelector()
{
    return ui->m_scenceSelector;
}

void DeviceEditor::OnSpreadChanged(bool spread)
{
    ui->m_verticalWidgetAddBorder->setVisible(!spread);
    ui->verticalFrame->setVisible(spread);
    setFixedWidth(spread ? CollapsedWidth : ExpandedWidth);
}

void DeviceEditor::OnFrametareStandardPAL()
{
    OnSetFrameByStandard(0);
    emit signalCurrentFrameStandard(0);
}

void DeviceEditor::OnFrametareStandardNTSC()
{
    OnSetFrameByStandard(1);
    emit signalCurrentFrameStandard(1);
}

void DeviceEditor::OnDeviceTypeChanged(int index)
{
    if (!isFixedRateMode() || (index != 0 && index != 1))
        return;
    refillResolutionsNotifying(m_pDeviceInfoManager->getResolutionNames(index + 1));
    refreshFixedRate();
}

void DeviceEditor::OnResolutionChanged(int index)
{
    Q_UNUSED(index)
    if (isFixedRateMode())
        refreshFixedRate();
    else
        refreshVarRateEncodings();
}

void DeviceEditor::OnFixedRateFrameRateChanged(int index)
{
    Q_UNUSED(index)
    refreshFixedRate();
}

void DeviceEditor::OnEncodingTypeChanged(int index)
{
    Q_UNUSED(index)
    if (isFixedRateMode()) {
        m_pBitrateCalculator->setEncoding(ui->m_comboxEncodingType->currentText());
        refreshFixedRate();
    } else {
        refreshVarRateRecommendation();
    }
}

void DeviceEditor::OnScenceChanged(int scenceType)
{
    const QString scence = m_pDeviceInfoManager->getScenceName(scenceType);

    QStringList resolutions;
    m_pDeviceConfigReader->getScenceResolutions(scence, resolutions);
    refillResolutionsQuietly(resolutions);
    const QString resolution = ui->m_comboBoxResolution->currentText();

    QStringList encodings;
    m_pDeviceConfigReader->getScenceEncodings(scence, resolution, encodings);
    refillEncodingsQuietly(encodings);
    const QString encoding = ui->m_comboxEncodingType->currentText();

    applyScence(scence, encoding, resolution);
    m_iCurrentScence = scenceType;
}

void DeviceEditor::OnBtnAddDeviceClicked()
{
    StructDeviceItem item;
    item.dBitrate = ui->m_lineEditScenceRecommandRate->text().toDouble();
    item.iChannelCounts = ui->m_lineEditChannelCounts->text().toInt(nullptr, 10);
    item.strEncodeType = ui->m_comboxEncodingType->currentText();
    item.bReserved = false;
    const int groupNumber = m_pDeviceInfoManager->allocateChannelGroupNumber();
    item.strChannelName = ui->m_lineEditChannelName->text() + QLatin1Char('(')
        + QString::number(groupNumber, 10) + QLatin1Char(')');
    item.strReserved = QString();
    item.strResolution = ui->m_comboBoxResolution->currentText();
    if (isFixedRateMode()) {
        item.strScenceName = QString();
        item.strFrameRate = ui->m_comboxFrameRate->currentText();
    } else {
        item.strScenceName = m_pDeviceInfoManager->getScenceName(m_iCurrentScence);
        item.strFrameRate = QString();
    }
    item.strDeviceType = ui->m_comboBoxDeviceType->currentText();
    item.iChannelGroupNumber = groupNumber;

    if (!m_bAppStarted) {
        emit signalAppStart();
        m_bAppStarted = true;
    }
    emit signalAddDevice(item);
}

void DeviceEditor::OnDeleteChannelGroupNumber(int iChannelGroupNumber)
{
    m_pDeviceInfoManager->releaseChannelGroupNumber(iChannelGroupNumber);
}

void DeviceEditor::OnSetFrameByStandard(int index)
{
    // Connected after construction, so each step recomputes the rate and the
    // final selection decides it.
    ui->m_comboxFrameRate->clear();
    ui->m_comboxFrameRate->addItems(m_pDeviceInfoManager->getFrameRates(index));
    ui->m_comboxFrameRate->setCurrentIndex(1);
}

void DeviceEditor::enterFixedRateMode()
{
    emit signalGetFrameStandard();

    ui->m_scenceSelector->hide();
    ui->m_labelFrameRate->show();
    ui->m_comboxFrameRate->show();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();
    ui->m_labelScenceRecommandRate->setText(tr("Recommend Rate :"));

    // "Lumaro" and "Zenvo" name one encoding; each language shows one of them.
    QStringList encodings = m_pDeviceConfigReader->getEncodingTypes();
    encodings.sort();
    const bool english = apt::LanaguageManager::instance()->language() == 0;
    encodings.removeAll(english ? QStringLiteral("Lumaro") : QStringLiteral("Zenvo"));
    ui->m_comboxEncodingType->clear();
    ui->m_comboxEncodingType->addItems(encodings);

    const int table = ui->m_comboBoxDeviceType->currentIndex() == 0 ? 1 : 2;
    refillResolutionsNotifying(m_pDeviceInfoManager->getResolutionNames(table));
}

void DeviceEditor::refreshFixedRate()
{
    if (!isFixedRateMode())
        return;

    const int kind = ui->m_comboBoxDeviceType->currentIndex() == 1 ? 1 : 0;
    const QString resolution = ui->m_comboBoxResolution->currentText();

    // An empty frame list (or one longer than the catalogue's 22 entries)
    // has no defined rate; 0 gives the table's lowest figure.
    double frameRate = 0.0;
    const int position = ui->m_comboxFrameRate->currentIndex();
    if (position >= 0 && position < FirstFractionalFramePosition)
        frameRate = ui->m_comboxFrameRate->currentText().toDouble();
    else if (position >= FirstFractionalFramePosition
        && position < FirstFractionalFramePosition + FractionalFrameRateCount)
        frameRate = FractionalFrameRates[position - FirstFractionalFramePosition];

    const double bitrate = m_pBitrateCalculator->calculateChannelBitrate(kind, resolution, frameRate);
    ui->m_lineEditScenceRecommandRate->setText(QString::number(static_cast<qint64>(std::trunc(bitrate)), 10));
}

void DeviceEditor::refreshVarRateEncodings()
{
    const QString scence = m_pDeviceInfoManager->getScenceName(m_iCurrentScence);
    const QString resolution = ui->m_comboBoxResolution->currentText();

    QStringList encodings;
    m_pDeviceConfigReader->getScenceEncodings(scence, resolution, encodings);
    refillEncodingsQuietly(encodings);

    applyScence(scence, ui->m_comboxEncodingType->currentText(), resolution);
}

void DeviceEditor::refreshVarRateRecommendation()
{
    applyScence(m_pDeviceInfoManager->getScenceName(m_iCurrentScence),
        ui->m_comboxEncodingType->currentText(), ui->m_comboBoxResolution->currentText());
}

void DeviceEditor::applyScence(const QString &scence, const QString &encoding, const QString &resolution)
{
    ui->m_scenceSelector->setScencePicture(
        m_pDeviceInfoManager->getScencePicture(scence, encoding, resolution));
    // -1 (no such row) is shown as it is.
    setScenceRecommandRateText(
        QString::number(m_pDeviceInfoManager->getScenceRecommandRate(scence, encoding, resolution), 10));
}

bool DeviceEditor::isFixedRateMode() const
{
    return ui->m_radioButtonFixedRate->isChecked();
}

void DeviceEditor::refillResolutionsNotifying(const QStringList &resolutions)
{
    disconnect(ui->m_comboBoxResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnResolutionChanged);
    ui->m_comboBoxResolution->clear();
    connectResolutionList();
    ui->m_comboBoxResolution->addItems(resolutions);
}

void DeviceEditor::refillResolutionsQuietly(const QStringList &resolutions)
{
    disconnect(ui->m_comboBoxResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnResolutionChanged);
    ui->m_comboBoxResolution->clear();
    ui->m_comboBoxResolution->addItems(resolutions);
    connectResolutionList();
}

void DeviceEditor::refillEncodingsQuietly(const QStringList &encodings)
{
    disconnect(ui->m_comboxEncodingType, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnEncodingTypeChanged);
    ui->m_comboxEncodingType->clear();
    ui->m_comboxEncodingType->addItems(encodings);
    connectEncodingList();
}

// Unique: the first refill at start connects the list before the
// constructor's own connections run, and a second connection would run the
// slot twice per change.
void DeviceEditor::connectResolutionList()
{
    connect(ui->m_comboBoxResolution, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnResolutionChanged, Qt::UniqueConnection);
}

void DeviceEditor::connectEncodingList()
{
    connect(ui->m_comboxEncodingType, qOverload<int>(&QComboBox::currentIndexChanged), this,
        &DeviceEditor::OnEncodingTypeChanged, Qt::UniqueConnection);
}
