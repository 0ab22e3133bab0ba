// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the clear-sky estimate, which the window's dialog and the page
// recompute on every key the user types: the estimate alone, and from the
// typed texts to the three lines shown. And the day's curve as the sun draws
// it, 1000 samples on every "Calcular" (the aim: 100 µs at most). And the
// day's whole answer as the page asks it: the dialog's estimate on every key,
// and a press on the sun's day with sunscreen.
#include <benchmark/benchmark.h>

#include <array>
#include <variant>

#include "sky/clear_sky.h"
#include "sky/day_shape.h"
#include "sky/estimate_text.h"
#include "day/ask.h"
#include "day/sky_inputs.h"

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
    const day::SkyTexts texts{"40,45", "-3,70", "2026-06-21", "690", "", false};
    for (auto _ : state) {
        const auto inputs = day::readSkyInputs(texts, ',');
        auto text = sky::estimateText(sky::estimateClearSky(std::get<sky::SkyInputs>(inputs)), 14 * 60 + 16, ',');
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TextsToShownLines);

// From the place, the date and the offset to the index at the window's 1000
// sample times, 6.014 h to 20 h, as a press would.
void BM_DayShapeSamples(benchmark::State& state)
{
    std::array<double, 1000> hours{};
    for (std::size_t i = 0; i < hours.size(); ++i)
        hours[i] = 6.0 + (14.0 / 1000) * static_cast<double>(i + 1);
    std::array<double, 1000> index{};
    for (auto _ : state) {
        const auto shape = sky::dayShape({40.42, -3.70}, {2026, 6, 21}, 2);
        sky::sampleDayShape(std::get<sky::DayShape>(shape), 10, hours, index);
        benchmark::DoNotOptimize(index.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DayShapeSamples)->Unit(benchmark::kMicrosecond);

// The page's request, its offset at noon given as the browser gives it.
day::Request madridRequest()
{
    day::Request request;
    using layout::SkyField;
    request.field(SkyField::Latitud) = "40.42";
    request.field(SkyField::Longitud) = "-3.70";
    request.field(SkyField::Fecha) = "2026-06-21";
    request.field(SkyField::Zona) = "Europe/Madrid";
    request.noonOffset = 2;
    request.today = sky::CivilDate{2026, 6, 21};
    request.estimate = true;
    return request;
}

void BM_DialogAnswer(benchmark::State& state)
{
    const day::Request request = madridRequest();
    for (auto _ : state) {
        auto answered = day::answer(request);
        benchmark::DoNotOptimize(answered);
    }
}
BENCHMARK(BM_DialogAnswer)->Unit(benchmark::kMicrosecond);

void BM_SunDayPressAnswer(benchmark::State& state)
{
    day::Request request = madridRequest();
    request.field(layout::SkyField::Forma) = "sol";
    request.stay = day::Stay{{"10", "15", "2", "3", "0", "0"}, false, "30", std::nullopt};
    for (auto _ : state) {
        auto answered = day::answer(request);
        benchmark::DoNotOptimize(answered);
    }
}
BENCHMARK(BM_SunDayPressAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
