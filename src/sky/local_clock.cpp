// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/local_clock.h"

#include <cmath>
#include <ctime>

namespace sky {

std::optional<int> localClockMinutes(const CivilDate& date, double utHours)
{
    // Hours within two days of the date, which is all a time of day needs.
    if (!(std::abs(utHours) <= 48))
        return std::nullopt;
    const long long instant = daysSinceUnixEpoch(date) * 86400LL + static_cast<long long>(std::floor(utHours * 3600.0));
    const auto seconds = static_cast<std::time_t>(instant);
    if (seconds != instant)
        return std::nullopt;
    // localtime_r need not look at TZ again; tzset makes it.
    tzset();
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return std::nullopt;
    return local.tm_hour * 60 + local.tm_min;
}

CivilDate localToday()
{
    const std::time_t now = std::time(nullptr);
    tzset();
    std::tm local{};
    // A time the zone cannot place is still a day in UT.
    if (localtime_r(&now, &local) == nullptr)
        gmtime_r(&now, &local);
    return CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace sky
