// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QJsonObject>
#include <string>

#include "day/answer.h"

namespace cli {

// "Índice máximo estimado (cielo despejado): 10.1", the place, date, solar
// noon, ozone and zenith angle, and what lowers the real index.
std::string estimateReport(const day::EstimateAnswer& estimate, char separator);

// The same unrounded, for --json's "estimacion", and the index as shown.
QJsonObject estimateJson(const day::EstimateAnswer& estimate);

}  // namespace cli
