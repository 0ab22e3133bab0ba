// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

namespace zones {

// The rule a zone's tzdata file ends with, for the instants after the last
// change of offset the file lists (2037 in Debian's files, while the
// program's dates reach 2099): "CET-1CEST,M3.5.0,M10.5.0/3", or "<+14>-14"
// for a zone without summer time. The time zone library reads only the
// listed changes, so the clock after them comes from here.
struct PosixRule {
    // A change of offset: the `week`th (5: the last) `weekday` (0: Sunday)
    // of `month`, at `seconds` after 0:00 on the clock in force before it.
    struct Change {
        int month = 1;
        int week = 1;
        int weekday = 0;
        long long seconds = 2 * 3600;
    };
    long long standardOffset = 0;  // seconds the clock is ahead of UT
    std::optional<long long> summerOffset;  // none: no summer time
    Change summerStart;
    Change summerEnd;
};

// Reads a rule in the forms tzdata writes (names as letters or in <>, the
// changes as Mm.w.d with an optional time, negative or past 24 h); nothing
// for anything else.
std::optional<PosixRule> parsePosixRule(std::string_view text);

// Seconds the rule's clock is ahead of UT at `unixSeconds` (UT, since 1970).
long long offsetAt(const PosixRule& rule, long long unixSeconds);

}  // namespace zones
