// Cost of what the editor and the device list pay on every user action: a
// fixed-rate bitrate re-reads the whole catalogue through a fresh reader.

#include "catalogue/bitratecalculator.h"
#include "catalogue/deviceconfigreader.h"
#include "toolkit/targetpath.h"

#include <benchmark/benchmark.h>

namespace {

void useShippedCatalogue()
{
    MovraGUIToolkit::SetTargetPathOverride(QStringLiteral(ORVANE_STAGE_DIR));
}

void BM_CalculateChannelBitrate(benchmark::State &state)
{
    useShippedCatalogue();
    BitrateCalculator calculator;
    const QString resolution = QStringLiteral("1080P");
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator.calculateChannelBitrate(0, resolution, 25.0));
}
BENCHMARK(BM_CalculateChannelBitrate)->Unit(benchmark::kMicrosecond);

void BM_DeviceConfigReaderConstruction(benchmark::State &state)
{
    useShippedCatalogue();
    for (auto _ : state) {
        DeviceConfigReader reader;
        benchmark::DoNotOptimize(reader);
    }
}
BENCHMARK(BM_DeviceConfigReaderConstruction)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
