// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>

#include "window/form1.hpp"

namespace {

// One plot end to end: the model, the drawing and the four labels.
void BM_PlotJupiter(benchmark::State& state) {
    Form1 form;
    QDateTime instant(QDate(2024, 1, 1), QTime(0, 0));
    for (auto _ : state) {
        form.PlotJupiter(instant);
        instant = instant.addSecs(3600);
    }
}
BENCHMARK(BM_PlotJupiter);

// The window from nothing to its first plot, as start-up builds it.
void BM_CreateForm(benchmark::State& state) {
    for (auto _ : state) {
        Form1 form;
        QImage surface = form.Surface();
        benchmark::DoNotOptimize(surface);
    }
}
BENCHMARK(BM_CreateForm)->Unit(benchmark::kMillisecond);

// One tick of a running animation on a shown window: the plot, the step of the
// picker, and the repaint of what they changed (the plot's dots and ring, the
// offsets that changed and the picker), as the event loop delivers it.
void BM_AnimationTick(benchmark::State& state) {
    Form1 form;
    form.show();
    form.findChild<QPushButton*>("Command2")->click();
    auto* timer = form.findChild<QTimer*>("Timer1");
    timer->stop();
    for (auto _ : state) {
        QMetaObject::invokeMethod(timer, "timeout");
        QApplication::processEvents();
    }
}
BENCHMARK(BM_AnimationTick);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir settings;  // never the user's view
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    ::setenv("TZ", "America/New_York", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
