// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/time_zone.h"

#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <date/tz.h>

namespace zones {

using sky::CivilDate;
using sky::daysSinceUnixEpoch;
namespace {

// Where Debian's time zone library reads tzdata, and so the zones' own files.
constexpr std::string_view kZoneFolder = "/usr/share/zoneinfo/";

// The end the library gives the offset in force after a file's last listed change.
constexpr date::sys_days kNoLaterChange{date::year::max() / date::December / 31};

// The rule a zone's file ends with: its last line, after the binary data.
std::optional<PosixRule> ruleOfZoneFile(std::string_view zone)
{
    std::ifstream file(std::string(kZoneFolder) + std::string(zone), std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!content.starts_with("TZif") || !content.ends_with('\n'))
        return std::nullopt;
    const auto start = content.rfind('\n', content.size() - 2);
    if (start == std::string::npos)
        return std::nullopt;
    return parsePosixRule(std::string_view(content).substr(start + 1, content.size() - start - 2));
}

}  // namespace

std::variant<TimeZone, NotAZone> findZone(std::string_view name)
{
    try {
        const date::time_zone* zone = date::locate_zone(name);
        // The library reads the zone's file on first use: any fault here, not later.
        zone->get_info(date::sys_seconds{});
        return TimeZone(std::string(name), zone, ruleOfZoneFile(name));
    } catch (const std::exception&) {
        return NotAZone{std::string(name)};
    }
}

TimeZone::TimeZone(std::string name, const date::time_zone* zone, std::optional<PosixRule> rule)
    : name_(std::move(name)), zone_(zone), rule_(std::move(rule))
{
}

long long TimeZone::offsetAt(long long unixSeconds) const
{
    const date::sys_info info = zone_->get_info(date::sys_seconds{std::chrono::seconds{unixSeconds}});
    if (info.end >= kNoLaterChange && rule_)
        return zones::offsetAt(*rule_, unixSeconds);
    return info.offset.count();
}

long long TimeZone::offsetAtClock(const CivilDate& date, long long clockSeconds) const
{
    // The offsets a day before and after: a clock time is read with one of
    // them (tzdata never changes a zone twice in two days).
    const long long clock = daysSinceUnixEpoch(date) * 86400LL + clockSeconds;
    const long long before = offsetAt(clock - 86400);
    const long long after = offsetAt(clock + 86400);
    const auto reads = [&](long long offset) { return offsetAt(clock - offset) == offset; };
    if (reads(before))
        return before;
    return after;
}

double utcOffsetAtNoon(const TimeZone& zone, const CivilDate& date)
{
    return static_cast<double>(zone.offsetAtClock(date, 12 * 3600)) / 3600.0;
}

}  // namespace zones
