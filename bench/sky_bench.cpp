// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the clear-sky estimate, which the window's dialog and the page
// recompute on every key the user types: the estimate alone, and from the
// typed texts to the three lines shown.
#include <benchmark/benchmark.h>

#include <variant>

#include "sky/clear_sky.h"
#include "sky/estimate_text.h"
#include "sky/sky_inputs.h"

namespace {

void BM_Estimate(benchmark::State& state)
{
    sky::SkyInputs inputs{40.45, -3.70, {2026, 6, 21}, 690, {}, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(inputs);
        auto estimate = sky::estimateClearSky(inputs);
        benchmark::DoNotOptimize(estimate);
    }
}
BENCHMARK(BM_Estimate);

void BM_TextsToShownLines(benchmark::State& state)
{
    const sky::SkyTexts texts{"40,45", "-3,70", "2026-06-21", "690", "", false};
    for (auto _ : state) {
        const auto inputs = sky::readSkyInputs(texts, ',');
        auto text = sky::estimateText(sky::estimateClearSky(std::get<sky::SkyInputs>(inputs)), 14 * 60 + 16, ',');
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TextsToShownLines);

}  // namespace

BENCHMARK_MAIN();
