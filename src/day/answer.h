// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <variant>

#include "day/protection.h"
#include "day/reminders.h"
#include "day/request.h"
#include "layout/estimate_fields.h"
#include "model/calcular.h"
#include "model/form_state.h"
#include "model/inputs.h"
#include "model/sunscreen.h"
#include "sky/clear_sky.h"
#include "sky/day_shape.h"

namespace day {

// The sunscreen's two fields, which only a stay reads.
enum class SunscreenField { Fps, Amount };

// What a refusal is about: one of the estimate's fields, one of the six
// boxes, or the sunscreen.
using Subject = std::variant<layout::SkyField, model::InputBox, SunscreenField>;

struct Refusal {
    Subject subject;
    std::string message;  // one sentence, naming it as the request's naming says
};

// The clear-sky estimate and what the dialogs and the companion say of it.
struct EstimateAnswer {
    sky::SkyInputs inputs;  // defaults filled in
    sky::SkyEstimate estimate;
    std::optional<int> noonMinutes;        // solar noon on the zone's clock; none: no zone known, UT
    std::optional<std::string> placeZone;  // the zone whose place it is, when no place was given
    std::string shown;                     // "10,1": what "Usar" writes into "Indice Máximo"
    std::string text;                      // the three lines of the dialogs
    std::string line;                      // the same at a glance
    std::string zoneHint;                  // a nearer zone for a far place, or empty
    std::string subject;                   // the line's day, place and sky: "Hoy en Europe/Madrid, con cielo despejado"
    std::optional<double> utcOffset;       // the zone's at noon of the date; none: no zone known
};

// The sun's day, when it is the shape asked for.
struct SunDay {
    std::string zone;
    double utcOffset = 0;  // hours ahead of UT at 12:00 of the day
    sky::DayShape shape;
    std::string line;  // "La curva sigue el día según el sol: 40,42° N, 3,70° O, 21/06/2026."
};

// "Calcular" for the stay, and what follows from it.
struct StayAnswer {
    model::FormState state;
    model::CalcularResult calculation;
    double doses = 0;                      // unrounded; 0 for a skin type without a minimal dose
    std::optional<int> minutesToOneDose;   // from the start hour
    std::string oneDose;                   // "1 DEM a las 11:33 (33 min)"
    std::string oneDoseDescription;        // the same in words
    std::optional<model::ProtectedExposure> protection;
    std::string protectedLine;             // with sunscreen: the protected dose and time
};

// Everything a front end shows or saves of one request, or the one refusal.
// A refusal of the sunscreen leaves the rest answered, for the forms to show
// the stay and name the field beside it.
struct Answer {
    std::optional<Refusal> refusal;
    std::string ozonePlaceholder;  // what the empty "Ozono" stands for
    std::optional<std::string> zone;
    std::optional<EstimateAnswer> estimate;
    std::optional<SunDay> sunDay;
    std::optional<StayAnswer> stay;
    // When to protect, on the sun's day: none where no place is known.
    std::optional<Protection> protection;
    // The stay's reminders: none without a stay, or where its clock is unknown.
    std::optional<StayReminders> reminders;
};

}  // namespace day
