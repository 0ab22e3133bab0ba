// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/calcular.h"

#include "model/curve.h"
#include "runtime/number_format.h"

namespace model {

Calculation calculate(const InputValues& values, char decimalSeparator)
{
    Calculation result;
    result.correctedMaximum = correctedMaximum(values.indiceMaximo, values.diferenciaLatitud,
                                               values.diferenciaAltitud);
    if (values.diferenciaAltitud != 0 || values.diferenciaLatitud != 0) {
        result.text7 = runtime::formatNumber(result.correctedMaximum, runtime::NumberPattern::OneDecimal,
                                             decimalSeparator);
    }
    result.state.HoraExposicion = values.horaExposicion;
    result.state.Duracion = values.duracion;
    result.state.TipoPiel = values.tipoPiel;
    sampleCurve(result.correctedMaximum, result.state);
    result.state.NumPuntos = kSampleCount;
    return result;
}

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath, runtime::FileCalls& calls)
{
    const InputConversion converted = convertInputs(texts, decimalSeparator);
    if (const auto* failure = std::get_if<InputFailure>(&converted))
        return *failure;

    Calculation calculation = calculate(std::get<InputValues>(converted), decimalSeparator);
    state = calculation.state;

    CalcularResult result;
    result.text7 = std::move(calculation.text7);
    result.correctedMaximum = calculation.correctedMaximum;
    result.datos = writeDataFile(state, decimalSeparator, dataFilePath, calls);
    result.dose = Velmar(state, decimalSeparator);
    return result;
}

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath)
{
    runtime::FileCalls calls;
    return Calcular(texts, decimalSeparator, state, dataFilePath, calls);
}

}  // namespace model
