#include "ui/orvanemainpage.h"

#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"
#include "dialogs/tipdialog.h"
#include "dialogs/updatedialog.h"
#include "ui/aboutdialog.h"
#include "ui/capacitycalculation.h"
#include "ui/deviceaddpage.h"
#include "ui/deviceeditor.h"
#include "virad/coverwidget.h"
#include "virad/menu.h"
#include "virad/windowtitle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

namespace Ui {

class OrvaneMainPage
{
public:
    QWidget *centralWidget = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QVBoxLayout *topLayout = nullptr;
    QScrollArea *scrollArea = nullptr;
    QWidget *scrollAreaWidgetContents = nullptr;
    QGridLayout *gridLayout = nullptr;
    QVBoxLayout *m_boardLayout = nullptr;

    void setupUi(QMainWindow *window)
    {
        if (window->objectName().isEmpty())
            window->setObjectName(QStringLiteral("OrvaneMainPage"));
        window->setWindowModality(Qt::NonModal);
        window->resize(1120, 650);
        window->setMaximumSize(QSize(100000, 100000));

        centralWidget = new QWidget(window);
        centralWidget->setObjectName(QStringLiteral("centralWidget"));
        centralWidget->setMaximumSize(QSize(16777215, 16777215));
        gridLayout_2 = new QGridLayout(centralWidget);
        gridLayout_2->setSpacing(0);
        gridLayout_2->setObjectName(QStringLiteral("gridLayout_2"));
        gridLayout_2->setContentsMargins(0, 0, 0, 0);

        topLayout = new QVBoxLayout();
        topLayout->setSpacing(6);
        topLayout->setObjectName(QStringLiteral("topLayout"));
        gridLayout_2->addLayout(topLayout, 0, 0, 1, 1);

        scrollArea = new QScrollArea(centralWidget);
        scrollArea->setObjectName(QStringLiteral("scrollArea"));
        scrollArea->setWidgetResizable(true);
        scrollAreaWidgetContents = new QWidget();
        scrollAreaWidgetContents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
        scrollAreaWidgetContents->setGeometry(QRect(0, 0, 1118, 646));
        gridLayout = new QGridLayout(scrollAreaWidgetContents);
        gridLayout->setSpacing(0);
        gridLayout->setObjectName(QStringLiteral("gridLayout"));
        gridLayout->setContentsMargins(0, 0, 0, 0);
        m_boardLayout = new QVBoxLayout();
        m_boardLayout->setSpacing(0);
        m_boardLayout->setObjectName(QStringLiteral("m_boardLayout"));
        m_boardLayout->setContentsMargins(-1, 0, -1, -1);
        gridLayout->addLayout(m_boardLayout, 0, 0, 1, 1);
        scrollArea->setWidget(scrollAreaWidgetContents);
        gridLayout_2->addWidget(scrollArea, 1, 0, 1, 1);

        window->setCentralWidget(centralWidget);

        retranslateUi(window);
    }

    void retranslateUi(QMainWindow *window)
    {
        window->setWindowTitle(QCoreApplication::translate("OrvaneMainPage", "OrvaneMainPage"));
    }
};

} // namespace Ui

OrvaneMainPage::OrvaneMainPage(QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::OrvaneMainPage>())
{
    ui->setupUi(this);
    initWidgets();
}

OrvaneMainPage::~OrvaneMainPage() = default;

void OrvaneMainPage::initWidgets()
{
    setWindowFlags(Qt::FramelessWindowHint);

    m_windowTitle = new virad::WindowTitle(this);
    m_windowTitle->setObjectName(QStringLiteral("m_windowTitle"));
    m_contentLayout = new QHBoxLayout();
    m_contentLayout->setObjectName(QStringLiteral("m_contentLayout"));
    m_pDeviceEditor = new DeviceEditor(nullptr);
    m_pCapacityCalculation = new CapacityCalculation(ui->scrollAreaWidgetContents);
    m_pCapacityCalculation->setObjectName(QStringLiteral("m_pCapacityCalculation"));

    m_menu = new virad::Menu(this);
    m_aboutDialog = std::make_unique<AboutDialog>(nullptr);
    m_menu->addAction(m_aboutDialog.get());
    m_menu->setObjectName(QStringLiteral("aboutMenu"));
    m_menu->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_menu->setAttribute(Qt::WA_TranslucentBackground);
    m_menu->setFocusPolicy(Qt::NoFocus);

    ui->topLayout->addWidget(m_windowTitle);
    m_contentLayout->addWidget(m_pDeviceEditor);
    m_contentLayout->addWidget(m_pCapacityCalculation);
    ui->m_boardLayout->addLayout(m_contentLayout);

    m_windowTitle->setTitle(tr("Orvane"));
    setWindowTitle(tr("Orvane"));

    connect(m_aboutDialog.get(), &AboutDialog::siganlBtn1Clicked, this, &OrvaneMainPage::OnMenuHelpClicked);
    connect(m_aboutDialog.get(), &AboutDialog::siganlBtn2Clicked, this, &OrvaneMainPage::OnMenuUpdateClicked);

    m_cover = new virad::CoverWidget(this);
    m_cover->setObjectName(QStringLiteral("m_coverWidget"));
    m_cover->hide();
    m_cover->lower();
}

void OrvaneMainPage::initConnections()
{
    DeviceEditor *editor = m_pDeviceEditor;
    DeviceAddPage *deviceList = m_pCapacityCalculation->getDeviceAddPage();
    DataCalculatorPage *calculator = m_pCapacityCalculation->getDataCalculatorPage();
    auto *sizePage = qobject_cast<SizeDisplayPage *>(calculator->getDataDisplayPageSize());
    auto *timePage = qobject_cast<DataDisplayPage *>(calculator->getDataDisplayPageTime());
    Q_ASSERT(sizePage && timePage);

    // Device editor and device list.
    connect(editor, &DeviceEditor::signalAddDevice, deviceList,
        qOverload<const StructDeviceItem &>(&DeviceAddPage::addDeviceTypeItem), Qt::DirectConnection);
    connect(editor, &DeviceEditor::signalAppStart, m_pCapacityCalculation,
        &CapacityCalculation::showNormalPage, Qt::DirectConnection);
    connect(deviceList, &DeviceAddPage::SianalDeviceDelete, editor, &DeviceEditor::OnDeleteChannelGroupNumber,
        Qt::DirectConnection);
    connect(editor, &DeviceEditor::signalCurrentFrameStandard, deviceList,
        &DeviceAddPage::OnFrametareStandardChanged, Qt::AutoConnection);

    // Total bitrate to the calculator page and its results.
    connect(deviceList, &DeviceAddPage::SignalDeviceChanged, calculator, &DataCalculatorPage::OnDeviceChanged,
        Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setDiskSize, sizePage, &SizeDisplayPage::displaySize,
        Qt::DirectConnection);
    connect(calculator, &DataCalculatorPage::setTime, timePage, &DataDisplayPage::displayTime,
        Qt::DirectConnection);
    connect(m_pCapacityCalculation, &CapacityCalculation::signalClear, deviceList,
        &DeviceAddPage::onClearDeviceItems, Qt::AutoConnection);
    connect(deviceList, &DeviceAddPage::signalCover, this, &OrvaneMainPage::enableCover, Qt::AutoConnection);
    connect(
        deviceList, &DeviceAddPage::signalDisvocer, this, &OrvaneMainPage::disableCover, Qt::AutoConnection);

    // System menu and user help.
    connect(m_windowTitle, &virad::WindowTitle::signalSystemMenu, this, &OrvaneMainPage::OnBtnSystemMenu,
        Qt::DirectConnection);
    connect(m_aboutDialog.get(), &AboutDialog::signalCover, this, &OrvaneMainPage::enableCover,
        Qt::AutoConnection);
    connect(m_aboutDialog.get(), &AboutDialog::signalDiscover, this, &OrvaneMainPage::disableCover,
        Qt::AutoConnection);
    connect(this, &OrvaneMainPage::signalGetHelp, m_aboutDialog.get(), &AboutDialog::onGetHelp,
        Qt::AutoConnection);
}

void OrvaneMainPage::resizeAddBoarder() { }

const QObject *OrvaneMainPage::getDeviceEditor()
{
    return m_pDeviceEditor;
}

const QObject *OrvaneMainPage::getScenceSelector()
{
    return m_pDeviceEditor->getScenceSelector();
}

const QObject *OrvaneMainPage::getCapacityCalculation()
{
    return m_pCapacityCalculation;
}

const QObject *OrvaneMainPage::getDeviceAddPage()
{
    return m_pCapacityCalculation->getDeviceAddPage();
}

const QObject *OrvaneMainPage::getDataCalculatorPage()
{
    return m_pCapacityCalculation->getDataCalculatorPage();
}

const QObject *OrvaneMainPage::getDataDisplayPageSize()
{
    return m_pCapacityCalculation->getDataDisplayPageSize();
}

const QObject *OrvaneMainPage::getDataDisplayPageTime()
{
    return m_pCapacityCalculation->getDataDisplayPageTime();
}

void OrvaneMainPage::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_F1)
        emit signalGetHelp();
}

void OrvaneMainPage::resizeEvent(QResizeEvent *e)
{
    // Kept at the window's size even while hidden, so it covers everything
    // the moment it is shown.
    m_cover->resize(e->size());
    if (m_covered)
        m_cover->move(0, 0);
    QMainWindow::resizeEvent(e);
}

void OrvaneMainPage::closeEvent(QCloseEvent *e)
{
    enableCover();

    NM_Orvane::TipDialog dialog(nullptr);
    dialog.resize(350, 220);
    dialog.setTitle(tr("Exit"));
    dialog.setTipText(tr("Exit the Orvane software?"));
    dialog.centreOver(this);

    if (dialog.exec() == QDialog::Accepted) {
        e->accept();
    } else {
        disableCover();
        e->ignore();
    }
    disableCover();
}

void OrvaneMainPage::setCover(bool coverIt)
{
    if (coverIt) {
        m_cover->show();
        m_cover->move(0, 0);
        m_cover->raise();
    } else {
        m_cover->hide();
        m_cover->lower();
    }
    m_covered = coverIt;
}

void OrvaneMainPage::enableCover()
{
    setCover(true);
}

void OrvaneMainPage::disableCover()
{
    setCover(false);
}

void OrvaneMainPage::OnBtnSystemMenu()
{
    m_menu->popup(QCursor::pos() - QPoint(189, 0));
}

void OrvaneMainPage::OnMenuHelpClicked()
{
    m_menu->close();
}

void OrvaneMainPage::OnMenuUpdateClicked()
{
    m_menu->close();
    setCover(true);
    UpdateDialog dialog(nullptr);
    dialog.centreOver(this);
    dialog.exec();
    disableCover();
}
