// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "model/dose.h"
#include "model/form_state.h"
#include "model/inputs.h"

namespace model {

// Everything one press of "Calcular" gives a front end. Saving datos.dat is
// the front end's next step (saveDataFile): the window saves these bytes in
// the working directory, the web page offers them as a download.
struct CalcularResult {
    // The new text of Text7: only when a latitude or altitude difference is
    // non-zero; otherwise Text7 keeps what it had.
    std::optional<std::string> text7;
    double correctedMaximum = 0;
    std::string datos;  // the whole of datos.dat for the new curve
    DoseOutcome dose;
};

using CalcularOutcome = std::variant<CalcularResult, InputFailure>;

// Fills the curve of the day from the corrected maximum: the bell unless the
// user chose another shape.
using DaySampler = std::function<void(double maximum, FormState& state)>;

// The whole "Calcular" but the saving: converts the six texts, computes the
// curve into `state`, and gives datos.dat's bytes and the dose. A text that
// does not convert stops it before anything changes: `state` stays as it was.
CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state);
CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state, const DaySampler& sample);

}  // namespace model
