// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <variant>

#include "model/data_file.h"
#include "model/dose.h"
#include "model/form_state.h"
#include "model/inputs.h"
#include "runtime/text_file.h"

namespace model {

// The curve and the corrected maximum computed from six numbers, without
// touching anything outside.
struct Calculation {
    double correctedMaximum = 0;
    // The new text of Text7: only when a latitude or altitude difference is
    // non-zero; otherwise Text7 keeps what it had.
    std::optional<std::string> text7;
    FormState state;
};

Calculation calculate(const InputValues& values, char decimalSeparator);

// Everything one press of "Calcular" gives the window.
struct CalcularResult {
    std::optional<std::string> text7;
    double correctedMaximum = 0;
    runtime::SaveOutcome datos;  // a failure leaves the previous datos.dat as it was
    DoseOutcome dose;
};

using CalcularOutcome = std::variant<CalcularResult, InputFailure>;

// The same press with datos.dat's bytes handed back instead of saved, for a
// front end with no working directory (the web page offers them as a download).
struct CalcularInMemoryResult {
    std::optional<std::string> text7;
    double correctedMaximum = 0;
    std::string datos;  // exactly what Calcular saves
    DoseOutcome dose;
};

std::variant<CalcularInMemoryResult, InputFailure> CalcularInMemory(const InputTexts& texts, char decimalSeparator,
                                                                   FormState& state);

// The whole "Calcular": converts the six texts, computes the curve into
// `state`, writes the data file at `dataFilePath` and works out the dose. A
// text that does not convert stops it before anything changes: `state` and
// the file stay as they were. A file that cannot be written does not stop it:
// the curve and the dose are still there for the window to show.
CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath, runtime::FileCalls& calls);
CalcularOutcome Calcular(const InputTexts& texts, char decimalSeparator, FormState& state,
                         const std::string& dataFilePath = kDataFileName);

}  // namespace model
