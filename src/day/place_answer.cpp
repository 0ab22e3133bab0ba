// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/place_answer.h"

#include <cmath>
#include <string>
#include <variant>

#include "day/dialog_texts.h"
#include "day/request_zone.h"
#include "day/sky_inputs.h"
#include "layout/option_names.h"
#include "sky/estimate_text.h"
#include "sky/ozone_climatology.h"
#include "zones/nearest_zone.h"
#include "zones/zone_places.h"

namespace day {
namespace {

using layout::SkyField;

// The place, the date and the rest as they were read, defaults filled in.
struct PlaceAndDay {
    sky::SkyInputs inputs;
    std::optional<RequestZone> zone;
    std::optional<std::string> placeZone;
};

using ZoneRead = std::variant<std::optional<RequestZone>, ZoneRefused>;

runtime::Named nameOf(const Request& request, SkyField field)
{
    const layout::EstimateField& row = layout::fieldOf(field);
    return {request.naming, request.naming == runtime::Holder::Box ? row.name : row.option};
}

bool naming(const Request& request, runtime::Holder holder)
{
    return request.naming == holder;
}

Refusal refusalOf(const Request& request, const SkyFailure& failure)
{
    return {failure.field, describe(failure, nameOf(request, failure.field))};
}

Refusal zoneRefusal(const Request& request, const ZoneRefused& zone)
{
    return {SkyField::Zona, describeNotAZone(zone.name, nameOf(request, SkyField::Zona))};
}

// "--curva sol", the companion's words for the sun's day.
std::string sunOption()
{
    return std::string(layout::fieldOf(SkyField::Forma).option) + " "
           + std::string(layout::kDayShapes[static_cast<std::size_t>(layout::DayShapeKind::Sun)].token);
}

// A place not typed, where the zone has none to offer.
Refusal noPlace(const Request& request, const std::optional<RequestZone>& zone)
{
    if (naming(request, runtime::Holder::Box)) {
        const SkyField empty = request.field(SkyField::Latitud) ? SkyField::Longitud : SkyField::Latitud;
        return refusalOf(request, {empty, "", SkyProblem::Empty});
    }
    const std::string asking = request.estimate ? std::string(layout::kEstimateOption) : sunOption();
    return {SkyField::Latitud, asking + ": indique " + std::string(layout::fieldOf(SkyField::Latitud).option) + " y "
                                   + std::string(layout::fieldOf(SkyField::Longitud).option) + " ("
                                   + (zone ? "la zona horaria " + zone->name + " no tiene lugar"
                                           : std::string("no se conoce la zona horaria"))
                                   + ")."};
}

// A field not given whose default the zone cannot give, refused at its turn.
struct MissingDefault {
    SkyField field;
    Refusal refusal;
};

// The place's texts when not given: the zone's place.
std::optional<MissingDefault> defaultPlace(const Request& request, const ZoneRead& zoneRead, SkyTexts& texts,
                                           PlaceAndDay& read)
{
    const bool latitude = request.field(SkyField::Latitud).has_value();
    if (latitude && request.field(SkyField::Longitud))
        return std::nullopt;
    const SkyField first = latitude ? SkyField::Longitud : SkyField::Latitud;
    const auto* zone = std::get_if<std::optional<RequestZone>>(&zoneRead);
    if (!zone)
        return MissingDefault{first, zoneRefusal(request, std::get<ZoneRefused>(zoneRead))};
    const auto place = *zone ? zones::placeOfZone((*zone)->name) : std::nullopt;
    if (!place)
        return MissingDefault{first, noPlace(request, *zone)};
    read.placeZone = (*zone)->name;
    texts.latitude = sky::degreesText(place->latitude, request.decimalSeparator);
    texts.longitude = sky::degreesText(place->longitude, request.decimalSeparator);
    return std::nullopt;
}

// The date's text when not given: today on the zone's clock.
std::optional<MissingDefault> defaultDate(const Request& request, const ZoneRead& zoneRead, SkyTexts& texts)
{
    const auto* zone = std::get_if<std::optional<RequestZone>>(&zoneRead);
    if (!zone)
        return MissingDefault{SkyField::Fecha, zoneRefusal(request, std::get<ZoneRefused>(zoneRead))};
    texts.date = sky::dateText(*zone ? (*zone)->today() : todayWithoutZone(), request.dateStyle);
    return std::nullopt;
}

// The fields' texts, a place or a date not given taken from the zone, read
// in the table's order.
std::variant<PlaceAndDay, Refusal> readPlaceAndDay(const Request& request)
{
    const ZoneRead zoneRead = zoneOf(request);
    const auto given = [&](SkyField field) { return request.field(field); };
    PlaceAndDay read;
    SkyTexts texts;
    texts.dateStyle = request.dateStyle;
    // Stand-ins that read, until the defaults' turn comes.
    texts.latitude = texts.longitude = "0";
    texts.date = sky::dateText(sky::kFirstDate, request.dateStyle);
    std::optional<MissingDefault> missing = defaultPlace(request, zoneRead, texts, read);
    if (!given(SkyField::Fecha) && !missing)
        missing = defaultDate(request, zoneRead, texts);
    texts.latitude = given(SkyField::Latitud).value_or(texts.latitude);
    texts.longitude = given(SkyField::Longitud).value_or(texts.longitude);
    texts.date = given(SkyField::Fecha).value_or(texts.date);
    // What only the estimate reads counts only when it is read.
    const auto readIfRead = [&](SkyField field) { return readsField(request, field) ? given(field) : std::nullopt; };
    texts.altitude = readIfRead(SkyField::Altitud).value_or("");
    texts.ozone = readIfRead(SkyField::Ozono).value_or("");
    texts.snow = readIfRead(SkyField::Nieve).has_value();
    texts.cover = readIfRead(SkyField::Cielo).value_or("");
    texts.air = readIfRead(SkyField::Aire).value_or("");

    auto inputs = readSkyInputs(texts, request.decimalSeparator);
    if (auto* failure = std::get_if<SkyFailure>(&inputs); failure && (!missing || failure->field < missing->field)) {
        // The date input keeps a day it cannot give (30 February) to itself.
        if (request.dateUnreadable && failure->field == SkyField::Fecha && failure->problem == SkyProblem::Empty)
            failure->problem = SkyProblem::NoSuchDay;
        return refusalOf(request, *failure);
    }
    if (missing)
        return std::move(missing->refusal);
    const auto* zone = std::get_if<std::optional<RequestZone>>(&zoneRead);
    if (!zone)
        return zoneRefusal(request, std::get<ZoneRefused>(zoneRead));
    if (auto refused = refusedShape(request))
        return std::move(*refused);
    read.inputs = std::get<sky::SkyInputs>(inputs);
    read.zone = *zone;
    return read;
}

// The sun's day at the place, on the zone's clock.
std::variant<SunDay, Refusal> sunDayOf(const Request& request, const PlaceAndDay& read)
{
    if (!read.zone) {
        if (naming(request, runtime::Holder::Box))
            return zoneRefusal(request, {});
        return Refusal{SkyField::Zona, sunOption() + ": indique " + std::string(layout::fieldOf(SkyField::Zona).option)
                                           + " (no se conoce la zona horaria del sistema)."};
    }
    const sky::SkyInputs& in = read.inputs;
    const sky::Place place{in.latitude, in.longitude};
    const double offset = read.zone->offsetAtNoon(in.date);
    auto shape = sky::dayShape(place, in.date, offset);
    if (const auto* none = std::get_if<sky::NoSunrise>(&shape)) {
        const char separator = request.decimalSeparator;
        return Refusal{SkyField::Forma, naming(request, runtime::Holder::Box)
                                            ? sky::describe(*none, separator, sky::DateStyle::DayMonthYear)
                                            : sunOption() + ": " + sky::describe(*none, separator, sky::DateStyle::Iso)};
    }
    return SunDay{read.zone->name, offset, std::get<sky::DayShape>(std::move(shape)),
                  "La curva sigue " + sky::sunDayText(place, in.date, request.decimalSeparator) + "."};
}

// The clock time on the zone's clock, in minutes after its midnight, of
// `hours` after 0:00 UT, the seconds dropped as a clock drops them.
int clockMinutes(double hours, double utcOffset)
{
    const double seconds = std::floor(hours * 3600) + std::round(utcOffset * 3600);
    const int minutes = static_cast<int>(std::floor(seconds / 60));
    return ((minutes % 1440) + 1440) % 1440;
}

EstimateAnswer estimateOf(const Request& request, const PlaceAndDay& read)
{
    const char separator = request.decimalSeparator;
    const sky::SkyInputs& in = read.inputs;
    EstimateAnswer made{in, sky::estimateClearSky(in), std::nullopt, read.placeZone, {}, {}, {}, {}, {}, {}};
    const sky::SkyEstimate& estimate = made.estimate;
    const std::string zone = read.zone ? read.zone->name : std::string();
    if (read.zone)
        made.noonMinutes = clockMinutes(estimate.solarNoonUt, read.zone->offsetAtNoon(in.date));
    made.shown = sky::shownIndexText(estimate, separator);
    made.text = sky::estimateText(estimate, made.noonMinutes, separator);
    const sky::CivilDate today = read.zone ? read.zone->today() : todayWithoutZone();
    made.line = sky::estimateLineText(estimate, in, today, zone, zones::placeOfZone(zone), separator);
    made.subject = sky::estimateSubjectText(estimate, in, today, zone, zones::placeOfZone(zone), separator);
    if (read.zone) {
        made.zoneHint = zones::nearerZoneText({in.latitude, in.longitude}, zone);
        made.utcOffset = read.zone->offsetAtNoon(in.date);
    }
    return made;
}

}  // namespace

std::optional<Refusal> refusedShape(const Request& request)
{
    const auto& shape = request.field(SkyField::Forma);
    if (!shape || layout::shapeFromToken(*shape))
        return std::nullopt;
    return refusalOf(request, {SkyField::Forma, *shape, SkyProblem::NotAShape, request.decimalSeparator});
}

std::optional<Refusal> answerThePlace(const Request& request, Answer& answer)
{
    auto read = readPlaceAndDay(request);
    if (auto* refused = std::get_if<Refusal>(&read))
        return std::move(*refused);
    const PlaceAndDay& placeAndDay = std::get<PlaceAndDay>(read);
    const sky::SkyInputs& in = placeAndDay.inputs;
    answer.ozonePlaceholder = ozonePlaceholder(sky::climatologicalOzone(in.latitude, sky::dayOfYear(in.date)));
    if (placeAndDay.zone)
        answer.zone = placeAndDay.zone->name;
    if (asksForTheSun(request)) {
        auto sun = sunDayOf(request, placeAndDay);
        if (auto* refused = std::get_if<Refusal>(&sun))
            return std::move(*refused);
        answer.sunDay = std::get<SunDay>(std::move(sun));
    }
    answer.estimate = estimateOf(request, placeAndDay);
    return std::nullopt;
}

}  // namespace day
