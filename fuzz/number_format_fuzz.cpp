// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any 64-bit value through every number pattern, the "h:mm" pattern and the
// integer text: each text has its pattern's shape and stands for the value.
// Input: the first byte is the decimal separator ("," for a comma, anything
// else for the point), the next eight the value's bits (missing bytes are 0).
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "checks.h"
#include "runtime/number_format.h"

using fuzzcheck::require;
using runtime::NumberPattern;

namespace {

constexpr std::array kPatterns = {
    NumberPattern::OneDecimal, NumberPattern::AxisLabel, NumberPattern::TwoDecimals,
    NumberPattern::ThreeDecimals, NumberPattern::FourDecimals,
};

std::string describeValue(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void checkPattern(double value, NumberPattern pattern, char separator)
{
    const int decimals = runtime::decimalsOf(pattern);
    const std::string text = runtime::formatNumber(value, pattern, separator);
    const std::string context = describeValue(value) + " with " + std::to_string(decimals) + " decimals gave " + text;
    require(fuzzcheck::matchesNumberPattern(text, decimals, separator), "a formatted number is not of its pattern",
            context);

    // The text is the value rounded to the pattern's decimals: off by at most
    // half a unit of the last decimal, plus what reading it back rounds.
    const double back = fuzzcheck::readWithCLibrary(text, separator);
    const double ulp = std::nextafter(std::abs(value), INFINITY) - std::abs(value);
    const double allowed = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + 2 * ulp;
    require(std::abs(back - value) <= allowed, "a formatted number is not the rounded value", context);

    // Formatting what the text reads as gives the same text: rounding is settled once.
    require(runtime::formatNumber(back, pattern, separator) == text, "formatting a formatted number changes it",
            context);
}

void checkHourMinute(double dayFraction)
{
    const std::string text = runtime::formatHourMinute(dayFraction);
    const std::string context = describeValue(dayFraction) + " gave " + text;
    require(fuzzcheck::matchesHourMinute(text), "a time of day is not of the h:mm pattern", context);
    // Far from zero a day fraction no longer resolves seconds; the shape is all there is to check.
    if (!(std::abs(dayFraction) < 1e6))
        return;

    const auto colon = text.find(':');
    const int hour = std::stoi(text.substr(0, colon));
    const int minute = std::stoi(text.substr(colon + 1));
    const double shown = hour * 3600.0 + minute * 60.0;
    double second = std::fmod(dayFraction * 86400.0, 86400.0);
    if (second < 0)
        second += 86400.0;
    // The whole minutes of the time, its seconds dropped; only the last 10 ms
    // of a minute, below what the program's hours resolve, count as the next.
    // Scaling to seconds rounds; allow for it besides a hair of slack.
    const double slack = 1e-6 + std::abs(dayFraction) * 86400.0 * 1e-15;
    const bool inMinute = second >= shown - 0.01 - slack && second < shown + 59.99 + slack;
    const bool wrapped = shown == 0 && second >= 86399.99 - slack;
    require(inMinute || wrapped, "h:mm does not show the minute of the time", context);
}

void checkIntegerText(long long value)
{
    const std::string text = runtime::integerToText(value);
    const std::string_view digits = text.front() == '-' ? std::string_view(text).substr(1) : std::string_view(text);
    require(!digits.empty() && (digits == "0" || digits.front() != '0'), "an integer text has a stray zero", text);
    require(digits.find_first_not_of("0123456789") == std::string_view::npos, "an integer text is not digits", text);
    long long back = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), back);
    require(result.ec == std::errc{} && result.ptr == text.data() + text.size() && back == value,
            "an integer text does not read back", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = data[0] == ',' ? ',' : '.';
    std::array<std::uint8_t, 8> bits{};
    std::memcpy(bits.data(), data + 1, std::min(size - 1, bits.size()));
    double value = 0;
    long long integer = 0;
    std::memcpy(&value, bits.data(), sizeof value);
    std::memcpy(&integer, bits.data(), sizeof integer);

    checkIntegerText(integer);
    if (!std::isfinite(value)) {
        // The program never formats these; they must still not bring it down.
        for (const NumberPattern pattern : kPatterns)
            require(!runtime::formatNumber(value, pattern, separator).empty(), "an empty text for a non-finite value");
        require(fuzzcheck::matchesHourMinute(runtime::formatHourMinute(value)),
                "a time of day is not of the h:mm pattern", describeValue(value));
        return 0;
    }
    for (const NumberPattern pattern : kPatterns)
        checkPattern(value, pattern, separator);
    checkHourMinute(value);
    checkHourMinute(value / 24);
    return 0;
}
