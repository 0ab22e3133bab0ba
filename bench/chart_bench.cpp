// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drawing the start-up example's chart: onto the recording surface (the
// chart's own cost) and onto the Qt surface at pixel ratios 1 and 2 (what a
// press of "Calcular" costs the window).
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "chart/grafica_indice.h"
#include "qt/qt_surface.h"
#include "support/default_example.h"
#include "support/recording_surface.h"

namespace {

constexpr float kInnerWidth = 8115;
constexpr float kInnerHeight = 5715;
constexpr float kWindowHeight = 9615;

void BM_GraficaIndiceRecording(benchmark::State& bench)
{
    const model::FormState state = test_support::defaultExampleState();
    test_support::RecordingSurface surface(kInnerWidth, kInnerHeight);
    for (auto _ : bench) {
        surface.clearRecord();
        chart::GraficaIndice(state, surface, kWindowHeight, '.');
        benchmark::DoNotOptimize(surface.ops().data());
    }
}
BENCHMARK(BM_GraficaIndiceRecording)->Unit(benchmark::kMicrosecond);

// Includes reading the image back, as the window does to show it.
void BM_GraficaIndiceQt(benchmark::State& bench)
{
    const model::FormState state = test_support::defaultExampleState();
    qt::QtSurface surface(kInnerWidth, kInnerHeight, static_cast<qreal>(bench.range(0)));
    for (auto _ : bench) {
        chart::GraficaIndice(state, surface, kWindowHeight, '.');
        benchmark::DoNotOptimize(surface.image().constBits());
    }
}
BENCHMARK(BM_GraficaIndiceQt)->ArgName("ratio")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
