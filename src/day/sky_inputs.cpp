// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/sky_inputs.h"

#include "runtime/number_format.h"
#include "runtime/number_text.h"
#include "runtime/refusal.h"

namespace day {

using layout::FieldLimits;
using layout::SkyField;
using layout::fieldOf;
using sky::CivilDate;
using sky::DateStyle;
using sky::SkyInputs;
using sky::kFirstDate;
using sky::kLastDate;
using sky::dateText;
using sky::patternOf;
using sky::parseDateText;
using sky::isCalendarDate;
using sky::coverFromToken;
namespace {

bool isBlankText(std::string_view text)
{
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::string limitText(double value)
{
    return runtime::integerToText(static_cast<long long>(value));
}

}  // namespace

std::string_view nameOf(SkyField field)
{
    return fieldOf(field).name;
}

FieldLimits limitsOf(SkyField field)
{
    return fieldOf(field).limits;
}

std::string whatIsWrong(const SkyFailure& failure)
{
    const std::string quoted = runtime::quoted(failure.text);
    switch (failure.problem) {
    case SkyProblem::Empty:
        return runtime::conversionClause(failure.text, runtime::ConversionError::Empty, failure.decimalSeparator);
    case SkyProblem::NotANumber:
        return runtime::conversionClause(failure.text, runtime::ConversionError::NotANumber, failure.decimalSeparator);
    case SkyProblem::NotFinite:
        return runtime::conversionClause(failure.text, runtime::ConversionError::NotFinite, failure.decimalSeparator);
    case SkyProblem::OutsideLimits:
        if (failure.field == SkyField::Fecha)
            return quoted + "no está entre " + dateText(kFirstDate, failure.dateStyle) + " y "
                   + dateText(kLastDate, failure.dateStyle);
        return quoted + "no está entre " + limitText(limitsOf(failure.field).lowest) + " y "
               + limitText(limitsOf(failure.field).highest) + " " + std::string(limitsOf(failure.field).unit);
    case SkyProblem::NotADate:
        return quoted + "no es una fecha " + std::string(patternOf(failure.dateStyle));
    case SkyProblem::NoSuchDay:
        return quoted + "no es un día del calendario";
    case SkyProblem::NotACover:
        return quoted + "no es " + runtime::choicesText(runtime::tokensOf(sky::kSkyCovers));
    case SkyProblem::NotAnAir:
        return quoted + "no es " + runtime::choicesText(runtime::tokensOf(sky::kAirs));
    case SkyProblem::NotAShape:
        return quoted + "no es " + runtime::choicesText(runtime::tokensOf(layout::kDayShapes));
    }
    return quoted + "no es válido";
}

std::string describe(const SkyFailure& failure, runtime::Named who)
{
    return runtime::refusal(who, failure.problem == SkyProblem::Empty, whatIsWrong(failure));
}

std::string describeNotAZone(std::string_view typed, runtime::Named who)
{
    const bool empty = runtime::trimBlanks(typed).empty();
    return runtime::refusal(who, empty, empty ? "está vacía" : runtime::quoted(typed) + "no es una zona horaria");
}

std::string describeNotAZone(std::string_view typed)
{
    return describeNotAZone(typed, {runtime::Holder::Box, fieldOf(SkyField::Zona).name});
}

std::string describe(const SkyFailure& failure)
{
    return describe(failure, {runtime::Holder::Box, nameOf(failure.field)});
}

std::variant<double, SkyFailure> readNumber(SkyField field, std::string_view text, char decimalSeparator)
{
    const auto fail = [&](SkyProblem problem) { return SkyFailure{field, std::string(text), problem, decimalSeparator}; };
    const runtime::DoubleResult read = runtime::textToDouble(text, decimalSeparator);
    if (const auto* error = std::get_if<runtime::ConversionError>(&read)) {
        switch (*error) {
        case runtime::ConversionError::Empty:
            return fail(SkyProblem::Empty);
        case runtime::ConversionError::NotFinite:
            return fail(SkyProblem::NotFinite);
        case runtime::ConversionError::OutOfRange:
            return fail(SkyProblem::OutsideLimits);
        case runtime::ConversionError::NotANumber:
            break;
        }
        return fail(SkyProblem::NotANumber);
    }
    const double value = std::get<double>(read);
    const FieldLimits limits = limitsOf(field);
    if (!(value >= limits.lowest && value <= limits.highest))
        return fail(SkyProblem::OutsideLimits);
    return value;
}

std::variant<CivilDate, SkyFailure> readDate(std::string_view text, DateStyle style)
{
    const auto fail = [&](SkyProblem problem) {
        return SkyFailure{SkyField::Fecha, std::string(text), problem, '.', style};
    };
    if (isBlankText(text))
        return fail(SkyProblem::Empty);
    const auto date = parseDateText(text, style);
    if (!date)
        return fail(SkyProblem::NotADate);
    if (!isCalendarDate(*date))
        return fail(SkyProblem::NoSuchDay);
    if (*date < kFirstDate || *date > kLastDate)
        return fail(SkyProblem::OutsideLimits);
    return *date;
}

std::variant<SkyInputs, SkyFailure> readSkyInputs(const SkyTexts& texts, char decimalSeparator)
{
    SkyInputs inputs;
    inputs.snow = texts.snow;
    const auto number = [&](SkyField field, const std::string& text, double& into) -> std::optional<SkyFailure> {
        auto read = readNumber(field, text, decimalSeparator);
        if (auto* failure = std::get_if<SkyFailure>(&read))
            return std::move(*failure);
        into = std::get<double>(read);
        return std::nullopt;
    };
    if (auto failure = number(SkyField::Latitud, texts.latitude, inputs.latitude))
        return *failure;
    if (auto failure = number(SkyField::Longitud, texts.longitude, inputs.longitude))
        return *failure;
    auto date = readDate(texts.date, texts.dateStyle);
    if (auto* failure = std::get_if<SkyFailure>(&date)) {
        failure->decimalSeparator = decimalSeparator;
        return std::move(*failure);
    }
    inputs.date = std::get<CivilDate>(date);
    if (!isBlankText(texts.altitude)) {
        if (auto failure = number(SkyField::Altitud, texts.altitude, inputs.altitude))
            return *failure;
    }
    if (!isBlankText(texts.ozone)) {
        double ozone = 0;
        if (auto failure = number(SkyField::Ozono, texts.ozone, ozone))
            return *failure;
        inputs.ozone = ozone;
    }
    if (!texts.cover.empty()) {
        const auto cover = coverFromToken(texts.cover);
        if (!cover)
            return SkyFailure{SkyField::Cielo, texts.cover, SkyProblem::NotACover, decimalSeparator};
        inputs.cover = *cover;
    }
    if (!texts.air.empty()) {
        const auto air = sky::airFromToken(texts.air);
        if (!air)
            return SkyFailure{SkyField::Aire, texts.air, SkyProblem::NotAnAir, decimalSeparator};
        inputs.air = *air;
    }
    return inputs;
}

}  // namespace day
