// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/calendar.h"

#include <cstdint>
#include <cstdio>

#include "runtime/number_format.h"
#include "sky/civil_date.h"

namespace day {
namespace {

constexpr std::size_t kLineOctets = 75;

// "20260621T090000Z", the form of a UTC DATE-TIME.
std::string icalTime(long long unixSeconds)
{
    std::string text;
    for (const char c : utcText(unixSeconds)) {
        if (c != '-' && c != ':')
            text += c;
    }
    return text;
}

// TEXT values escape the backslash, the separators and the line break.
std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

bool continuesCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A content line folded at 75 octets: each further piece starts with a space,
// which counts towards its 75, and no UTF-8 character is cut.
std::string folded(std::string_view line)
{
    std::string out;
    std::size_t limit = kLineOctets;
    while (line.size() > limit) {
        std::size_t cut = limit;
        while (cut > 0 && continuesCharacter(line[cut]))
            --cut;
        if (cut == 0)  // no character starts in reach: not UTF-8, cut anyway
            cut = limit;
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        limit = kLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
    return out;
}

// FNV-1a: a stable name for the stay, from what makes it that stay.
std::uint64_t fingerprint(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string hex(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::string calendarText(const StayReminders& stay, std::string_view description, long long stampUnix)
{
    std::string event;
    const auto line = [&](std::string_view name, std::string_view value) {
        event += folded(std::string(name) + ":" + std::string(value));
    };
    line("DTSTART", icalTime(stay.startUnix));
    line("DTEND", icalTime(stay.endUnix));
    line("SUMMARY", escaped(kCalendarSummary));
    line("DESCRIPTION", escaped(description));
    for (const Reminder& reminder : stay.list) {
        line("BEGIN", "VALARM");
        line("ACTION", "DISPLAY");
        line("TRIGGER;VALUE=DATE-TIME", icalTime(reminder.unixSeconds));
        line("DESCRIPTION", escaped(reminder.text));
        line("END", "VALARM");
    }

    std::string calendar;
    const auto head = [&](std::string_view name, std::string_view value) {
        calendar += folded(std::string(name) + ":" + std::string(value));
    };
    head("BEGIN", "VCALENDAR");
    head("VERSION", "2.0");
    head("PRODID", "-//Indice UV//Indice UV//ES");
    head("CALSCALE", "GREGORIAN");
    head("METHOD", "PUBLISH");
    head("BEGIN", "VEVENT");
    head("UID", hex(fingerprint(event)) + "@indice-uv");
    head("DTSTAMP", icalTime(stampUnix));
    calendar += event;
    head("END", "VEVENT");
    head("END", "VCALENDAR");
    return calendar;
}

std::string calendarText(const Answer& answer, long long stampUnix)
{
    if (!answer.reminders || !answer.stay)
        return {};
    const StayAnswer& stay = *answer.stay;
    std::string description;
    if (answer.protection)
        description += answer.protection->line + "\n";
    if (const auto& caption = stay.calculation.dose.label4Caption) {
        description += "Exposición: " + *caption + " DEM, tipo de piel "
                       + runtime::integerToText(static_cast<int>(stay.state.TipoPiel)) + "\n";
    }
    if (!stay.protectedLine.empty())
        description += stay.protectedLine + "\n";
    if (!description.empty())
        description.pop_back();
    return calendarText(*answer.reminders, description, stampUnix);
}

std::string calendarFileName(const StayReminders& stay)
{
    return "indice-uv-" + sky::dateText(stay.clock.date, sky::DateStyle::Iso) + ".ics";
}

}  // namespace day
