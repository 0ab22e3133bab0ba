// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_text.h"

#include <charconv>
#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i];
        const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != prefix[i])
            return false;
    }
    return true;
}

// Decimal order of magnitude of a plain "-ddd.ddde-dd" with a non-zero digit:
// positive when the value is at least 1. Only its sign is needed, to tell an
// overflow from an underflow, so the exponent saturates.
long long orderOfMagnitude(std::string_view plain)
{
    long long exponent = 0;
    if (const auto e = plain.find('e'); e != std::string_view::npos) {
        std::string_view digits = plain.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
            digits.remove_prefix(1);
        for (const char c : digits)
            exponent = std::min<long long>(exponent * 10 + (c - '0'), 1'000'000'000);
        if (negative)
            exponent = -exponent;
        plain = plain.substr(0, e);
    }
    if (!plain.empty() && plain.front() == '-')
        plain.remove_prefix(1);
    const auto point = std::min(plain.find('.'), plain.size());
    const auto firstNonZero = plain.find_first_not_of("0.");
    if (firstNonZero == std::string_view::npos)
        return 0;
    const auto position = firstNonZero < point
        ? static_cast<long long>(point - firstNonZero)
        : -static_cast<long long>(firstNonZero - point - 1);
    return position + exponent;
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view describe(ConversionError error)
{
    switch (error) {
    case ConversionError::Empty:
        return "está vacía";
    case ConversionError::NotANumber:
        return "no es un número válido";
    case ConversionError::OutOfRange:
        return "está fuera del rango de valores admitidos";
    case ConversionError::NotFinite:
        return "no es un número finito";
    }
    return "no es un número válido";
}

SingleResult textToSingle(std::string_view text, char decimalSeparator)
{
    text = trimBlanks(text);
    if (text.empty())
        return ConversionError::Empty;

    // Check the shape ourselves and hand from_chars a plain "-ddd.ddde-dd":
    // from_chars is locale-free and rounds correctly, but it accepts
    // spellings a person should not get a number from.
    std::string plain;
    plain.reserve(text.size());
    std::size_t at = 0;
    if (text[at] == '+' || text[at] == '-') {
        if (text[at] == '-')
            plain += '-';
        ++at;
    }
    const std::string_view rest = text.substr(at);
    if (startsWithNoCase(rest, "inf") || startsWithNoCase(rest, "nan"))
        return ConversionError::NotFinite;

    std::size_t digits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at, ++digits)
        plain += text[at];
    if (at < text.size() && text[at] == decimalSeparator) {
        plain += '.';
        for (++at; at < text.size() && isDigit(text[at]); ++at, ++digits)
            plain += text[at];
    }
    if (digits == 0)
        return ConversionError::NotANumber;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        plain += 'e';
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            plain += text[at++];
        std::size_t exponentDigits = 0;
        for (; at < text.size() && isDigit(text[at]); ++at, ++exponentDigits)
            plain += text[at];
        if (exponentDigits == 0)
            return ConversionError::NotANumber;
    }
    if (at != text.size())
        return ConversionError::NotANumber;

    float value = 0.0f;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // from_chars also reports underflow this way; only overflow is refused.
        if (orderOfMagnitude(plain) > 0)
            return ConversionError::OutOfRange;
        return plain.front() == '-' ? -0.0f : 0.0f;
    }
    if (error != std::errc{} || end != last)
        return ConversionError::NotANumber;
    if (!std::isfinite(value))
        return ConversionError::OutOfRange;
    return value;
}

}  // namespace runtime
