// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

namespace model {

// The texts of the time to one minimal dose, given the whole minutes from the
// start hour `horaExposicion` (none when the rest of the day does not get
// there). The clock time is the start hour plus the minutes, "h:mm". They hold
// no decimals, so they need no separator.

// A stay's length, short: "32 min", "1 h", "1 h 15 min".
std::string stayText(int minutes);

// "1 DEM a las 11:32", or "1 DEM no se alcanza en el resto del día".
std::string oneDoseAtText(std::optional<int> minutes, float horaExposicion);

// The result line: "1 DEM a las 11:32 (32 min)", or the not-reached text.
std::string oneDoseText(std::optional<int> minutes, float horaExposicion);

// For the tooltip and the screen reader, with the length in words:
// "1 DEM a las 12:15, 1 hora y 15 minutos después de empezar", or
// "1 DEM no se alcanza en el resto del día, empezando a las 11:00".
std::string oneDoseDescription(std::optional<int> minutes, float horaExposicion);

}  // namespace model
