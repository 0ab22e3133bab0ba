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

std::variant<CalcularInMemoryResult, InputFailure> CalcularInMemory(const InputTexts& texts, char decimalSeparator,
                                                                   FormState& state)
{
    const InputConversion converted = convertInputs(texts, decimalSeparator);
    if (const auto* failure = std::get_if<InputFailure>(&converted))
        return *failure;

    Calculation calculation = calculate(std::get<InputValues>(converted), decimalSeparator);
    state = calculation.state;

    CalcularInMemoryResult result;
    result.text7 = std::move(calculation.text7);
    result.correctedMaximum = calculation.correctedMaximum;
    result.datos = dataFileContents(state, decimalSeparator);
    result.dose = Velmar(state, decimalSeparator);
    return result;
}

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath, runtime::FileCalls& calls)
{
    auto pressed = CalcularInMemory(texts, decimalSeparator, state);
    if (const auto* failure = std::get_if<InputFailure>(&pressed))
        return *failure;
    auto& inMemory = std::get<CalcularInMemoryResult>(pressed);

    CalcularResult result;
    result.text7 = std::move(inMemory.text7);
    result.correctedMaximum = inMemory.correctedMaximum;
    runtime::TextFileWriter file(dataFilePath);
    file.append(inMemory.datos);
    result.datos = file.save(calls);
    result.dose = std::move(inMemory.dose);
    return result;
}

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath)
{
    runtime::FileCalls calls;
    return Calcular(texts, decimalSeparator, state, dataFilePath, calls);
}

}  // namespace model
