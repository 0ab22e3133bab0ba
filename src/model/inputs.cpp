// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/inputs.h"


namespace model {
namespace {

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

}  // namespace

std::string whatIsWrong(const InputFailure& failure)
{
    return runtime::conversionClause(failure.text, failure.error, failure.decimalSeparator);
}

std::string describe(const InputFailure& failure, runtime::Named who)
{
    return runtime::refusal(who, failure.error == runtime::ConversionError::Empty, whatIsWrong(failure));
}

std::string describe(const InputFailure& failure)
{
    return describe(failure, {runtime::Holder::Box, captionOf(failure.box)});
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
