// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of one press of "Calcular" without the window: the 1000 samples alone,
// and the whole computation including datos.dat and the dose.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <variant>

#include "model/calcular.h"
#include "model/curve.h"
#include "model/data_file.h"

namespace {

void BM_SampleCurve(benchmark::State& state)
{
    model::FormState form;
    for (auto _ : state) {
        model::sampleCurve(10.0, form);
        benchmark::DoNotOptimize(form.IndiceUV.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SampleCurve);

void BM_CalcularWithDataFile(benchmark::State& state)
{
    const auto directory = std::filesystem::temp_directory_path() / "indice_uv_bench";
    std::filesystem::create_directories(directory);
    const std::string path = (directory / model::kDataFileName).string();
    const model::InputTexts texts = {"10", "11", "2", "3", "0", "0"};
    model::FormState form;
    for (auto _ : state) {
        auto outcome = model::Calcular(texts, '.', form);
        benchmark::DoNotOptimize(model::saveDataFile(std::get<model::CalcularResult>(outcome).datos, path));
    }
    std::filesystem::remove_all(directory);
}
BENCHMARK(BM_CalcularWithDataFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
