#include "catalogue/bitratecalculator.h"

#include "catalogue/deviceconfigreader.h"

#include <cmath>

namespace {

// Table values are bitrates at this frame rate, for PAL and NTSC alike.
constexpr int ReferenceFrameRate = 25;

constexpr double SecondsPerHour = 3600.0;
// Kilobits to kilobytes (/ 8) and kilobytes to decimal gigabytes (/ 1,000,000).
constexpr double KilobitsPerGigabyte = 8000000.0;
// 1 / 0.997: container and index overhead on top of the stream.
constexpr double OverheadFactor = 1.0030090270812437;
constexpr double SizeFactor = 1.024;

} // namespace

BitrateCalculator::BitrateCalculator()
    : m_strEncodeType(QStringLiteral("H.264"))
{
    DeviceConfigReader reader;
    reader.convertCsvToXml(QStringLiteral("C:/DVRBitrateConfig.csv"), 2);
}

void BitrateCalculator::setEncoding(const QString &encoding)
{
    m_strEncodeType = encoding;
}

double BitrateCalculator::calculateChannelBitrate(int kind, const QString &resolution, double frameRate) const
{
    DeviceConfigReader reader;
    return calculateChannelBitrate(reader, kind, resolution, frameRate);
}

double BitrateCalculator::calculateChannelBitrate(
    DeviceConfigReader &catalogue, int kind, const QString &resolution, double frameRate) const
{
    catalogue.setEncoding(m_strEncodeType);
    const int d = catalogue.getTableBitrate(resolution, kind == 1 ? 2 : 1);
    const int p = ReferenceFrameRate;

    if (kind == 1) {
        // A fifth of the table value is spent whatever the frame rate; the
        // rest scales linearly with it.
        const double base = d / 5.0;
        double moving = frameRate * 4.0;
        moving = moving * d;
        moving = moving / (p * 5);
        return base + moving;
    }

    if (frameRate >= 10) {
        const double scaled = d * frameRate;
        return scaled / p;
    }
    // Below 10 frames per second each frame carries more change, so the rate
    // falls by a tenth per frame instead of linearly, and stays flat below 1.
    double atTen = d * 10.0;
    atTen = atTen / p;
    if (frameRate >= 1) {
        const double steps = 10 - frameRate;
        return atTen * std::pow(0.9, steps);
    }
    return atTen * std::pow(0.9, 9);
}

// Each step is its own statement and rounded to double before the next: the
// figures shown depend on this exact order.
double BitrateCalculator::calculateRecordHours(double totalBitrate, double capacity) const
{
    double perHour = totalBitrate * SecondsPerHour;
    perHour = perHour / KilobitsPerGigabyte;
    perHour = perHour * OverheadFactor;
    perHour = perHour * SizeFactor;
    perHour = perHour + 0.0;
    return capacity / perHour;
}

double BitrateCalculator::calculateDiskCapacity(double totalBitrate, int hours) const
{
    const double kilobitsPerHour = totalBitrate * SecondsPerHour;
    double size = static_cast<double>(hours) * kilobitsPerHour;
    size = size * OverheadFactor;
    size = size / KilobitsPerGigabyte;
    size = size * SizeFactor;
    return size + 0.0;
}
