// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/curve_csv.h"

#include "runtime/exact_number.h"

namespace model {
namespace {

// The row end spreadsheets and the CSV convention expect, as in datos.dat.
constexpr const char* kRowEnd = "\r\n";

}  // namespace

char csvColumnSeparator(char decimalSeparator)
{
    return decimalSeparator == ',' ? ';' : ',';
}

std::string curveCsv(const FormState& state, char decimalSeparator)
{
    const char column = csvColumnSeparator(decimalSeparator);
    std::string text = std::string("hora") + column + "indice_uv" + kRowEnd;
    for (int i = 1; i <= kSampleCount; ++i) {
        text += runtime::formatExact(state.Tiempo[i], decimalSeparator) + column
            + runtime::formatExact(state.IndiceUV[i], decimalSeparator) + kRowEnd;
    }
    return text;
}

runtime::SaveOutcome writeCurveCsv(const FormState& state, char decimalSeparator, const std::string& path,
                                   runtime::FileCalls& calls)
{
    return runtime::saveTextFile(path, curveCsv(state, decimalSeparator), calls);
}

}  // namespace model
