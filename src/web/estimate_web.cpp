// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the clear-sky estimate: the same reading of the fields,
// the same computation and the same texts as the window's dialog and the
// companion, each call answering with one JSON object (web/reply.h). The
// browser gives what the native programs ask the system for: the time zone's
// name, today's date and the clock time of solar noon.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <variant>

#include "sky/clear_sky.h"
#include "sky/estimate_text.h"
#include "sky/sky_inputs.h"
#include "sky/zone_places.h"
#include "web/json_object.h"
#include "web/ozone_placeholder.h"
#include "web/reply.h"

namespace {

using web::JsonObject;

// The minutes after local midnight, on the browser's clock, of `hours` after
// 0:00 UT of the date, the seconds dropped as the window's clock drops them.
EM_JS(int, browserClockMinutes, (int year, int month, int day, double hours), {
    const at = new Date(Date.UTC(year, month - 1, day) + Math.floor(hours * 3600) * 1000);
    return at.getHours() * 60 + at.getMinutes();
});

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
    const auto place = name.empty() ? std::nullopt : sky::placeOfZone(name);
    const char decimal = static_cast<char>(separator);
    JsonObject answer;
    degrees(answer, "latitude", place ? std::optional(place->latitude) : std::nullopt, decimal);
    degrees(answer, "longitude", place ? std::optional(place->longitude) : std::nullopt, decimal);
    answer.text("line", sky::defaultPlaceText(name.empty() ? std::nullopt : std::optional<std::string_view>(name)));
    return web::reply(answer);
}

// The device's position as the fields offer a place: {"latitude", "longitude"}.
EMSCRIPTEN_KEEPALIVE char* iuv_place_texts(double latitude, double longitude, int separator)
{
    JsonObject answer;
    degrees(answer, "latitude", latitude, static_cast<char>(separator));
    degrees(answer, "longitude", longitude, static_cast<char>(separator));
    return web::reply(answer);
}

// The fields as typed, the date as the date input gives it (AAAA-MM-DD), and
// whether that input holds a day it cannot give (30 February), which leaves
// its text empty. {"shown" (what "Usar" writes), "text" (the three lines),
// "ozonePlaceholder"} when they all read; {"field" (the first bad one, as
// sky::SkyField), "message", "ozonePlaceholder"} otherwise.
EMSCRIPTEN_KEEPALIVE char* iuv_estimate(const char* latitude, const char* longitude, const char* date,
                                        const char* altitude, const char* ozone, int snow, int dateUnreadable,
                                        int separator)
{
    const char decimal = static_cast<char>(separator);
    const sky::SkyTexts texts{latitude, longitude, date, altitude, ozone, snow != 0, sky::DateStyle::Iso};
    auto read = sky::readSkyInputs(texts, decimal);
    if (auto* failure = std::get_if<sky::SkyFailure>(&read)) {
        if (dateUnreadable && failure->field == sky::SkyField::Fecha && failure->problem == sky::SkyProblem::Empty)
            failure->problem = sky::SkyProblem::NoSuchDay;
        return web::reply(JsonObject()
                              .number("field", static_cast<int>(failure->field))
                              .text("message", sky::describe(*failure))
                              .text("ozonePlaceholder", web::ozonePlaceholder(std::nullopt)));
    }
    const sky::SkyInputs& inputs = std::get<sky::SkyInputs>(read);
    const sky::SkyEstimate estimate = sky::estimateClearSky(inputs);
    const int noon = browserClockMinutes(inputs.date.year, inputs.date.month, inputs.date.day, estimate.solarNoonUt);
    return web::reply(JsonObject()
                          .text("shown", sky::shownIndexText(estimate, decimal))
                          .text("text", sky::estimateText(estimate, noon, decimal))
                          .text("ozonePlaceholder", web::ozonePlaceholder(estimate.ozone)));
}

}  // extern "C"
