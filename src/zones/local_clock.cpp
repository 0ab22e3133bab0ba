// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/local_clock.h"

#include <chrono>
#include <cmath>

#include <date/date.h>

#include "zones/system_zone.h"

namespace zones {

using sky::CivilDate;
using sky::daysSinceUnixEpoch;
namespace {

std::optional<long long> instantOf(const CivilDate& date, double utHours)
{
    // Hours within two days of the date, which is all a time of day needs.
    if (!(std::abs(utHours) <= 48))
        return std::nullopt;
    return daysSinceUnixEpoch(date) * 86400LL + static_cast<long long>(std::floor(utHours * 3600.0));
}

int minutesOfDay(long long localSeconds)
{
    const long long secondsOfDay = ((localSeconds % 86400) + 86400) % 86400;
    return static_cast<int>(secondsOfDay / 60);
}

CivilDate dateOf(long long localSeconds)
{
    const auto days = date::floor<date::days>(date::sys_seconds{std::chrono::seconds{localSeconds}});
    const date::year_month_day day{days};
    return CivilDate{static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
                     static_cast<int>(static_cast<unsigned>(day.day()))};
}

long long now()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch).count();
}

}  // namespace

std::optional<int> localClockMinutes(const CivilDate& date, double utHours, const TimeZone& zone)
{
    const auto instant = instantOf(date, utHours);
    if (!instant)
        return std::nullopt;
    return minutesOfDay(*instant + zone.offsetAt(*instant));
}

std::optional<int> localClockMinutes(const CivilDate& date, double utHours)
{
    if (const auto zone = systemTimeZone())
        return localClockMinutes(date, utHours, *zone);
    const auto instant = instantOf(date, utHours);
    if (!instant)
        return std::nullopt;
    return minutesOfDay(*instant);
}

CivilDate localDate(const TimeZone& zone, long long unixSeconds)
{
    return dateOf(unixSeconds + zone.offsetAt(unixSeconds));
}

CivilDate localToday(const TimeZone& zone)
{
    return localDate(zone, now());
}

CivilDate localToday()
{
    const long long instant = now();
    if (const auto zone = systemTimeZone())
        return localDate(*zone, instant);
    return dateOf(instant);
}

}  // namespace zones
