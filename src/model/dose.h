// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/form_state.h"

namespace model {

// The one message of the program's own, leading blank included.
inline constexpr std::string_view kSkinTypeMessage = " Por favor ingrese nuevamente el tipo de piel";

// What the dose gives the window: the caption for Label4, or, for a skin type
// other than exactly 1 to 6, no caption and the skin-type message instead.
struct DoseOutcome {
    std::optional<std::string> label4Caption;
    bool showSkinTypeMessage() const { return !label4Caption; }
};

// The exposure window's integral of the UV index (index x hours), trapezoid
// rule over samples 2 to NumPuntos: a strip counts whole when its left sample
// lies in the window.
double exposureIntegral(const FormState& state);

// The minimal dose of a skin type, in the integral's units scaled by 10.0008;
// none for anything but exactly 1, 2, 3, 4, 5 or 6.
std::optional<double> skinTypeDivisor(float tipoPiel);

// The exposure in minimal doses of the skin type, unrounded; none for an
// unknown skin type.
std::optional<double> exposureInDoses(const FormState& state);

// The dose as the window shows it, "#0.00" in the locale's separator.
DoseOutcome Velmar(const FormState& state, char decimalSeparator);

}  // namespace model
