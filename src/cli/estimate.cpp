// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/estimate.h"

#include <cmath>

#include "runtime/number_format.h"
#include "sky/estimate_text.h"
#include "sky/local_clock.h"
#include "sky/system_zone.h"

namespace cli {
namespace {

// The library's reasons, naming the option instead of the field.
std::string describeForOption(const sky::SkyFailure& failure)
{
    const std::string option(optionFor(failure.field));
    if (failure.problem == sky::SkyProblem::Empty)
        return "La opción " + option + " " + sky::whatIsWrong(failure) + ".";
    return option + ": " + sky::whatIsWrong(failure) + ".";
}

}  // namespace

std::variant<EstimateRun, std::string> makeEstimate(const Options& options, char separator)
{
    EstimateRun run;
    sky::SkyTexts texts;
    texts.latitude = options.latitude.value_or("");
    texts.longitude = options.longitude.value_or("");
    if (!options.latitude || !options.longitude) {
        const auto place = sky::systemDefaultPlace();
        if (!place) {
            const auto zone = sky::systemZone();
            return "--estimar: indique --latitud y --longitud ("
                   + (zone ? "la zona horaria " + *zone + " no tiene lugar" : "no se conoce la zona horaria") + ").";
        }
        if (!options.latitude)
            texts.latitude = sky::degreesText(place->place.latitude, separator);
        if (!options.longitude)
            texts.longitude = sky::degreesText(place->place.longitude, separator);
        run.zone = place->zone;
    }
    texts.date = options.date.value_or(sky::dateText(sky::localToday()));
    texts.altitude = options.altitude.value_or("");
    texts.ozone = options.ozone.value_or("");
    texts.snow = options.snow;

    auto read = sky::readSkyInputs(texts, separator);
    if (const auto* failure = std::get_if<sky::SkyFailure>(&read))
        return describeForOption(*failure);
    run.inputs = std::get<sky::SkyInputs>(read);
    run.estimate = sky::estimateClearSky(run.inputs);
    run.localNoonMinutes = sky::localClockMinutes(run.inputs.date, run.estimate.solarNoonUt);
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
    return "Índice máximo estimado (cielo despejado): " + sky::shownIndexText(run.estimate, separator) + "\n"
        + "Lugar " + place + ", " + sky::dateText(in.date) + ". "
        + sky::sunAndOzoneText(run.estimate, run.localNoonMinutes, separator) + "\n"
        + std::string(sky::kClearSkyCaveat) + "\n";
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
