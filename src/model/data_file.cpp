// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/data_file.h"

#include "runtime/number_format.h"

namespace model {
namespace {

constexpr std::size_t kPrintZone = 14;
constexpr std::string_view kLineEnd = "\r\n";  // as the file's readers expect

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
    std::string contents;
    for (int i = 1; i <= kSampleCount; ++i) {
        contents += dataFileLine(state.Tiempo[i], state.IndiceUV[i], decimalSeparator);
        contents += kLineEnd;
    }
    return contents;
}

runtime::SaveOutcome saveDataFile(std::string_view contents, const std::string& path, runtime::FileCalls& calls)
{
    return runtime::saveTextFile(path, contents, calls);
}

runtime::SaveOutcome saveDataFile(std::string_view contents, const std::string& path)
{
    return runtime::saveTextFile(path, contents);
}

}  // namespace model
