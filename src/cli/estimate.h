// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <optional>
#include <string>
#include <variant>

#include "cli/options.h"
#include "sky/clear_sky.h"
#include "zones/time_zone.h"

namespace cli {

// The clear-sky estimate as --estimar makes it: the inputs it was made
// from (defaults filled in), the result, and solar noon on the user's clock.
struct EstimateRun {
    sky::SkyInputs inputs;
    sky::SkyEstimate estimate;
    std::optional<int> localNoonMinutes;
    std::optional<std::string> zone;  // when the place came from the time zone
};

// Reads the estimate's options with `separator`, the place defaulting to the
// time zone's (as the window offers it, to the hundredth of a degree) and the
// date to today. A bad value, or no place at all, is a message naming the option.
// The zone the companion's hours are in: --zona, else the system's (none when
// it is unknown), or the refusal of a --zona that names no zone.
std::variant<std::optional<zones::TimeZone>, std::string> chosenZone(const Options& options);

// The estimate's inputs from the options, each missing one at its default
// (the zone's place, today in the zone), and the estimate they give.
std::variant<EstimateRun, std::string> makeEstimate(const Options& options, const std::optional<zones::TimeZone>& zone,
                                                     char separator);

// "Índice máximo estimado (cielo despejado): 10.1", the place, date, solar
// noon, ozone and zenith angle, and what lowers the real index.
std::string estimateReport(const EstimateRun& run, char separator);

// The same unrounded, for --json's "estimacion", and the index as shown.
QJsonObject estimateJson(const EstimateRun& run, char separator);

}  // namespace cli
