#pragma once

#include "catalogue/devicerecords.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <memory>

class BitrateCalculator;
class DeviceConfigReader;
class DeviceInfoManager;
class OrvaneMainPage;
class QComboBox;
class QObject;

namespace Ui {
class DeviceEditor;
}

// The form where the user describes a device group and adds it to the list:
// kind, name, channel count, and either fixed rate (resolution, frame rate,
// encoding; the bitrate is computed) or variable rate (scene, resolution,
// encoding; the bitrate comes from the scene table). The recommended rate
// stays editable. A switch picks the PAL or NTSC frame-rate list.
class DeviceEditor : public QWidget
{
    Q_OBJECT
    // The main window wires the private slots to the device list.
    friend class OrvaneMainPage;

public:
    explicit DeviceEditor(QWidget *parent = nullptr);
    ~DeviceEditor() override;

signals:
    void signalAddDevice(const StructDeviceItem &item);
    void signalGetFrameStandard();
    void signalAppStart();
    void signalCurrentFrameStandard(int index);

public slots:
    void setDeviceTypes(QVector<StructDeviceType> deviceTypes);
    void setDeviceResolutions(QMap<int, QString> deviceTypes);
    void setScenceRecommandRateText(QString rate);
    void OnRateSelected();
    QObject *getScenceSelector();
    void OnSpreadChanged(bool spread);
    void OnFrametareStandardPAL();
    void OnFrametareStandardNTSC();

private slots:
    void OnDeviceTypeChanged(int index);
    void OnResolutionChanged(int index);
    void OnFixedRateFrameRateChanged(int index);
    void OnEncodingTypeChanged(int index);
    void OnScenceChanged(int scenceType);
    void OnBtnAddDeviceClicked();
    void OnDeleteChannelGroupNumber(int iChannelGroupNumber);
    void OnSetFrameByStandard(int index);

private:
    void initControls();
    void initConnections();
    void enterFixedRateMode();
    void refreshFixedRate();
    void refreshVarRateEncodings();
    void refreshVarRateRecommendation();
    // The picture and the recommended rate of one scene combination.
    void applyScence(const QString &scence, const QString &encoding, const QString &resolution);
    bool isFixedRateMode() const;

    // Resolutions are refilled while disconnected but reconnected before the
    // items go in, so the first item runs OnResolutionChanged.
    void refillResolutionsNotifying(const QStringList &resolutions);
    void refillResolutionsQuietly(const QStringList &resolutions);
    void refillEncodingsQuietly(const QStringList &encodings);
    void connectResolutionList();
    void connectEncodingList();

    DeviceInfoManager *m_pDeviceInfoManager = nullptr;
    std::unique_ptr<BitrateCalculator> m_pBitrateCalculator;
    std::unique_ptr<DeviceConfigReader> m_pDeviceConfigReader;
    std::unique_ptr<Ui::DeviceEditor> ui;
    int m_iCurrentScence = 0;
    bool m_bAppStarted = false;
};
