// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "day/answer.h"
#include "day/request.h"
#include "web/json_object.h"

// The page's answer to one request, as the one JSON object its script parses:
// what the page shows of a day::Answer. Plain C++, tested natively.
namespace web {

// The key of what a refusal is about, as the request gave it: an estimate's
// field by its element id, a box by its name, the sunscreen's fields by theirs.
std::string_view keyOf(const day::Subject& subject);

// {"refusal": {"field" (its key), "message"}, when one;
//  "ozonePlaceholder", and "amountNote" (why the sunscreen's amount matters)
//  with the request's separator;
//  "estimate": {"shown" (what "Usar" writes), "text" (the three lines),
//  "line" (the same at a glance), "zoneHint" (a nearer zone, or "")};
//  "sunDay": {"line"}, what the page says by the chart while it is in force;
//  "stay": {"text7" (null: Text7 keeps its text), "datos", "description" (the
//  chart's), "protectedLine" (with sunscreen, else ""), and "label4" with
//  "oneDose" and "oneDoseDescription" (the time to 1 DEM, short and in
//  words), or the skin type's "message" instead};
//  "protection": {"line"}, when to protect;
//  "reminders": [{"clock" (on the zone's clock, "11:27"), "unix" (the
//  instant, seconds), "text"}], the stay's, in time order},
// each part only when the answer has it.
JsonObject answerJson(const day::Request& request, const day::Answer& answer);

// The stay's calendar file made at `stampUnix`: {"name", "text"}; {} when the
// answer has no reminders.
JsonObject calendarJson(const day::Answer& answer, long long stampUnix);

}  // namespace web
