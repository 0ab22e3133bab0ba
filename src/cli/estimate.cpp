// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/estimate.h"

#include <cmath>

#include "qt/utf8.h"
#include "runtime/number_format.h"
#include "sky/estimate_text.h"

namespace cli {

std::string estimateReport(const day::EstimateAnswer& run, char separator)
{
    const sky::SkyInputs& in = run.inputs;
    std::string place = sky::degreesText(in.latitude, separator) + ", " + sky::degreesText(in.longitude, separator) + " y "
        + runtime::integerToText(std::llround(in.altitude)) + " m";
    if (run.placeZone)
        place += " (zona horaria " + *run.placeZone + ")";
    if (in.snow)
        place += ", con nieve";
    std::string assumed = "cielo " + std::string(sky::coverRow(in.cover).word);
    if (in.air != sky::Air::Clean)
        assumed += ", aire " + std::string(sky::airRow(in.air).token);
    return "Índice máximo estimado (" + assumed + "): " + run.shown + "\n"
        + "Lugar " + place + ", " + sky::dateText(in.date) + ". "
        + sky::sunAndOzoneText(run.estimate, run.noonMinutes, separator) + "\n"
        + std::string(sky::caveatFor(in.cover)) + "\n";
}

QJsonObject estimateJson(const day::EstimateAnswer& run)
{
    const sky::SkyInputs& in = run.inputs;
    const sky::SkyEstimate& estimate = run.estimate;
    QJsonObject object{
        {"indiceMaximo", estimate.uvIndex},
        {"indiceMaximoTexto", QString::fromStdString(run.shown)},
        {"anguloCenital", estimate.zenithAngle},
        {"ozono", estimate.ozone},
        {"latitud", in.latitude},
        {"longitud", in.longitude},
        {"altitud", in.altitude},
        {"nieve", in.snow},
        {"cielo", qt::fromUtf8(sky::coverRow(in.cover).token)},
        {"aire", qt::fromUtf8(sky::airRow(in.air).token)},
        {"factorAire", estimate.airFactor},
        {"fecha", QString::fromStdString(sky::dateText(in.date))},
    };
    object["mediodiaSolar"] = run.noonMinutes ? QJsonValue(QString::fromStdString(sky::clockText(*run.noonMinutes)))
                                              : QJsonValue(QJsonValue::Null);
    if (run.placeZone)
        object["zonaHoraria"] = QString::fromStdString(*run.placeZone);
    return object;
}

}  // namespace cli
