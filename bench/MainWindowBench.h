#pragma once

#include "bench/RatioReporter.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

// The main of a benchmark program that times Kelvora's main window: offscreen unless
// QT_QPA_PLATFORM says otherwise, the window shown, `prepare` run on it (a cast chart, say),
// then every benchmark, each with its ratio to `baseline`.
inline int RunOnMainWindow(int argc, char** argv, const std::function<void(frmMain&)>& prepare,
                           const char* baseline, const char* label) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    frmMain main;
    main.show();
    QApplication::processEvents();
    prepare(main);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(baseline, label);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
