// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/sunscreen_text.h"

#include "model/time_to_dose_text.h"
#include "runtime/number_format.h"
#include "runtime/number_text.h"

namespace model {
namespace {

using runtime::NumberPattern;

std::string fpsText(double fps, char decimalSeparator)
{
    return runtime::formatNumber(fps, NumberPattern::OneDecimal, decimalSeparator);
}

}  // namespace

std::string protectedText(const ProtectedExposure& exposure, float horaExposicion, char decimalSeparator)
{
    const SunscreenAmountRow& amount = amountRow(exposure.sunscreen.amount);
    std::string text = "Con FPS " + runtime::integerToText(exposure.sunscreen.fps) + " (" + std::string(amount.shortName);
    if (amount.mgPerCm2 != kTestedMgPerCm2)
        text += ", como FPS " + fpsText(exposure.effectiveFps, decimalSeparator);
    text += "): " + runtime::formatNumber(exposure.doses, NumberPattern::TwoDecimals, decimalSeparator) + " DEM; ";
    return text + oneDoseAtText(exposure.minutesToOneDose, horaExposicion);
}

std::string sunscreenAmountNote(char decimalSeparator)
{
    const Sunscreen usual{30, SunscreenAmount::Usual};
    return "La protección baja exponencialmente con la cantidad: casi todos se ponen la mitad de la ensayada o menos, "
           "y así un FPS "
           + runtime::integerToText(usual.fps) + " protege como un FPS " + fpsText(effectiveFps(usual), decimalSeparator) + ".";
}

std::string describeNotAFactor(std::string_view typed, runtime::Named who)
{
    const bool empty = runtime::trimBlanks(typed).empty();
    return runtime::refusal(who, empty,
                            empty ? "está vacía"
                                  : runtime::quoted(typed) + "no es un FPS válido (un entero de "
                                        + runtime::integerToText(kLowestFps) + " a "
                                        + runtime::integerToText(kHighestFps) + ")");
}

std::string describeNotAnAmount(std::string_view typed, runtime::Named who)
{
    const bool empty = runtime::trimBlanks(typed).empty();
    return runtime::refusal(who, empty,
                            empty ? "está vacía"
                                  : runtime::quoted(typed) + "no es "
                                        + runtime::choicesText(runtime::tokensOf(kSunscreenAmounts)));
}

}  // namespace model
