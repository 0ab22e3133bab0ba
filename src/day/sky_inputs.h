// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "runtime/refusal.h"
#include "sky/clear_sky.h"
#include "layout/estimate_fields.h"

namespace day {

// The field's short name, which messages put between « »: "Latitud".
std::string_view nameOf(layout::SkyField field);

// What the user typed. An empty altitude is 0 and an empty ozone means the
// climatology's; the place and the date must be given.
struct SkyTexts {
    std::string latitude;
    std::string longitude;
    std::string date;  // in dateStyle
    std::string altitude;
    std::string ozone;
    bool snow = false;
    sky::DateStyle dateStyle = sky::DateStyle::Iso;
    std::string cover = {};  // the companion's word for it; empty, a clear sky
    std::string air = {};    // the air's word; empty, clean air
};

layout::FieldLimits limitsOf(layout::SkyField field);  // numbers only; a date lies from kFirstDate to kLastDate

enum class SkyProblem {
    Empty,          // nothing but blanks
    NotANumber,     // letters, or the other decimal separator
    NotFinite,      // "inf", "nan"
    OutsideLimits,  // a number or a date beyond the field's range
    NotADate,       // not "AAAA-MM-DD"
    NoSuchDay,      // "AAAA-MM-DD", but not a day of the calendar (2026-02-30)
    NotACover,      // not one of the sky's covers
    NotAShape,      // not one of the day's shapes
    NotAnAir,       // not one of the airs
};

// The first field, in reading order, that cannot be used, and why.
struct SkyFailure {
    layout::SkyField field;
    std::string text;
    SkyProblem problem;
    char decimalSeparator = '.';  // the one the text was read with
    sky::DateStyle dateStyle = sky::DateStyle::Iso;  // the one a date was read in
};

// What is wrong, said after the field's (or an option's) name, feminine as
// "la casilla" and "la opción" are: "está vacía", "«95» no está entre -90 y 90
// grados", "«2026-02-30» no es un día del calendario".
std::string whatIsWrong(const SkyFailure& failure);

// The message for it, naming the field by default: "La casilla «Latitud» está
// vacía." or "«Latitud»: «95» no está entre -90 y 90 grados."
std::string describe(const SkyFailure& failure);
std::string describe(const SkyFailure& failure, runtime::Named who);

// The field "Zona horaria" refused: empty, or a name that is no zone of the
// front end's own zones: "«Zona horaria»: «Marte/Olimpo» no es una zona horaria."
std::string describeNotAZone(std::string_view typed);
std::string describeNotAZone(std::string_view typed, runtime::Named who);

// One numeric field read with the user's decimal separator and checked
// against its limits (an empty text is refused here, whatever the field).
std::variant<double, SkyFailure> readNumber(layout::SkyField field, std::string_view text, char decimalSeparator);

// A date in the style that exists and lies from kFirstDate to kLastDate.
std::variant<sky::CivilDate, SkyFailure> readDate(std::string_view text, sky::DateStyle style = sky::DateStyle::Iso);

// Every field, so that a bad one leaves nothing half computed.
std::variant<sky::SkyInputs, SkyFailure> readSkyInputs(const SkyTexts& texts, char decimalSeparator);

}  // namespace day
