// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <variant>

#include "model/calcular.h"

namespace test_support {

// The form state after "Calcular" with these texts, read with a decimal point;
// the texts must be numbers.
inline model::FormState stateAfterCalcular(const model::InputTexts& texts)
{
    model::FormState state;
    const model::CalcularOutcome outcome = model::Calcular(texts, '.', state);
    if (!std::holds_alternative<model::CalcularResult>(outcome))
        throw std::invalid_argument("not a number among the texts");
    return state;
}

// The form state after "Calcular" with the window's start-up values:
// maximum 10, start 11 h, duration 2 h, skin type 3, no other locality.
inline model::FormState defaultExampleState()
{
    return stateAfterCalcular({"10", "11", "2", "3", "0", "0"});
}

}  // namespace test_support
