// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/refusal.h"

namespace runtime {

std::string refusal(Named who, bool empty, std::string_view whatIsWrong)
{
    const std::string name = who.holder == Holder::Box ? "«" + std::string(who.name) + "»" : std::string(who.name);
    if (empty)
        return (who.holder == Holder::Box ? "La casilla " : "La opción ") + name + " " + std::string(whatIsWrong) + ".";
    return name + ": " + std::string(whatIsWrong) + ".";
}

std::string quoted(std::string_view text)
{
    return text.empty() ? std::string() : "«" + shortened(text) + "» ";
}

std::string conversionClause(std::string_view text, ConversionError error, char decimalSeparator)
{
    if (error == ConversionError::Empty)
        return std::string(describe(error));
    std::string clause = quoted(text) + std::string(describe(error));
    const auto corrected = error == ConversionError::NotANumber ? withDecimalSeparator(text, decimalSeparator)
                                                                : std::nullopt;
    if (corrected) {
        clause += decimalSeparator == ',' ? "; use la coma decimal (" : "; use el punto decimal (";
        clause += shortened(*corrected) + ")";
    }
    return clause;
}

std::string shortened(std::string_view text)
{
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest)
        return std::string(text);
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut)) + "…";
}

std::string choicesText(std::span<const std::string_view> words)
{
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            text += i + 1 == words.size() ? " ni " : ", ";
        text += words[i];
    }
    return text;
}

}  // namespace runtime
