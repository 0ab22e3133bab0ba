// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_format.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

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

    // printf rounds the exact binary value, as the patterns ask. The largest
    // double has 309 integer digits; 4 decimals, sign and point fit.
    std::array<char, 400> buffer{};
    const int decimals = decimalsOf(pattern);
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size())
        return "?";

    // printf writes the locale's decimal point, which may be any text: keep the
    // sign and integer digits in front of it and the decimals after it, and put
    // the separator the caller asked for between them.
    const std::string_view printed(buffer.data(), static_cast<std::size_t>(length));
    const std::size_t integerEnd = printed.find_first_not_of("-0123456789");
    if (integerEnd == std::string_view::npos || printed.size() < integerEnd + static_cast<std::size_t>(decimals))
        return "?";
    std::string text(printed.substr(0, integerEnd));
    text += decimalSeparator;
    text += printed.substr(printed.size() - static_cast<std::size_t>(decimals));
    // A value that rounds to zero is shown without a sign: "-0.0" would read
    // as a negative quantity that is not there.
    if (text.front() == '-' && text.find_first_not_of(std::string("-0") + decimalSeparator) == std::string::npos)
        text.erase(0, 1);
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
