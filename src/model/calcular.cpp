// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/calcular.h"

#include "model/curve.h"
#include "model/data_file.h"
#include "runtime/number_format.h"

namespace model {
namespace {

// What a press leaves in the form state: the exposure's three values and a
// fresh curve.
FormState stateAfterPress(const InputValues& values, double maximum, const DaySampler& sample)
{
    FormState state;
    state.HoraExposicion = values.horaExposicion;
    state.Duracion = values.duracion;
    state.TipoPiel = values.tipoPiel;
    sample(maximum, state);
    state.NumPuntos = SampleCount::all();
    return state;
}

}  // namespace

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state)
{
    return Calcular(texts, decimalSeparator, state, sampleCurve);
}

CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state, const DaySampler& sample)
{
    const InputConversion converted = convertInputs(texts, decimalSeparator);
    if (const auto* failure = std::get_if<InputFailure>(&converted))
        return *failure;
    const InputValues& values = std::get<InputValues>(converted);

    CalcularResult result;
    result.correctedMaximum = correctedMaximum(values.indiceMaximo, values.diferenciaLatitud,
                                               values.diferenciaAltitud);
    if (values.diferenciaAltitud != 0 || values.diferenciaLatitud != 0) {
        result.text7 = runtime::formatNumber(result.correctedMaximum, runtime::NumberPattern::OneDecimal,
                                             decimalSeparator);
    }
    state = stateAfterPress(values, result.correctedMaximum, sample);

    result.datos = dataFileContents(state, decimalSeparator);
    result.dose = Velmar(state, decimalSeparator);
    return result;
}

}  // namespace model
