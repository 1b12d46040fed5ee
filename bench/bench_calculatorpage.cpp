#include "bench/widgetbenchmarkmain.h"
#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The calculator page as the main window wires it: results go straight to
// the "Calculate Time" result page.
struct WiredPage
{
    DataCalculatorPage page;
    int results = 0;

    WiredPage()
    {
        auto *timePage = qobject_cast<DataDisplayPage *>(page.getDataDisplayPageTime());
        QObject::connect(&page, &DataCalculatorPage::setTime, timePage, &DataDisplayPage::displayTime);
        QObject::connect(&page, &DataCalculatorPage::setTime, &page, [this] { ++results; });
        page.show();
        QApplication::processEvents();
    }
};

// A different total every round, as after each add or delete of a group.
double nextTotal(double total)
{
    return total < 4096.0 ? total + 1.5 : 512.0;
}

} // namespace

// From the new total to the figures on the result labels.
static void BM_RecomputeOnNewTotal(benchmark::State &state)
{
    WiredPage wired;
    double total = 512.0;
    for (auto _ : state) {
        total = nextTotal(total);
        wired.page.OnDeviceChanged(total);
    }
    state.counters["results"] = benchmark::Counter(wired.results, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RecomputeOnNewTotal)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The same, plus the layout and repaint the label changes cause.
static void BM_RecomputeAndRepaint(benchmark::State &state)
{
    WiredPage wired;
    double total = 512.0;
    for (auto _ : state) {
        total = nextTotal(total);
        wired.page.OnDeviceChanged(total);
        QApplication::processEvents();
    }
    state.counters["results"] = benchmark::Counter(wired.results, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RecomputeAndRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    return runWidgetBenchmarks(argc, argv);
}
