// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

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

// Saturated so that no exponent a person can type overflows; anything this
// far out is an overflow or an underflow whatever the digits are.
constexpr long long kExponentLimit = 1'000'000'000;

// What a person may type as a number, checked here, then rewritten for the C
// library with no decimal point at all and the exponent moved to make up for
// it ("-2,5e3" becomes "-25e2"): strtof and strtod round correctly, and with
// no point in the text the locale they read the point from has nothing to
// say. They alone would accept spellings ("0x1p3", "infinity") a person
// should not get a number from.
std::variant<std::string, ConversionError> plainDecimal(std::string_view text, char decimalSeparator)
{
    text = trimBlanks(text);
    if (text.empty())
        return ConversionError::Empty;
    std::string plain;
    plain.reserve(text.size() + 16);
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
    long long fractionDigits = 0;
    for (; at < text.size() && isDigit(text[at]); ++at, ++digits)
        plain += text[at];
    if (at < text.size() && text[at] == decimalSeparator) {
        for (++at; at < text.size() && isDigit(text[at]); ++at, ++digits, ++fractionDigits)
            plain += text[at];
    }
    if (digits == 0)
        return ConversionError::NotANumber;
    long long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            negative = text[at++] == '-';
        std::size_t exponentDigits = 0;
        for (; at < text.size() && isDigit(text[at]); ++at, ++exponentDigits)
            exponent = std::min(exponent * 10 + (text[at] - '0'), kExponentLimit);
        if (exponentDigits == 0)
            return ConversionError::NotANumber;
        if (negative)
            exponent = -exponent;
    }
    if (at != text.size())
        return ConversionError::NotANumber;
    plain += 'e';
    plain += std::to_string(exponent - std::min(fractionDigits, kExponentLimit));
    return plain;
}

// The text checked and rewritten by plainDecimal, then read by `convert`
// (strtof or strtod), which alone decides the type's range and rounding.
template <typename Number, typename Convert>
std::variant<Number, ConversionError> textToNumber(std::string_view text, char decimalSeparator, Convert convert)
{
    const auto plain = plainDecimal(text, decimalSeparator);
    if (const auto* error = std::get_if<ConversionError>(&plain))
        return *error;
    // Overflow comes back as infinity and underflow as a zero or a subnormal of
    // the right sign; errno adds nothing to that.
    const int savedErrno = errno;
    const Number value = convert(std::get<std::string>(plain).c_str());
    errno = savedErrno;
    if (!std::isfinite(value))
        return ConversionError::OutOfRange;
    return value;
}

}  // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

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
    return textToNumber<float>(text, decimalSeparator, [](const char* plain) { return std::strtof(plain, nullptr); });
}

DoubleResult textToDouble(std::string_view text, char decimalSeparator)
{
    return textToNumber<double>(text, decimalSeparator, [](const char* plain) { return std::strtod(plain, nullptr); });
}

std::optional<std::string> withDecimalSeparator(std::string_view text, char decimalSeparator)
{
    const char other = decimalSeparator == ',' ? '.' : ',';
    if (std::holds_alternative<ConversionError>(plainDecimal(text, other))
        || std::holds_alternative<std::string>(plainDecimal(text, decimalSeparator)))
        return std::nullopt;
    std::string corrected(trimBlanks(text));
    std::replace(corrected.begin(), corrected.end(), other, decimalSeparator);
    return corrected;
}

}  // namespace runtime
