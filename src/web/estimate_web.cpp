// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the clear-sky estimate and the sun's day: the same
// reading of the fields, the same computation and the same texts as the
// window's dialog and the companion, each call answering with one JSON object
// (web/reply.h). The browser gives what the native programs ask the time zone
// library for: the zone's name, its offset from UT on the day, and today.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/curve.h"
#include "runtime/number_text.h"
#include "sky/clear_sky.h"
#include "sky/day_shape.h"
#include "layout/estimate_fields.h"
#include "sky/estimate_text.h"
#include "zones/nearest_zone.h"
#include "day/sky_inputs.h"
#include "day/sun_curve.h"
#include "zones/zone_places.h"
#include "zones/zone_table.h"
#include "web/json_object.h"
#include "web/ozone_placeholder.h"
#include "web/page_day.h"
#include "web/reply.h"

namespace {

using web::JsonObject;

// The clock time on the zone's clock, in minutes after its midnight, of
// `hours` after 0:00 UT, the seconds dropped as the window's clock drops them.
int clockMinutes(double hours, double utcOffset)
{
    const double seconds = std::floor(hours * 3600) + std::round(utcOffset * 3600);
    const int minutes = static_cast<int>(std::floor(seconds / 60));
    return ((minutes % 1440) + 1440) % 1440;
}

// The sun's day the estimate offers, which "Usar" puts in force.
std::optional<sky::DayShape>& offeredShape()
{
    static std::optional<sky::DayShape> shape;
    return shape;
}

JsonObject& degrees(JsonObject& object, std::string_view name, std::optional<double> value, char separator)
{
    return value ? object.text(name, sky::degreesText(*value, separator)) : object.null(name);
}

}  // namespace

extern "C" {

// The browser's time zone ("Europe/Madrid"): {"latitude", "longitude" of its
// place, as the fields offer a place, or null where tzdata places it not;
// "line", what is said under the place either way}.
EMSCRIPTEN_KEEPALIVE char* iuv_zone_default(const char* zone, int separator)
{
    const std::string name = zone;
    const auto place = name.empty() ? std::nullopt : zones::placeOfZone(name);
    const char decimal = static_cast<char>(separator);
    JsonObject answer;
    degrees(answer, "latitude", place ? std::optional(place->latitude) : std::nullopt, decimal);
    degrees(answer, "longitude", place ? std::optional(place->longitude) : std::nullopt, decimal);
    answer.text("line", zones::defaultPlaceText(name.empty() ? std::nullopt : std::optional<std::string_view>(name)));
    return web::reply(answer);
}

// tzdata's zones for the field "Zona horaria" to offer, in alphabetical order
// as the window lists them: {"zones": the names, one a line}. Asked for when
// the dialog first opens rather than written into the page, which a phone
// downloads whole.
EMSCRIPTEN_KEEPALIVE char* iuv_zone_names()
{
    std::vector<std::string_view> names;
    for (const zones::ZonePlace& zone : zones::zonePlaces())
        names.push_back(zone.zone);
    std::sort(names.begin(), names.end());
    std::string lines;
    for (const std::string_view name : names)
        lines += std::string(name) + '\n';
    return web::reply(JsonObject().text("zones", lines));
}

// The device's position as the fields offer a place: {"latitude", "longitude"}.
EMSCRIPTEN_KEEPALIVE char* iuv_place_texts(double latitude, double longitude, int separator)
{
    JsonObject answer;
    degrees(answer, "latitude", latitude, static_cast<char>(separator));
    degrees(answer, "longitude", longitude, static_cast<char>(separator));
    return web::reply(answer);
}

// The fields as typed, in the table's order (layout::SkyField): the date as the
// date input gives it (AAAA-MM-DD), the cover and the day's shape by their
// words, the zone by its name. Then whether the date input holds a day it
// cannot give (30 February), which leaves its text empty; the zone's offset
// from UT at 12:00 of the date on its clock, which the browser knows (NaN for
// a name it has no zone for); and today's date there (AAAA-MM-DD).
// {"shown" (what "Usar" writes), "text" (the three lines), "line" (the same
// at a glance), "zoneHint" (a nearer zone, or ""), "ozonePlaceholder"}
// when they all read; {"field" (the first bad one, as layout::SkyField),
// "message", "ozonePlaceholder"} otherwise.
EMSCRIPTEN_KEEPALIVE char* iuv_estimate(const char* latitude, const char* longitude, const char* date,
                                        const char* altitude, const char* ozone, int snow, const char* cover,
                                        const char* zone, const char* shape, int dateUnreadable, double utcOffset,
                                        const char* today, int separator)
{
    const char decimal = static_cast<char>(separator);
    offeredShape().reset();
    const auto refuse = [&](layout::SkyField field, const std::string& message) {
        return web::reply(JsonObject()
                              .number("field", static_cast<int>(field))
                              .text("message", message)
                              .text("ozonePlaceholder", web::ozonePlaceholder(std::nullopt)));
    };
    const day::SkyTexts texts{latitude, longitude, date, altitude, ozone, snow != 0, sky::DateStyle::Iso, cover};
    auto read = day::readSkyInputs(texts, decimal);
    if (auto* failure = std::get_if<day::SkyFailure>(&read)) {
        if (dateUnreadable && failure->field == layout::SkyField::Fecha && failure->problem == day::SkyProblem::Empty)
            failure->problem = day::SkyProblem::NoSuchDay;
        return refuse(failure->field, day::describe(*failure));
    }
    const std::string_view zoneName = runtime::trimBlanks(zone);
    if (zoneName.empty() || !std::isfinite(utcOffset))
        return refuse(layout::SkyField::Zona, day::describeNotAZone(zoneName));
    const sky::SkyInputs& inputs = std::get<sky::SkyInputs>(read);
    const sky::Place place{inputs.latitude, inputs.longitude};
    if (layout::shapeFromToken(shape) == layout::DayShapeKind::Sun) {
        auto day = sky::dayShape(place, inputs.date, utcOffset);
        if (const auto* none = std::get_if<sky::NoSunrise>(&day))
            return refuse(layout::SkyField::Forma, sky::describe(*none, decimal, sky::DateStyle::DayMonthYear));
        offeredShape() = std::get<sky::DayShape>(day);
    }
    const sky::SkyEstimate estimate = sky::estimateClearSky(inputs);
    const auto todayRead = day::readDate(today);
    const auto* todayDate = std::get_if<sky::CivilDate>(&todayRead);
    const std::optional<sky::CivilDate> knownToday = todayDate ? std::optional(*todayDate) : std::nullopt;
    const int noon = clockMinutes(estimate.solarNoonUt, utcOffset);
    return web::reply(JsonObject()
                          .text("shown", sky::shownIndexText(estimate, decimal))
                          .text("text", sky::estimateText(estimate, noon, decimal))
                          .text("line", sky::estimateLineText(estimate, inputs, knownToday, zoneName, zones::placeOfZone(zoneName), decimal))
                          .text("zoneHint", zones::nearerZoneText(place, zoneName))
                          .text("ozonePlaceholder", web::ozonePlaceholder(estimate.ozone)));
}

// "Usar": the day's shape the last estimate offered, the sun's or the bell,
// for every "Calcular" from now on. {"line"}, what the page says by the chart
// while the sun's is in force; {} for the bell.
EMSCRIPTEN_KEEPALIVE char* iuv_use_estimate(int separator)
{
    const std::optional<sky::DayShape>& shape = offeredShape();
    if (!shape) {
        web::pageDaySampler() = model::sampleCurve;
        return web::reply(JsonObject());
    }
    web::pageDaySampler() = day::sunSampler(*shape);
    return web::reply(JsonObject().text("line", "La curva sigue " + sky::sunDayText(shape->place, shape->date,
                                                                                   static_cast<char>(separator)) + '.'));
}

// "Volver a la campana": the window's own computation again.
EMSCRIPTEN_KEEPALIVE char* iuv_use_bell()
{
    web::pageDaySampler() = model::sampleCurve;
    return web::reply(JsonObject());
}

}  // extern "C"
