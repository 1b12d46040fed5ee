#pragma once

#include <QString>

class DeviceConfigReader;

// The per-channel bitrate of a fixed-rate device group and the two storage
// formulas. It keeps no tables: every calculation reads the catalogue from
// disk, so an edited table file counts from the next calculation on.
class BitrateCalculator
{
public:
    // Also applies a pending DVR table update ("C:/DVRBitrateConfig.csv") to
    // "DVRBitrateConfig.xml"; without that file nothing is written.
    BitrateCalculator();

    void setEncoding(const QString &encoding);

    // kbps of one channel: kind 1 is DVR, anything else IPC. The table value
    // is the bitrate at 25 frames per second.
    double calculateChannelBitrate(int kind, const QString &resolution, double frameRate) const;
    // The same on a catalogue the caller has just read: a pass over many
    // groups (a PAL/NTSC switch) reads the files once, at the time of the
    // pass, instead of once per group. Sets catalogue's encoding to ours.
    double calculateChannelBitrate(
        DeviceConfigReader &catalogue, int kind, const QString &resolution, double frameRate) const;

    // Hours of recording that capacity (GB) holds at totalBitrate (kbps).
    // A zero bitrate is the caller's to rule out.
    double calculateRecordHours(double totalBitrate, double capacity) const;
    // GB needed for hours of recording at totalBitrate (kbps).
    double calculateDiskCapacity(double totalBitrate, int hours) const;

private:
    QString m_strEncodeType;
};
