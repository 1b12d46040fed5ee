#pragma once

#include "catalogue/devicerecords.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class OrvaneMainPage;
class QResizeEvent;

namespace NM_Orvane {
class DeviceItemWidget;
}

namespace Ui {
class DeviceAddPage;
}

// The list of added device groups, one card per group. After every change it
// reports the total bitrate of all groups (sum of channels x per-channel
// kbps), which the calculator page turns into capacity or time. Groups are
// keyed by an id that only grows, so a card always names one group.
class DeviceAddPage : public QWidget
{
    Q_OBJECT
    // The main window wires the private slots to the device editor.
    friend class OrvaneMainPage;

public:
    explicit DeviceAddPage(QWidget *parent = nullptr);
    ~DeviceAddPage() override;

signals:
    void SignalDeviceChanged(double dTotalBitrate);
    void SianalDeviceDelete(int iChannelGroupNumber);
    void SignalFramerateStandard(int index);
    void signalCover();
    void signalDisvocer();

public slots:
    void addDeviceTypeItem(const StructDeviceItem &deviceTypeItem, bool isAddOnce);
    void addDeviceTypeItem(const StructDeviceItem &deviceTypeItem);
    void setDeviceTypeData(QVector<StructDeviceItem> vectData);
    void OnDeleteDeviceItem(long long id, int iChannelGroupNumber);
    void onClearDeviceItems();
    QMap<long long, StructDeviceItem> getDeviceData();

private slots:
    void OnGetFramerateStandard();
    void OnFrametareStandardChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    double getTotalBitrate();
    void clearDeviceItems();
    void convertFrameRateToPal();
    void convertFrameRateToNtsc();
    // Moves fixed-rate groups from each key's frame rate to its value and
    // re-derives the bitrate of those that still carry the computed figure.
    void convertFrameRates(const QMap<QString, QString> &conversions);

    std::unique_ptr<Ui::DeviceAddPage> ui;
    std::unique_ptr<BitrateCalculator> m_pCalculator;
    QMap<long long, NM_Orvane::DeviceItemWidget *> m_deviceCards;
    QMap<long long, StructDeviceItem> m_deviceData;
    long long m_llLastItemId = 0;
    QMutex m_mutex;
};
