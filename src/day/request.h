// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "layout/estimate_fields.h"
#include "model/inputs.h"
#include "runtime/refusal.h"
#include "sky/civil_date.h"

namespace day {

// The estimate's fields as a front end read them, by layout::SkyField. None
// is a field not given, which takes its default: the zone's place, today on
// the zone's clock, sea level, the climatology's ozone, no snow, a clear sky,
// the system's zone, the bell. A check (Nieve) is on when given.
using FieldTexts = std::array<std::optional<std::string>, layout::kEstimateFields.size()>;

// A stay in the sun: the window's six boxes and the sunscreen.
struct Stay {
    model::InputTexts boxes;  // Text1 to Text6, as typed
    // Text1 is the estimate as shown, as "Usar" writes it (the companion's
    // --estimar or --curva sol without --indice-maximo).
    bool maximumFromEstimate = false;
    std::optional<std::string> fps;     // as typed; none: no sunscreen
    std::optional<std::string> amount;  // the amount's word; none: model::kDefaultSunscreenAmount
};

// One question about a day at a place, as any front end asks it.
struct Request {
    FieldTexts fields{};
    sky::DateStyle dateStyle = sky::DateStyle::Iso;
    // The page's date input holds a day it cannot give (30 February), and so
    // gives no text.
    bool dateUnreadable = false;
    // The page's browser knows the zone: its offset from UT at 12:00 of the
    // date on its clock (NaN for a name it has no zone for), and today's date
    // there. Natively both are none, and the zone library is asked.
    std::optional<double> noonOffset;
    std::optional<sky::CivilDate> today;
    // The offset at 12:00 of today, for what happens today whatever the
    // date (the bell's reminders); none or NaN: the date's.
    std::optional<double> todayNoonOffset;
    // The estimate is wanted even when the stay does not need it: the
    // dialogs, --estimar.
    bool estimate = false;
    std::optional<Stay> stay;  // "Calcular"
    char decimalSeparator = '.';
    // How a refusal names what is wrong: the forms' boxes, or the companion's options.
    runtime::Holder naming = runtime::Holder::Box;

    const std::optional<std::string>& field(layout::SkyField which) const
    {
        return fields[static_cast<std::size_t>(which)];
    }
    std::optional<std::string>& field(layout::SkyField which) { return fields[static_cast<std::size_t>(which)]; }
};

// The day's shape the request asks for: the sun's only for its word.
bool asksForTheSun(const Request& request);

// The estimate's fields count when the estimate is wanted or gives the
// stay's maximum.
bool readsTheEstimate(const Request& request);

// Whether the answer reads `field`: the estimate's fields while the estimate
// is wanted or gives the maximum, the place, the date and the zone while the
// sun's day is asked for, the shape always.
bool readsField(const Request& request, layout::SkyField field);

}  // namespace day
