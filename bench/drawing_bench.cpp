// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

#include "drawing/chart_files.hpp"
#include "drawing/month_chart.hpp"
#include "drawing/telescope_view.hpp"

namespace {

drawing::ChartRequest January2019() {
    drawing::ChartRequest request = drawing::MonthOf(QDate(2019, 1, 1));
    request.place = ephemeris::Place{"Lisbon", 38.72, -9.13};
    request.redSpotLongitude = 294.0;
    return request;
}

// A month's chart computed and drawn onto an image the size of the window's.
void BM_MonthChartOntoAnImage(benchmark::State& state) {
    QImage image(900, 1300, QImage::Format_RGB32);
    for (auto _ : state) {
        const drawing::MonthChart chart = drawing::ComputeMonthChart(January2019());
        QPainter painter(&image);
        drawing::PaintMonthChart(painter, drawing::ChartLayout(chart, QRectF(image.rect())), chart, drawing::ChartColours::Screen);
    }
}
BENCHMARK(BM_MonthChartOntoAnImage)->Unit(benchmark::kMillisecond)->UseRealTime();

// The computation alone, and the drawing alone.
void BM_MonthChartComputed(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawing::ComputeMonthChart(January2019()));
    }
}
BENCHMARK(BM_MonthChartComputed)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MonthChartDrawn(benchmark::State& state) {
    QImage image(900, 1300, QImage::Format_RGB32);
    const drawing::MonthChart chart = drawing::ComputeMonthChart(January2019());
    for (auto _ : state) {
        QPainter painter(&image);
        drawing::PaintMonthChart(painter, drawing::ChartLayout(chart, QRectF(image.rect())), chart, drawing::ChartColours::Screen);
    }
}
BENCHMARK(BM_MonthChartDrawn)->Unit(benchmark::kMillisecond)->UseRealTime();

// A month's chart computed and written as a PDF, in memory.
void BM_MonthChartAsPdf(benchmark::State& state) {
    const QString file = QStringLiteral("%1/satrivox-bench-chart.pdf").arg(QDir::tempPath());
    for (auto _ : state) {
        const QString problem = drawing::WriteChart(drawing::ComputeMonthChart(January2019()), file, drawing::ChartFormat::Pdf);
        if (!problem.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
        }
    }
    QFile::remove(file);
}
BENCHMARK(BM_MonthChartAsPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

// A frame of the telescope view at 800 x 600, as an animation step draws it:
// the scene computed (sharing the daily positions, as the window does) and painted.
void BM_TelescopeViewFrame(benchmark::State& state) {
    QImage image(800, 600, QImage::Format_RGB32);
    ephemeris::PreciseViewSeries views;
    ephemeris::UniversalTime instant{std::chrono::sys_days{std::chrono::year{2019} / 1 / 5} + std::chrono::hours{15}};
    const drawing::ViewLayout layout(QRectF(image.rect()), state.range(0) / 10.0, {});
    for (auto _ : state) {
        instant += std::chrono::minutes{10};
        const drawing::TelescopeScene scene = drawing::ComputeTelescopeScene(views, instant, 294.0);
        QPainter painter(&image);
        drawing::PaintTelescopeView(painter, layout, scene, drawing::ViewColours::Day);
    }
}
BENCHMARK(BM_TelescopeViewFrame)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    ::setenv("TZ", "Europe/Lisbon", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
