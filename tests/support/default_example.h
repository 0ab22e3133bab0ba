// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <variant>

#include "model/calcular.h"

namespace test_support {

// The form state after "Calcular" with the window's start-up values:
// maximum 10, start 11 h, duration 2 h, skin type 3, no other locality.
inline model::FormState defaultExampleState()
{
    const model::InputConversion inputs = model::convertInputs({"10", "11", "2", "3", "0", "0"}, '.');
    return model::calculate(std::get<model::InputValues>(inputs), '.').state;
}

}  // namespace test_support
