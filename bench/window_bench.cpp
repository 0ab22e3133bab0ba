// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's waits a user notices: opening it, a press of "Calcular" until
// the chart is repainted, and the chart's readout following the pointer.
// Runs without a display:
//   build/bench/window_bench
// The time from starting the program to its window on a real X server is
// measured by bench/startup.sh.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include "qt/qt_surface.h"
#include "ui/chart_readout.h"
#include "ui/form1.h"
#include "ui/picture_box.h"

namespace {

ui::Form1Options optionsIn(const QTemporaryDir& folder)
{
    ui::Form1Options options;
    options.dataFilePath = folder.filePath("datos.dat").toStdString();
    return options;
}

// Shows the window and waits until it is on screen; a run without it is skipped.
bool shownOnScreen(ui::Form1& window, benchmark::State& state)
{
    window.show();
    if (QTest::qWaitForWindowExposed(&window))
        return true;
    state.SkipWithError("the window was not shown");
    return false;
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
    if (!shownOnScreen(window, state))
        return;
    for (auto _ : state) {
        window.controls().Command1->click();
        window.controls().Indice->repaint();
        window.controls().Label4->repaint();
    }
}
BENCHMARK(BM_PressCalcular)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Counts the paint events a widget gets and the pixels they cover.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    long events = 0;
    long pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += static_cast<long>(r.width()) * r.height();
        }
        return false;
    }
};

// One move of the pointer over the drawn chart, to the next pixel column
// but six, and the repaint it causes, through to the window's backing store.
// The counters say what was painted per move; the chart's image must never
// change, or the benchmark fails.
void BM_PointerMove(benchmark::State& state)
{
    QTemporaryDir folder;
    ui::Form1 window(optionsIn(folder));
    if (!shownOnScreen(window, state))
        return;
    window.controls().Command1->click();
    QCoreApplication::processEvents();
    ui::PictureBox* chart = window.controls().Indice;
    const qint64 image = window.surface().image().cacheKey();
    PaintCounter overlay(&window.chartReadout());
    PaintCounter underneath(chart);

    // The plot spans about columns 56 to 515 of the picture box, at row 200.
    int column = 60;
    long moves = 0;
    long shown = 0;
    for (auto _ : state) {
        column = column + 7 > 510 ? 60 : column + 7;
        const QPointF at(column, 200);
        QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(chart, &move);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        ++moves;
        shown += window.chartReadout().shown().has_value();
    }
    if (window.surface().image().cacheKey() != image)
        state.SkipWithError("a pointer move redrew the chart");
    if (shown != moves)
        state.SkipWithError("the readout did not follow the pointer");
    const QSize box = chart->size();
    state.counters["overlay_paints_per_move"] = static_cast<double>(overlay.events) / moves;
    state.counters["chart_share_repainted"] =
        static_cast<double>(underneath.pixels) / moves / (box.width() * box.height());
}
BENCHMARK(BM_PointerMove)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
