// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's two waits a user notices: opening it, and a press of
// "Calcular" until the chart is repainted. Runs without a display:
//   build/bench/window_bench
// The time from starting the program to its window on a real X server is
// measured by bench/startup.sh.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "ui/form1.h"
#include "ui/picture_box.h"

namespace {

ui::Form1Options optionsIn(const QTemporaryDir& folder)
{
    ui::Form1Options options;
    options.dataFilePath = folder.filePath("datos.dat").toStdString();
    return options;
}

// Building the 38 controls, decoding the pictures, the first paint.
void BM_OpenWindow(benchmark::State& state)
{
    QTemporaryDir folder;
    for (auto _ : state) {
        ui::Form1 window(optionsIn(folder));
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.controls().Label4);
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

// One press: read the boxes, compute, save datos.dat, draw the chart, show
// the exposure, and repaint the chart surface on screen.
void BM_PressCalcular(benchmark::State& state)
{
    QTemporaryDir folder;
    ui::Form1 window(optionsIn(folder));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    for (auto _ : state) {
        window.controls().Command1->click();
        window.controls().Indice->repaint();
        window.controls().Label4->repaint();
    }
}
BENCHMARK(BM_PressCalcular)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
