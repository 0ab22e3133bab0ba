// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "model/sunscreen.h"
#include "runtime/refusal.h"

namespace model {

// The protected stay's line, factors "0.0" and the dose "#0.00" in the
// separator, the clock time as in the time to one dose:
//   Con FPS 30 (cantidad habitual, como FPS 5,5): 0,81 DEM; 1 DEM a las 13:26
//   Con FPS 30 (como en la etiqueta): 0,15 DEM; 1 DEM no se alcanza en el resto del día
// The effective factor is left out when the cream is spread as tested, since
// it is then the labelled one.
std::string protectedText(const ProtectedExposure& exposure, float horaExposicion, char decimalSeparator);

// Why the amount matters, for the sunscreen's choice: the usual amount's
// effective factor for FPS 30, worked out rather than typed.
std::string sunscreenAmountNote(char decimalSeparator);

inline constexpr std::string_view kReapplyNote = "Vuelva a aplicarlo después de bañarse y cada dos horas.";

// A factor that is not a whole number from kLowestFps to kHighestFps, refused
// naming the field or the option: "«FPS»: «1» no es un FPS válido (un entero
// de 2 a 100)."
std::string describeNotAFactor(std::string_view typed, runtime::Named who);

// An amount that is none of kSunscreenAmounts' words: "--cantidad: «mucha» no
// es etiqueta ni habitual."
std::string describeNotAnAmount(std::string_view typed, runtime::Named who);

}  // namespace model
