#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// main() of a widget benchmark: widgets need an application object, which
// runs on the offscreen platform so no display is needed.
inline int runWidgetBenchmarks(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
