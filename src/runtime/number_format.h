// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace runtime {

// The fixed number patterns the program shows numbers with. Each one has at
// least one integer digit, exactly its number of decimals, no grouping and a
// leading minus only for a value that is still negative once rounded.
enum class NumberPattern {
    OneDecimal,     // "0.0": the corrected maximum in Text7
    AxisLabel,      // "#0.0": the chart's index labels
    TwoDecimals,    // "#0.00": the exposure in Label4
    ThreeDecimals,  // "#0.000": the sample time in datos.dat
    FourDecimals,   // "#0.0000": the UV index in datos.dat
};

int decimalsOf(NumberPattern pattern);

// Formats `value` rounded to the pattern's decimals (the exact binary value
// is rounded, so 0.125 with two decimals is 0.12 and 0.1251 is 0.13), with
// `decimalSeparator` between the integer and the decimal digits.
std::string formatNumber(double value, NumberPattern pattern, char decimalSeparator);

// The "h:mm" pattern on a time of day given as a fraction of a day: the hour
// without a leading zero and two digits of whole minutes. The seconds are
// dropped, never rounded into the minutes: 6:00:50 is "6:00" and 13:59:59.7
// is "13:59". Only a time within 10 ms below a whole minute, which is what
// 32-bit hours and the division by 24 leave of it, counts as that minute.
// Only the time of day counts: whole days are dropped, as on a clock.
std::string formatHourMinute(double dayFraction);

// Plain decimal digits, a minus only for a negative value, no blank.
std::string integerToText(long long value);

}  // namespace runtime
