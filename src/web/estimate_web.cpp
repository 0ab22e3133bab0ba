// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way to the places and zones the estimate's dialog offers, each
// call answering with one JSON object (web/reply.h). The estimate itself is
// the day's answer (iuv_day).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "sky/estimate_text.h"
#include "web/json_object.h"
#include "web/reply.h"
#include "zones/zone_places.h"
#include "zones/zone_table.h"

namespace {

using web::JsonObject;

JsonObject& degrees(JsonObject& object, std::string_view name, std::optional<double> value, char separator)
{
    return value ? object.text(name, sky::degreesText(*value, separator)) : object.null(name);
}

}  // namespace

extern "C" {

// The browser's time zone ("Europe/Madrid", or "" for none): {"zone", the
// zone the field starts with, the fallback where the browser names none;
// "latitude", "longitude" of its place, as the fields offer a place, or null
// where tzdata places it not; "line", what is said under the place either way}.
EMSCRIPTEN_KEEPALIVE char* iuv_zone_default(const char* zone, int separator)
{
    const std::string name = zone;
    const auto place = name.empty() ? std::nullopt : zones::placeOfZone(name);
    const char decimal = static_cast<char>(separator);
    JsonObject answer = JsonObject().text("zone", name.empty() ? zones::kFallbackZone : std::string_view(name));
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

}  // extern "C"
