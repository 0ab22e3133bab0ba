// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/form_state.h"

namespace model {

// How thickly the cream is spread. A label's factor is measured with 2 mg/cm²;
// most people put on half of that or less.
enum class SunscreenAmount { Label, Usual };

struct SunscreenAmountRow {
    SunscreenAmount amount;
    std::string_view token;        // the companion's word for it
    std::string_view description;  // the forms' choice
    std::string_view shortName;    // inside the protected line's parentheses
    double mgPerCm2;
};

// The amount every label's factor is measured with.
inline constexpr double kTestedMgPerCm2 = 2;

inline constexpr std::array<SunscreenAmountRow, 2> kSunscreenAmounts = {{
    {SunscreenAmount::Label, "etiqueta", "como en la etiqueta (2 mg/cm²)", "como en la etiqueta", kTestedMgPerCm2},
    {SunscreenAmount::Usual, "habitual", "la cantidad habitual (1 mg/cm²)", "cantidad habitual", 1},
}};

const SunscreenAmountRow& amountRow(SunscreenAmount amount);

// The amount the companion's word names; none for any other word.
std::optional<SunscreenAmount> amountFromToken(std::string_view token);

// The factors a label carries, whole numbers from 2 to 100.
inline constexpr int kLowestFps = 2;
inline constexpr int kHighestFps = 100;
bool isSunscreenFactor(int fps);
// A factor as typed in a form's field, blanks around it allowed; none for
// anything but such a whole number.
std::optional<int> sunscreenFactorFromText(std::string_view text);

// The forms' names for the two choices, which refusals put between « ».
inline constexpr std::string_view kSunscreenFactorName = "FPS";
inline constexpr std::string_view kSunscreenFactorCaption = "FPS del protector solar";
inline constexpr std::string_view kSunscreenAmountCaption = "Cantidad aplicada";

// The amount a front end assumes until the user says otherwise: the label's.
// The factor typed is the label's, which holds for the label's amount; the
// protected line names the amount, and "habitual" is one choice away.
inline constexpr SunscreenAmount kDefaultSunscreenAmount = SunscreenAmount::Label;

struct Sunscreen {
    int fps = 30;
    SunscreenAmount amount = kDefaultSunscreenAmount;
};

// The factor the cream gives as spread: the labelled one raised to the share
// of the tested amount put on, so 30 at 1 mg/cm² protects as about 5.5.
double effectiveFps(Sunscreen sunscreen);

// The stay of the window's result under the cream, computed once for the
// texts and the companion's report.
struct ProtectedExposure {
    Sunscreen sunscreen;
    double effectiveFps = 1;
    double doses = 0;                      // minimal doses, unrounded
    std::optional<int> minutesToOneDose;   // from the start hour
};

// None when the skin type is not 1 to 6; `sunscreen.fps` is one that
// isSunscreenFactor accepts. The protected dose is the window's dose divided
// by the effective factor; one protected dose is reached when the unprotected
// one gets to the effective factor.
std::optional<ProtectedExposure> protectExposure(const FormState& state, Sunscreen sunscreen);

}  // namespace model
