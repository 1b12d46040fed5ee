#include "bench/widgetbenchmarkmain.h"
#include "catalogue/bitratecalculator.h"
#include "toolkit/targetpath.h"
#include "ui/deviceaddpage.h"

#include <QApplication>
#include <QMetaObject>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int ListSize = 1000;

// A fixed-rate IPC group at 30 frames per second carrying the editor's
// computed (truncated) figure, so a PAL/NTSC switch re-derives it.
StructDeviceItem fixedRateGroup(int number, double bitrate)
{
    StructDeviceItem item;
    item.strDeviceType = QStringLiteral("IPC");
    item.strChannelName = QStringLiteral("Channel Name(%1)").arg(number);
    item.strEncodeType = QStringLiteral("H.264");
    item.iChannelCounts = 4;
    item.strResolution = QStringLiteral("1080P");
    item.strFrameRate = QStringLiteral("30");
    item.dBitrate = bitrate;
    item.iChannelGroupNumber = number;
    return item;
}

double computedBitrate()
{
    BitrateCalculator calculator;
    return std::trunc(calculator.calculateChannelBitrate(0, QStringLiteral("1080P"), 30.0));
}

// A shown list of `groups` groups, as wide as it is in the main window.
struct FilledList
{
    DeviceAddPage page;
    long long lastId = 0;
    double bitrate = computedBitrate();

    explicit FilledList(int groups)
    {
        page.resize(700, 600);
        page.show();
        for (int i = 1; i <= groups; ++i)
            add(i);
        QApplication::processEvents();
    }

    void add(int number)
    {
        page.addDeviceTypeItem(fixedRateGroup(number, bitrate));
        ++lastId;
    }

    void removeLast(int number)
    {
        page.OnDeleteDeviceItem(lastId, number);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

void useShippedCatalogue()
{
    MovraGUIToolkit::SetTargetPathOverride(QStringLiteral(ORVANE_STAGE_DIR));
}

} // namespace

// Adding the 1000th group to a list of 999; with repaint, also the list's
// layout and painting before the user sees the card.
static void addThousandthGroup(benchmark::State &state, bool repaint)
{
    useShippedCatalogue();
    FilledList list(ListSize - 1);
    bool added = false;
    for (auto _ : state) {
        if (added) {
            state.PauseTiming();
            list.removeLast(ListSize);
            state.ResumeTiming();
        }
        list.add(ListSize);
        if (repaint)
            QApplication::processEvents();
        added = true;
    }
}

static void BM_AddThousandthGroup(benchmark::State &state)
{
    addThousandthGroup(state, false);
}
BENCHMARK(BM_AddThousandthGroup)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

static void BM_AddThousandthGroupAndRepaint(benchmark::State &state)
{
    addThousandthGroup(state, true);
}
BENCHMARK(BM_AddThousandthGroupAndRepaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Switching the frame-rate standard with 1000 fixed-rate groups that all
// carry the computed figure: each group is re-derived (two bitrate
// calculations). Alternates PAL and NTSC so every round converts every group.
static void BM_SwitchStandardThousandGroups(benchmark::State &state)
{
    useShippedCatalogue();
    FilledList list(ListSize);
    int standard = 0;
    for (auto _ : state) {
        QMetaObject::invokeMethod(
            &list.page, "OnFrametareStandardChanged", Qt::DirectConnection, Q_ARG(int, standard));
        standard = 1 - standard;
    }
}
BENCHMARK(BM_SwitchStandardThousandGroups)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    const int result = runWidgetBenchmarks(argc, argv);
    MovraGUIToolkit::SetTargetPathOverride(QString());
    return result;
}
