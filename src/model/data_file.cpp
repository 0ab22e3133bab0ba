// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/data_file.h"

#include "runtime/number_format.h"

namespace model {
namespace {

constexpr std::size_t kPrintZone = 14;

}  // namespace

std::string dataFileLine(double tiempo, double indiceUV, char decimalSeparator)
{
    using runtime::NumberPattern;
    std::string line = runtime::formatNumber(tiempo, NumberPattern::ThreeDecimals, decimalSeparator);
    // The next print zone starts at the next multiple of 14 columns.
    line.append(kPrintZone - line.size() % kPrintZone, ' ');
    line += runtime::formatNumber(indiceUV, NumberPattern::FourDecimals, decimalSeparator);
    return line;
}

std::string dataFileContents(const FormState& state, char decimalSeparator)
{
    runtime::TextFileWriter lines("");
    for (int i = 1; i <= kSampleCount; ++i)
        lines.writeLine(dataFileLine(state.Tiempo[i], state.IndiceUV[i], decimalSeparator));
    return lines.contents();
}

runtime::SaveOutcome writeDataFile(const FormState& state, char decimalSeparator,
                                   const std::string& path, runtime::FileCalls& calls)
{
    runtime::TextFileWriter file(path);
    file.append(dataFileContents(state, decimalSeparator));
    return file.save(calls);
}

}  // namespace model
