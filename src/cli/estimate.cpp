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
std::variant<EstimateRun, std::string> makeEstimate(const Options& options, char separator)
{
    EstimateRun run;
    sky::SkyTexts texts;
    using sky::SkyField;
    const auto& latitude = options.skyText(SkyField::Latitud);
    const auto& longitude = options.skyText(SkyField::Longitud);
    texts.latitude = latitude.value_or("");
    texts.longitude = longitude.value_or("");
    if (!latitude || !longitude) {
        const auto place = sky::systemDefaultPlace();
        if (!place) {
            const auto zone = sky::systemZone();
            return "--estimar: indique --latitud y --longitud ("
                   + (zone ? "la zona horaria " + *zone + " no tiene lugar" : "no se conoce la zona horaria") + ").";
        }
        if (!latitude)
            texts.latitude = sky::degreesText(place->place.latitude, separator);
        if (!longitude)
            texts.longitude = sky::degreesText(place->place.longitude, separator);
        run.zone = place->zone;
    }
    texts.date = options.skyText(SkyField::Fecha).value_or(sky::dateText(sky::localToday()));
    texts.altitude = options.skyText(SkyField::Altitud).value_or("");
    texts.ozone = options.skyText(SkyField::Ozono).value_or("");
    texts.snow = options.skyText(SkyField::Nieve).has_value();

    auto read = sky::readSkyInputs(texts, separator);
    if (const auto* failure = std::get_if<sky::SkyFailure>(&read))
        return sky::describe(*failure, {runtime::Holder::Option, optionFor(failure->field)});
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
