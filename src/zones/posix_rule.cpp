// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zones/posix_rule.h"

#include <date/date.h>

namespace zones {
namespace {

struct Reader {
    std::string_view text;
    std::size_t at = 0;

    bool done() const { return at == text.size(); }
    bool next(char c) const { return at < text.size() && text[at] == c; }
    bool skip(char c)
    {
        if (!next(c))
            return false;
        ++at;
        return true;
    }
    bool digit() const { return at < text.size() && text[at] >= '0' && text[at] <= '9'; }
    bool letter() const
    {
        return at < text.size() && ((text[at] >= 'A' && text[at] <= 'Z') || (text[at] >= 'a' && text[at] <= 'z'));
    }

    // An abbreviation, which only has to be there: "CET", "<+0530>".
    bool name()
    {
        if (skip('<')) {
            const auto end = text.find('>', at);
            if (end == std::string_view::npos || end == at)
                return false;
            at = end + 1;
            return true;
        }
        const std::size_t start = at;
        while (letter())
            ++at;
        return at - start >= 3;
    }

    std::optional<int> number(int largest)
    {
        if (!digit())
            return std::nullopt;
        int value = 0;
        while (digit()) {
            value = value * 10 + (text[at++] - '0');
            if (value > largest)
                return std::nullopt;
        }
        return value;
    }

    // [+-]h[:mm[:ss]] in seconds, the hours up to `largestHours`.
    std::optional<long long> time(int largestHours)
    {
        long long sign = 1;
        if (skip('-'))
            sign = -1;
        else
            skip('+');
        const auto hours = number(largestHours);
        if (!hours)
            return std::nullopt;
        long long seconds = *hours * 3600LL;
        for (const long long unit : {60LL, 1LL}) {
            if (!skip(':'))
                break;
            const auto part = number(59);
            if (!part)
                return std::nullopt;
            seconds += *part * unit;
        }
        return sign * seconds;
    }

    // ",Mm.w.d[/time]"
    std::optional<PosixRule::Change> change()
    {
        if (!skip(',') || !skip('M'))
            return std::nullopt;
        const auto month = number(12);
        if (!month || *month < 1 || !skip('.'))
            return std::nullopt;
        const auto week = number(5);
        if (!week || *week < 1 || !skip('.'))
            return std::nullopt;
        const auto weekday = number(6);
        if (!weekday)
            return std::nullopt;
        PosixRule::Change change;
        change.month = *month;
        change.week = *week;
        change.weekday = *weekday;
        if (skip('/')) {
            // tzdata's extension: -167 to 167 hours.
            const auto seconds = time(167);
            if (!seconds)
                return std::nullopt;
            change.seconds = *seconds;
        }
        return change;
    }
};

// The instant, in seconds since 1970 UT, of a change in the year, made on a
// clock `offset` seconds ahead of UT.
long long changeInstant(const PosixRule::Change& change, int year, long long offset)
{
    const date::year_month month{date::year{year}, date::month{static_cast<unsigned>(change.month)}};
    const date::weekday weekday{static_cast<unsigned>(change.weekday)};
    const date::sys_days day =
        change.week == 5 ? date::sys_days{month / date::weekday_last{weekday}}
                         : date::sys_days{month / date::weekday_indexed{weekday, static_cast<unsigned>(change.week)}};
    return day.time_since_epoch().count() * 86400LL + change.seconds - offset;
}

}  // namespace

std::optional<PosixRule> parsePosixRule(std::string_view text)
{
    Reader reader{text};
    PosixRule rule;
    // POSIX counts the hours west of Greenwich.
    const auto standard = reader.name() ? reader.time(24) : std::nullopt;
    if (!standard)
        return std::nullopt;
    rule.standardOffset = -*standard;
    if (reader.done())
        return rule;
    if (!reader.name())
        return std::nullopt;
    rule.summerOffset = rule.standardOffset + 3600;
    if (!reader.next(',')) {
        const auto summer = reader.time(24);
        if (!summer)
            return std::nullopt;
        rule.summerOffset = -*summer;
    }
    const auto start = reader.change();
    const auto end = start ? reader.change() : std::nullopt;
    if (!end || !reader.done())
        return std::nullopt;
    rule.summerStart = *start;
    rule.summerEnd = *end;
    return rule;
}

long long offsetAt(const PosixRule& rule, long long unixSeconds)
{
    if (!rule.summerOffset)
        return rule.standardOffset;
    // tzdata's changes fall well inside the year, so the year in UT is theirs.
    const auto days = date::floor<date::days>(date::sys_seconds{std::chrono::seconds{unixSeconds}});
    const int year = static_cast<int>(date::year_month_day{days}.year());
    const long long start = changeInstant(rule.summerStart, year, rule.standardOffset);
    const long long end = changeInstant(rule.summerEnd, year, *rule.summerOffset);
    // South of the equator summer spans the new year: it starts after it ends.
    const bool summer = start < end ? unixSeconds >= start && unixSeconds < end
                                    : unixSeconds >= start || unixSeconds < end;
    return summer ? *rule.summerOffset : rule.standardOffset;
}

}  // namespace zones
