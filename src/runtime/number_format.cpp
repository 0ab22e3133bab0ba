// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace runtime {

int decimalsOf(NumberPattern pattern)
{
    switch (pattern) {
    case NumberPattern::OneDecimal:
    case NumberPattern::AxisLabel:
        return 1;
    case NumberPattern::TwoDecimals:
        return 2;
    case NumberPattern::ThreeDecimals:
        return 3;
    case NumberPattern::FourDecimals:
        return 4;
    }
    return 1;
}

std::string formatNumber(double value, NumberPattern pattern, char decimalSeparator)
{
    // Every value the program formats is finite; keep the function total anyway.
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";

    // The largest double has 309 integer digits; 4 decimals, sign and point fit.
    std::array<char, 330> buffer{};
    const int decimals = decimalsOf(pattern);
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return "?";

    std::string text(buffer.data(), end);
    // A value that rounds to zero is shown without a sign: "-0.0" would read
    // as a negative quantity that is not there.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    if (const auto point = text.find('.'); point != std::string::npos)
        text[point] = decimalSeparator;
    return text;
}

std::string formatHourMinute(double dayFraction)
{
    if (!std::isfinite(dayFraction))
        return "0:00";
    constexpr double kSecondsPerDay = 86400.0;
    // A time this close below a whole minute is that minute. The hours the
    // program holds are 32-bit floats, good to a few milliseconds (10.7 h is
    // 10:41:59.9993), and dividing them by 24 adds its own hair; a real
    // second's fraction, as in 13:59:59.7, is far larger and is dropped.
    constexpr double kPrecision = 0.01;
    // Drop whole days before scaling to seconds: the fraction is exact, and a
    // huge number of days scaled first would overflow to infinity.
    double seconds = std::fmod(dayFraction, 1.0) * kSecondsPerDay;
    if (seconds < 0)
        seconds += kSecondsPerDay;
    const auto secondOfDay = static_cast<long>(std::floor(seconds + kPrecision)) % 86400;
    const long hour = secondOfDay / 3600;
    const long minute = (secondOfDay % 3600) / 60;

    std::string text = std::to_string(hour);
    text += ':';
    text += static_cast<char>('0' + minute / 10);
    text += static_cast<char>('0' + minute % 10);
    return text;
}

std::string integerToText(long long value)
{
    return std::to_string(value);
}

}  // namespace runtime
