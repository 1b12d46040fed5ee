#pragma once

// The value records that travel between the device editor, the scene
// selector, the device list and the device cards. They carry no behaviour;
// they are copied by value and kept in Qt containers.

#include <QString>

// One device group: a number of channels of one kind sharing encoding,
// resolution, rate and scene. A group in variable-rate mode carries a scene
// name and no frame rate; a fixed-rate group the other way round.
struct StructDeviceItem
{
    QString strDeviceType;
    QString strChannelName;
    QString strReserved;
    bool bReserved = false;
    QString strScenceName;
    QString strEncodeType;
    int iChannelCounts = 0;
    QString strResolution;
    QString strFrameRate;
    double dBitrate = 0.0;
    int iChannelGroupNumber = 0;
};

// One selectable scene; iScenceType is its position in the scene list.
struct SCENCE_ITEM
{
    int iScenceType = 0;
    QString strScenceName;
};

// One entry of the device-type list.
struct StructDeviceType
{
    int iDeviceType = 0;
    QString strDeviceTypeName;
};

// One row of a bitrate table: kbps at the reference rate of 25 frames per second.
struct StructBitrateItem
{
    StructBitrateItem()
        : iBitrate(0)
    {
    }

    QString strResolution;
    int iBitrate;
};
