// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sky/air.h"
#include "sky/sky_cover.h"

// The estimate's fields as data, one row per field, as the window's layout
// table is for the window: the dialog, the page's form and the companion's
// options are all made from these rows.
namespace layout {

// The fields in reading order, which is also Tab's and the rows' order.
enum class SkyField { Latitud, Longitud, Fecha, Altitud, Ozono, Nieve, Cielo, Aire, Zona, Forma };

enum class FieldKind {
    Number,  // a decimal number between the row's limits
    Date,    // a day from kFirstDate to kLastDate
    Check,   // yes or no
    Cover,   // one of the sky's covers (kSkyCovers), by its word
    Air,     // one of the airs (sky::kAirs), by its word
    Zone,    // an IANA time zone, "Europe/Madrid"
    Shape,   // the day's shape (kDayShapes), by its word
};

// What the field is for: the estimate of the maximum, or the day's shape,
// which the curve uses whether or not the maximum is estimated.
enum class FieldGroup { Estimate, DayShape };

// The day's two shapes: the bell, always the default, and the sun's.
enum class DayShapeKind { Bell, Sun };
struct DayShapeRow {
    DayShapeKind shape;
    std::string_view token;    // the companion's word for it
    std::string_view caption;  // the forms' choice
};
inline constexpr std::array<DayShapeRow, 2> kDayShapes = {{
    {DayShapeKind::Bell, "campana", "Campana centrada a las 13:00"},
    {DayShapeKind::Sun, "sol", "Según el sol en este lugar y fecha"},
}};

// The range a numeric field accepts, both ends included.
struct FieldLimits {
    double lowest = 0;
    double highest = 0;
    std::string_view unit;  // the word messages give it: "grados", "metros", "DU"
};

constexpr std::optional<DayShapeKind> shapeFromToken(std::string_view token)
{
    for (const DayShapeRow& row : kDayShapes) {
        if (row.token == token)
            return row.shape;
    }
    return std::nullopt;
}

struct EstimateField {
    SkyField field;
    FieldKind kind;
    std::string_view name;     // what messages put between « » and screen readers say: "Latitud"
    std::string_view caption;  // the label, with its unit: "Latitud (°, + norte, − sur)"
    FieldLimits limits;        // numbers only
    // For screen readers: the lead, then (numbers) ", de -90 a 90", then the rest.
    std::string_view descriptionLead;
    std::string_view descriptionRest;
    std::string_view elementId;       // the page's id for the field
    std::string_view option;          // the companion's option
    std::string_view optionArgument;  // how --help names its value; empty for a check
    std::string_view optionHelp;      // --help's line, its default in brackets
    bool placesTheSun = false;        // the day's shape by the sun reads it too
    FieldGroup group = FieldGroup::Estimate;
};

// clang-format off
inline constexpr std::array<EstimateField, 10> kEstimateFields = {{
    {SkyField::Latitud, FieldKind::Number, "Latitud", "Latitud (°, + norte, − sur)", {-90, 90, "grados"},
     "Grados de latitud", ": positivos al norte, negativos al sur",
     "latitud", "--latitud", "G", "latitud en grados; + norte, - sur (la de la zona horaria)", true},
    {SkyField::Longitud, FieldKind::Number, "Longitud", "Longitud (°, + este, − oeste)", {-180, 180, "grados"},
     "Grados de longitud", ": positivos al este, negativos al oeste",
     "longitud", "--longitud", "G", "longitud en grados; + este, - oeste (la de la zona horaria)", true},
    {SkyField::Fecha, FieldKind::Date, "Fecha", "Fecha", {},
     "El día", "",
     "fecha", "--fecha", "AAAA-MM-DD", "el día (hoy)", true},
    {SkyField::Altitud, FieldKind::Number, "Altitud", "Altitud (m)", {-500, 9000, "metros"},
     "Metros sobre el nivel del mar", "; vacía, 0",
     "altitud", "--altitud", "M", "altitud del lugar, en metros (0)"},
    {SkyField::Ozono, FieldKind::Number, "Ozono", "Ozono (DU)", {100, 600, "DU"},
     "Ozono total en unidades Dobson", "; vacía, el de la climatología",
     "ozono", "--ozono", "DU", "ozono total, en unidades Dobson (el de la climatología)"},
    {SkyField::Nieve, FieldKind::Check, "Nieve", "Nieve en el suelo", {},
     "La nieve refleja el sol y sube el índice", "",
     "nieve", "--nieve", {}, "hay nieve en el suelo"},
    {SkyField::Cielo, FieldKind::Cover, "Cielo", "Cielo", {},
     "La parte del cielo cubierta por nubes; el índice despejado se multiplica por lo que dejan pasar", "",
     "cielo", "--cielo", "CIELO", "despejado|poco-nuboso|nuboso|cubierto (despejado)"},
    {SkyField::Aire, FieldKind::Air, "Aire", "Aire", {},
     "La calima y la contaminación bajan el índice; el aire limpio es el del mar abierto y la montaña", "",
     "aire", "--aire", "AIRE", "limpio|normal|turbio (limpio)"},
    {SkyField::Zona, FieldKind::Zone, "Zona horaria", "Zona horaria", {},
     "La zona horaria de las horas del día, como Europe/Madrid", "",
     "zona", "--zona", "ZONA", "zona horaria de las horas, p. ej. Europe/Madrid (la del sistema)", false,
     FieldGroup::DayShape},
    {SkyField::Forma, FieldKind::Shape, "Forma del día", "Forma del día", {},
     "La curva del índice: la campana de siempre, o la que dibuja el sol en este lugar y fecha", "",
     "forma", "--curva", "campana|sol",
     "la campana centrada a las 13:00, o el día según el sol en el lugar y la fecha (campana)", false,
     FieldGroup::DayShape},
}};
// clang-format on

constexpr const EstimateField& fieldOf(SkyField field)
{
    return kEstimateFields[static_cast<std::size_t>(field)];
}

// The rows must follow SkyField, which indexes them.
static_assert([] {
    for (std::size_t i = 0; i < kEstimateFields.size(); ++i) {
        if (static_cast<std::size_t>(kEstimateFields[i].field) != i)
            return false;
    }
    return true;
}());

// `text` starts with the rows' words joined by '|', in their order, and
// what follows is `rest`: --help's lines list the tables' own words.
template <typename Row, std::size_t N>
constexpr bool listsTheWords(std::string_view text, const std::array<Row, N>& rows, std::string_view rest)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (!text.starts_with(rows[i].token))
            return false;
        text.remove_prefix(rows[i].token.size());
        if (i + 1 < N) {
            if (!text.starts_with('|'))
                return false;
            text.remove_prefix(1);
        }
    }
    return text == rest;
}
static_assert(listsTheWords(fieldOf(SkyField::Cielo).optionHelp, sky::kSkyCovers, " (despejado)"));
static_assert(listsTheWords(fieldOf(SkyField::Aire).optionHelp, sky::kAirs, " (limpio)"));
static_assert(listsTheWords(fieldOf(SkyField::Forma).optionArgument, kDayShapes, ""));

// "de -90 a 90", as the descriptions and the messages give a number's range.
std::string rangeText(const FieldLimits& limits);

// The whole description: "Grados de latitud, de -90 a 90: positivos al norte, negativos al sur".
std::string descriptionOf(const EstimateField& row);

}  // namespace layout
