// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/inputs.h"

#include <optional>

namespace model {
namespace {

constexpr std::array<std::string_view, kInputCount> kCaptions = {
    "Indice Máximo",
    "Hora Exposición",
    "Duración (hr)",
    "Tipo de piel",
    "Diferencia de altitud (m)",
    "Diferencia de latitud (º)",
};

// Where each box's number goes, in the same order as the captions.
constexpr std::array<float InputValues::*, kInputCount> kFields = {
    &InputValues::indiceMaximo,
    &InputValues::horaExposicion,
    &InputValues::duracion,
    &InputValues::tipoPiel,
    &InputValues::diferenciaAltitud,
    &InputValues::diferenciaLatitud,
};

// The order "Calcular" reads the boxes in: the maximum and its two
// corrections first, then the exposure. A failure names the first bad box.
constexpr std::array<InputBox, kInputCount> kReadingOrder = {
    InputBox::Text1, InputBox::Text6, InputBox::Text5,
    InputBox::Text2, InputBox::Text3, InputBox::Text4,
};

// A pasted page of text would make an unreadable warning; the start is enough
// for the user to recognise it. Cuts between UTF-8 characters, never inside one.
std::string shortened(const std::string& text)
{
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest)
        return text;
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return text.substr(0, cut) + "…";
}

}  // namespace

std::string_view captionOf(InputBox box)
{
    return kCaptions[static_cast<std::size_t>(box)];
}

std::string whatIsWrong(const InputFailure& failure)
{
    if (failure.error == runtime::ConversionError::Empty)
        return std::string(runtime::describe(failure.error));
    std::string clause = "«" + shortened(failure.text) + "» " + std::string(runtime::describe(failure.error));
    // A number written with the other decimal separator ("2.5" where the comma is expected).
    const auto corrected = failure.error == runtime::ConversionError::NotANumber
                               ? runtime::withDecimalSeparator(failure.text, failure.decimalSeparator)
                               : std::nullopt;
    if (corrected) {
        clause += failure.decimalSeparator == ',' ? "; use la coma decimal (" : "; use el punto decimal (";
        clause += shortened(*corrected) + ")";
    }
    return clause;
}

std::string describe(const InputFailure& failure)
{
    const std::string box = "«" + std::string(captionOf(failure.box)) + "»";
    if (failure.error == runtime::ConversionError::Empty)
        return "La casilla " + box + " " + whatIsWrong(failure) + ".";
    return box + ": " + whatIsWrong(failure) + ".";
}

InputConversion convertInputs(const InputTexts& texts, char decimalSeparator)
{
    InputValues values;
    for (const InputBox box : kReadingOrder) {
        const auto i = static_cast<std::size_t>(box);
        const auto converted = runtime::textToSingle(texts[i], decimalSeparator);
        if (const auto* error = std::get_if<runtime::ConversionError>(&converted))
            return InputFailure{box, texts[i], *error, decimalSeparator};
        values.*kFields[i] = std::get<float>(converted);
    }
    return values;
}

}  // namespace model
