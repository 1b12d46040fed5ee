#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class DeviceConfigReader;

// What the device editor needs from the catalogue, read once at construction
// (device type names, the H.264 resolution lists, the scene names), the
// per-scene queries passed on to the reader, and the channel group numbers:
// each new group gets the smallest positive number not in use.
class DeviceInfoManager : public QObject
{
    Q_OBJECT

public:
    explicit DeviceInfoManager(QObject *parent = nullptr);
    ~DeviceInfoManager() override;

    QStringList getDeviceTypeNames() const;
    // table 1: IPC, table 2: DVR.
    QStringList getResolutionNames(int table) const;
    QVector<QString> getScenceNames() const;
    QString getScenceName(int index) const;
    QString getScencePicture(const QString &scence, const QString &encoding, const QString &resolution) const;
    int getScenceRecommandRate(
        const QString &scence, const QString &encoding, const QString &resolution) const;
    // standard 0: PAL, any other: NTSC.
    QStringList getFrameRates(int standard) const;

    int allocateChannelGroupNumber();
    // Frees one number; 0 frees them all.
    void releaseChannelGroupNumber(int number);

private:
    std::unique_ptr<DeviceConfigReader> m_pDeviceConfigReader;
    QStringList m_lstDeviceTypeNames;
    QList<QStringList> m_lstResolutionNames;
    QVector<QString> m_vecScenceNames;
    int m_iNextChannelGroupNumber;
    QVector<int> m_vecUsedChannelGroupNumbers;
};
