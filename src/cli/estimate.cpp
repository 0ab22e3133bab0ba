// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/estimate.h"

#include <cmath>

#include "runtime/number_format.h"
#include "sky/estimate_text.h"
#include "zones/local_clock.h"
#include "runtime/refusal.h"
#include "zones/system_zone.h"

namespace cli {
std::variant<std::optional<zones::TimeZone>, std::string> chosenZone(const Options& options)
{
    const auto& name = options.skyText(layout::SkyField::Zona);
    if (!name)
        return zones::systemTimeZone();
    auto found = zones::findZone(*name);
    if (const auto* refused = std::get_if<zones::NotAZone>(&found))
        return "--zona: " + runtime::quoted(refused->text) + "no es una zona horaria (p. ej. Europe/Madrid).";
    return std::optional<zones::TimeZone>(std::move(std::get<zones::TimeZone>(found)));
}

std::variant<EstimateRun, std::string> makeEstimate(const Options& options, const std::optional<zones::TimeZone>& zone,
                                                     char separator)
{
    EstimateRun run;
    day::SkyTexts texts;
    using layout::SkyField;
    const auto& latitude = options.skyText(SkyField::Latitud);
    const auto& longitude = options.skyText(SkyField::Longitud);
    texts.latitude = latitude.value_or("");
    texts.longitude = longitude.value_or("");
    if (!latitude || !longitude) {
        const auto place = zone ? zones::placeOfZone(zone->name()) : std::nullopt;
        if (!place) {
            return std::string(options.estimate ? "--estimar" : "--curva sol") + ": indique --latitud y --longitud ("
                   + (zone ? "la zona horaria " + zone->name() + " no tiene lugar" : "no se conoce la zona horaria")
                   + ").";
        }
        if (!latitude)
            texts.latitude = sky::degreesText(place->latitude, separator);
        if (!longitude)
            texts.longitude = sky::degreesText(place->longitude, separator);
        run.zone = zone->name();
    }
    texts.date = options.skyText(SkyField::Fecha)
                     .value_or(sky::dateText(zone ? zones::localToday(*zone) : zones::localToday()));
    texts.altitude = options.skyText(SkyField::Altitud).value_or("");
    texts.ozone = options.skyText(SkyField::Ozono).value_or("");
    texts.snow = options.skyText(SkyField::Nieve).has_value();
    texts.cover = options.skyText(SkyField::Cielo).value_or("");

    auto read = day::readSkyInputs(texts, separator);
    if (const auto* failure = std::get_if<day::SkyFailure>(&read))
        return day::describe(*failure, {runtime::Holder::Option, optionFor(failure->field)});
    run.inputs = std::get<sky::SkyInputs>(read);
    run.estimate = sky::estimateClearSky(run.inputs);
    run.localNoonMinutes = zone ? zones::localClockMinutes(run.inputs.date, run.estimate.solarNoonUt, *zone)
                                : zones::localClockMinutes(run.inputs.date, run.estimate.solarNoonUt);
    return run;
}

std::string estimateReport(const EstimateRun& run, char separator)
{
    const sky::SkyInputs& in = run.inputs;
    std::string place = sky::degreesText(in.latitude, separator) + ", " + sky::degreesText(in.longitude, separator) + " y "
        + runtime::integerToText(std::llround(in.altitude)) + " m";
    if (run.zone)
        place += " (zona horaria " + *run.zone + ")";
    if (in.snow)
        place += ", con nieve";
    return "Índice máximo estimado (cielo " + std::string(sky::coverRow(in.cover).word)
        + "): " + sky::shownIndexText(run.estimate, separator) + "\n"
        + "Lugar " + place + ", " + sky::dateText(in.date) + ". "
        + sky::sunAndOzoneText(run.estimate, run.localNoonMinutes, separator) + "\n"
        + std::string(sky::caveatFor(in.cover)) + "\n";
}

QJsonObject estimateJson(const EstimateRun& run, char separator)
{
    const sky::SkyInputs& in = run.inputs;
    const sky::SkyEstimate& estimate = run.estimate;
    QJsonObject object{
        {"indiceMaximo", estimate.uvIndex},
        {"indiceMaximoTexto", QString::fromStdString(sky::shownIndexText(estimate, separator))},
        {"anguloCenital", estimate.zenithAngle},
        {"ozono", estimate.ozone},
        {"latitud", in.latitude},
        {"longitud", in.longitude},
        {"altitud", in.altitude},
        {"nieve", in.snow},
        {"cielo", QString::fromUtf8(sky::coverRow(in.cover).token.data(),
                                    static_cast<qsizetype>(sky::coverRow(in.cover).token.size()))},
        {"fecha", QString::fromStdString(sky::dateText(in.date))},
    };
    object["mediodiaSolar"] = run.localNoonMinutes
        ? QJsonValue(QString::fromStdString(sky::clockText(*run.localNoonMinutes)))
        : QJsonValue(QJsonValue::Null);
    if (run.zone)
        object["zonaHoraria"] = QString::fromStdString(*run.zone);
    return object;
}

}  // namespace cli
