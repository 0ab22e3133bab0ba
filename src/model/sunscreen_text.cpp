// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/sunscreen_text.h"

#include "model/time_to_dose_text.h"
#include "runtime/number_format.h"

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

}  // namespace model
