// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the clear-sky estimate: the same reading of the fields,
// the same computation and the same texts as the window's dialog and the
// companion. The browser gives what the native programs ask the system for:
// the time zone's name, today's date and the clock time of solar noon.
#include <emscripten/emscripten.h>

#include <cmath>
#include <string>
#include <variant>

#include "runtime/number_format.h"
#include "sky/clear_sky.h"
#include "sky/estimate_text.h"
#include "sky/sky_inputs.h"
#include "sky/zone_places.h"

namespace {

struct ZoneDefault {
    std::string latitude;
    std::string longitude;
    std::string line;
};

ZoneDefault& zoneDefault()
{
    static ZoneDefault instance;
    return instance;
}

struct Estimate {
    bool ok = false;
    sky::SkyEstimate estimate;
    char separator = '.';
    std::string message;  // the first bad field, named
    int field = -1;       // sky::SkyField of it
    std::string shown;    // "10,1", what "Usar" writes
    std::string ozone;    // the ozone used, whole Dobson units
    std::string text;
};

Estimate& last()
{
    static Estimate instance;
    return instance;
}

}  // namespace

extern "C" {

// The browser's time zone ("Europe/Madrid"): 1 when tzdata places it, and
// then its latitude and longitude as the fields show them, to the hundredth
// as the window offers them; the line under the place either way.
EMSCRIPTEN_KEEPALIVE int iuv_zone_place(const char* zone, int separator)
{
    ZoneDefault& z = zoneDefault();
    const std::string name = zone;
    z.line = sky::defaultPlaceText(name.empty() ? std::nullopt : std::optional<std::string_view>(name));
    const auto place = name.empty() ? std::nullopt : sky::placeOfZone(name);
    const char decimal = static_cast<char>(separator);
    z.latitude = place ? sky::degreesText(place->latitude, decimal) : "";
    z.longitude = place ? sky::degreesText(place->longitude, decimal) : "";
    return place ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE const char* iuv_zone_latitude() { return zoneDefault().latitude.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* iuv_zone_longitude() { return zoneDefault().longitude.c_str(); }
EMSCRIPTEN_KEEPALIVE const char* iuv_zone_line() { return zoneDefault().line.c_str(); }

// Degrees as the fields offer a place (the device's position too).
EMSCRIPTEN_KEEPALIVE const char* iuv_degrees_text(double degrees, int separator)
{
    static std::string text;
    text = sky::degreesText(degrees, static_cast<char>(separator));
    return text.c_str();
}

// The fields as typed, the date as the date input gives it (AAAA-MM-DD):
// 1 when they all read, and then the estimate waits for the page; 0 and the
// message naming the first bad field otherwise.
EMSCRIPTEN_KEEPALIVE int iuv_estimate(const char* latitude, const char* longitude, const char* date,
                                      const char* altitude, const char* ozone, int snow, int separator)
{
    Estimate& e = last();
    e.separator = static_cast<char>(separator);
    const sky::SkyTexts texts{latitude, longitude, date, altitude, ozone, snow != 0, sky::DateStyle::Iso};
    const auto read = sky::readSkyInputs(texts, e.separator);
    if (const auto* failure = std::get_if<sky::SkyFailure>(&read)) {
        e.ok = false;
        e.message = sky::describe(*failure);
        e.field = static_cast<int>(failure->field);
        return 0;
    }
    e.ok = true;
    e.field = -1;
    e.message.clear();
    e.estimate = sky::estimateClearSky(std::get<sky::SkyInputs>(read));
    e.shown = sky::shownIndexText(e.estimate, e.separator);
    e.ozone = runtime::integerToText(std::llround(e.estimate.ozone));
    return 1;
}
EMSCRIPTEN_KEEPALIVE const char* iuv_estimate_message() { return last().message.c_str(); }
EMSCRIPTEN_KEEPALIVE int iuv_estimate_field() { return last().field; }
EMSCRIPTEN_KEEPALIVE const char* iuv_estimate_shown() { return last().ok ? last().shown.c_str() : ""; }
EMSCRIPTEN_KEEPALIVE const char* iuv_estimate_ozone() { return last().ok ? last().ozone.c_str() : ""; }
// Hours after 0:00 UT of the date, for the browser to put on the user's clock.
EMSCRIPTEN_KEEPALIVE double iuv_estimate_noon_ut() { return last().estimate.solarNoonUt; }

// The three lines, solar noon at `localNoonMinutes` after midnight on the
// user's clock (negative: unknown, given in UT).
EMSCRIPTEN_KEEPALIVE const char* iuv_estimate_text(int localNoonMinutes)
{
    Estimate& e = last();
    if (!e.ok)
        return "";
    const std::optional<int> noon = localNoonMinutes >= 0 ? std::optional<int>(localNoonMinutes) : std::nullopt;
    e.text = sky::estimateText(e.estimate, noon, e.separator);
    return e.text.c_str();
}

}  // extern "C"
