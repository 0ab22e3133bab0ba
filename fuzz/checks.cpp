// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checks.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace fuzzcheck {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

std::string withPoint(std::string_view text, char decimalSeparator)
{
    std::string plain(text);
    for (char& c : plain) {
        if (c == decimalSeparator)
            c = '.';
    }
    return plain;
}

}  // namespace

void fail(std::string_view property, std::string_view detail)
{
    std::fprintf(stderr, "property broken: %.*s\n  %.*s\n", static_cast<int>(property.size()), property.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

bool matchesNumberPattern(std::string_view text, int decimals, char decimalSeparator)
{
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    const auto separator = text.find(decimalSeparator);
    if (separator == std::string_view::npos || separator == 0)
        return false;
    const std::string_view integer = text.substr(0, separator);
    const std::string_view fraction = text.substr(separator + 1);
    if (integer.size() > 1 && integer.front() == '0')
        return false;
    if (fraction.size() != static_cast<std::size_t>(decimals))
        return false;
    bool allZero = true;
    for (const std::string_view part : {integer, fraction}) {
        for (const char c : part) {
            if (!isDigit(c))
                return false;
            allZero = allZero && c == '0';
        }
    }
    return !(negative && allZero);
}

bool matchesHourMinute(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != colon && !isDigit(text[i]))
            return false;
    }
    if (colon == 2 && (text[0] == '0' || text.substr(0, 2) > "23"))
        return false;
    return text[colon + 1] <= '5';
}

double readWithCLibrary(std::string_view text, char decimalSeparator, std::size_t* consumed)
{
    const std::string plain = withPoint(text, decimalSeparator);
    char* end = nullptr;
    const double value = strtod_l(plain.c_str(), &end, cLocale());
    if (consumed)
        *consumed = static_cast<std::size_t>(end - plain.c_str());
    return value;
}

float readSingleWithCLibrary(std::string_view text, char decimalSeparator, std::size_t* consumed)
{
    const std::string plain = withPoint(text, decimalSeparator);
    char* end = nullptr;
    const float value = strtof_l(plain.c_str(), &end, cLocale());
    if (consumed)
        *consumed = static_cast<std::size_t>(end - plain.c_str());
    return value;
}

std::string shortestText(float value, char decimalSeparator)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == '.')
            c = decimalSeparator;
    }
    return text;
}

std::string printable(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
            out += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        }
    }
    return out + "\"";
}

}  // namespace fuzzcheck
