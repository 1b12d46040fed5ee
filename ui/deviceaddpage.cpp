#include "ui/deviceaddpage.h"

#include "catalogue/bitratecalculator.h"
#include "catalogue/deviceconfigreader.h"
#include "dialogs/tipdialog.h"
#include "ui/deviceitemwidget.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMutexLocker>
#include <QResizeEvent>

#include <cmath>
#include <optional>

namespace Ui {

class DeviceAddPage
{
public:
    QHBoxLayout *horizontalLayout;
    QListWidget *m_listWidgetDiskData;

    void setupUi(QWidget *form)
    {
        if (form->objectName().isEmpty())
            form->setObjectName(QStringLiteral("DeviceAddPage"));
        form->resize(400, 497);

        horizontalLayout = new QHBoxLayout(form);
        horizontalLayout->setSpacing(6);
        horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
        horizontalLayout->setContentsMargins(0, 0, -1, 0);

        m_listWidgetDiskData = new QListWidget(form);
        m_listWidgetDiskData->setObjectName(QStringLiteral("m_listWidgetDiskData"));
        m_listWidgetDiskData->setFocusPolicy(Qt::NoFocus);
        m_listWidgetDiskData->setFrameShadow(QFrame::Plain);
        m_listWidgetDiskData->setLineWidth(0);
        m_listWidgetDiskData->setAutoScrollMargin(16);
        m_listWidgetDiskData->setFlow(QListView::TopToBottom);
        horizontalLayout->addWidget(m_listWidgetDiskData);

        retranslateUi(form);
    }

    void retranslateUi(QWidget *form)
    {
        form->setWindowTitle(QCoreApplication::translate("DeviceAddPage", "DeviceAddPage"));
    }
};

} // namespace Ui

namespace {

// Row heights: cards narrower than this need two rows of figures.
constexpr int OneRowPageMinWidth = 640;
// Rows added while the page is at most this wide are made tall.
constexpr int ShortRowAddMinWidth = 741;

// Only the two untranslated kind texts map to a kind the calculator knows.
int deviceKind(const QString &deviceType)
{
    if (deviceType == QLatin1String("IPC"))
        return 0;
    if (deviceType == QLatin1String("DVR"))
        return 1;
    return -1;
}

} // namespace

DeviceAddPage::DeviceAddPage(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DeviceAddPage)
    , m_pCalculator(new BitrateCalculator)
{
    ui->setupUi(this);
    ui->m_listWidgetDiskData->setSpacing(-1);
}

DeviceAddPage::~DeviceAddPage()
{
    // Nothing may be reported while the window closes.
    blockSignals(true);
    clearDeviceItems();
}

void DeviceAddPage::addDeviceTypeItem(const StructDeviceItem &deviceTypeItem, bool isAddOnce)
{
    QMutexLocker locker(&m_mutex);

    const long long id = ++m_llLastItemId;
    if (m_deviceCards.contains(id))
        return;

    QListWidget *list = ui->m_listWidgetDiskData;
    list->addItem(QString());
    QListWidgetItem *row = list->item(list->count() - 1);

    // The view takes the card over as the row's item widget.
    auto *card = new NM_Orvane::DeviceItemWidget(
        nullptr, deviceTypeItem.strDeviceType, deviceTypeItem.strChannelName);
    row->setSizeHint(width() < ShortRowAddMinWidth ? QSize(50, 84) : QSize(50, 54));
    list->setItemWidget(row, card);

    m_deviceCards.insert(id, card);
    card->setItemData(deviceTypeItem.iChannelCounts, deviceTypeItem.strResolution,
        deviceTypeItem.strFrameRate, deviceTypeItem.dBitrate, static_cast<int>(id),
        deviceTypeItem.iChannelGroupNumber, deviceTypeItem.strEncodeType, deviceTypeItem.strScenceName);
    connect(
        card, &NM_Orvane::DeviceItemWidget::signalDeleteClicked, this, &DeviceAddPage::OnDeleteDeviceItem);
    m_deviceData.insert(id, deviceTypeItem);

    if (isAddOnce)
        emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::addDeviceTypeItem(const StructDeviceItem &deviceTypeItem)
{
    addDeviceTypeItem(deviceTypeItem, true);
}

void DeviceAddPage::setDeviceTypeData(QVector<StructDeviceItem> vectData)
{
    onClearDeviceItems();
    for (const StructDeviceItem &item : qAsConst(vectData))
        addDeviceTypeItem(item, false);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::OnDeleteDeviceItem(long long id, int iChannelGroupNumber)
{
    // This usually runs inside the card's own delete signal, so the card is
    // only handed to deferred deletion here, never destroyed.
    QListWidget *list = ui->m_listWidgetDiskData;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        auto *card = qobject_cast<NM_Orvane::DeviceItemWidget *>(list->itemWidget(item));
        if (card && static_cast<long long>(card->getItemId()) == id) {
            card->hide();
            card->deleteLater();
            delete list->takeItem(row);
        }
    }

    m_deviceCards.remove(id);
    m_deviceData.remove(id);

    emit SianalDeviceDelete(iChannelGroupNumber);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::onClearDeviceItems()
{
    if (m_deviceCards.isEmpty())
        return;

    NM_Orvane::TipDialog dialog(nullptr);
    dialog.resize(350, 220);
    dialog.setTitle(tr("Clear"));
    dialog.setTipText(tr("Clear all the channels?"));
    dialog.centreOver(window());

    emit signalCover();
    if (dialog.exec() == QDialog::Accepted) {
        emit signalDisvocer();
        clearDeviceItems();
    }
    emit signalDisvocer();
}

QMap<long long, StructDeviceItem> DeviceAddPage::getDeviceData()
{
    return m_deviceData;
}

void DeviceAddPage::OnGetFramerateStandard()
{
    emit SignalFramerateStandard(0);
}

void DeviceAddPage::OnFrametareStandardChanged(int index)
{
    if (index == 0)
        convertFrameRateToPal();
    else if (index == 1)
        convertFrameRateToNtsc();
}

void DeviceAddPage::resizeEvent(QResizeEvent *event)
{
    {
        QMutexLocker locker(&m_mutex);
        const QSize rowSize = event->size().width() < OneRowPageMinWidth ? QSize(50, 84) : QSize(50, 60);
        QListWidget *list = ui->m_listWidgetDiskData;
        for (int row = 0; row < list->count(); ++row)
            list->item(row)->setSizeHint(rowSize);
    }
    QWidget::resizeEvent(event);
}

double DeviceAddPage::getTotalBitrate()
{
    double total = 0.0;
    for (const StructDeviceItem &item : qAsConst(m_deviceData))
        total += static_cast<double>(item.iChannelCounts) * item.dBitrate;
    return total;
}

void DeviceAddPage::clearDeviceItems()
{
    // A card may still be on the call stack (a caller reached here from its
    // signal), so cards are destroyed deferred, as the view does with them.
    ui->m_listWidgetDiskData->clear();
    for (NM_Orvane::DeviceItemWidget *card : qAsConst(m_deviceCards)) {
        card->hide();
        card->deleteLater();
    }
    m_deviceCards.clear();
    m_deviceData.clear();

    emit SianalDeviceDelete(0);
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::convertFrameRateToPal()
{
    convertFrameRates(
        { { QStringLiteral("30"), QStringLiteral("25") }, { QStringLiteral("60"), QStringLiteral("50") } });
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::convertFrameRateToNtsc()
{
    convertFrameRates(
        { { QStringLiteral("25"), QStringLiteral("30") }, { QStringLiteral("50"), QStringLiteral("60") } });
    emit SignalDeviceChanged(getTotalBitrate());
}

void DeviceAddPage::convertFrameRates(const QMap<QString, QString> &conversions)
{
    // Read once for the whole switch: the tables on disk at the moment of the
    // switch count for every group, as they would group by group, at a
    // fraction of the cost of a thousand reads.
    std::optional<DeviceConfigReader> catalogue;
    for (auto it = m_deviceData.begin(); it != m_deviceData.end(); ++it) {
        StructDeviceItem &item = it.value();
        NM_Orvane::DeviceItemWidget *card = m_deviceCards.value(it.key(), nullptr);
        m_pCalculator->setEncoding(item.strEncodeType);

        // Variable-rate groups carry no frame rate and are never matched.
        const auto conversion = conversions.constFind(item.strFrameRate);
        if (conversion == conversions.constEnd())
            continue;
        const double fromFrames = conversion.key().toDouble();
        const QString toRate = conversion.value();
        item.strFrameRate = toRate;

        const int kind = deviceKind(item.strDeviceType);
        if (kind < 0)
            continue;
        // The editor stores the computed figure as a whole number, so equal
        // integer parts mean the user did not type a rate of their own.
        if (!catalogue)
            catalogue.emplace();
        const double recommended
            = m_pCalculator->calculateChannelBitrate(*catalogue, kind, item.strResolution, fromFrames);
        if (std::trunc(recommended) == std::trunc(item.dBitrate))
            item.dBitrate = m_pCalculator->calculateChannelBitrate(
                *catalogue, kind, item.strResolution, toRate.toDouble());
        if (card)
            card->updateFrameRate(toRate, item.dBitrate);
    }
}
