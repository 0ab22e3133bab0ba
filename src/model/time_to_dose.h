// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "model/form_state.h"

namespace model {

// How long, in whole minutes from the start hour, a stay can last before the
// unprotected exposure reaches `doses` minimal doses of the skin type: the
// shortest duration whose unrounded dose, integrated exactly as for the
// window's result, is at least `doses`. None when the rest of the day's curve
// never gets there, or when the skin type is not 1 to 6. `state` holds a
// calculated curve; its Duracion is ignored.
std::optional<int> minutesToDoses(FormState state, double doses);

// The time to one minimal dose with no protection.
inline std::optional<int> minutesToOneDose(const FormState& state)
{
    return minutesToDoses(state, 1);
}

}  // namespace model
