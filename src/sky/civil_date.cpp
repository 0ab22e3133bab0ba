// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/civil_date.h"

#include <array>

#include "runtime/number_text.h"

namespace sky {
namespace {

constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int monthLength(int year, int month)
{
    return month == 2 && isLeapYear(year) ? 29 : kMonthLengths[static_cast<std::size_t>(month - 1)];
}

void appendDigits(std::string& text, int value, int width)
{
    std::string digits = std::to_string(value);
    text.append(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, '0');
    text += digits;
}

}  // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isCalendarDate(const CivilDate& date)
{
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= monthLength(date.year, date.month);
}

int dayOfYear(const CivilDate& date)
{
    int days = date.day;
    for (int month = 1; month < date.month; ++month)
        days += monthLength(date.year, month);
    return days;
}

long long daysSinceUnixEpoch(const CivilDate& date)
{
    // Counted in 400-year cycles of 146097 days from 1 March of year 0, so that
    // the leap day falls at the end of each counted year.
    const long long year = date.month <= 2 ? date.year - 1LL : date.year;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long monthFromMarch = date.month > 2 ? date.month - 3 : date.month + 9;
    const long long dayOfCountedYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfCountedYear;
    constexpr long long kMarchFirstOfYearZeroToUnixEpoch = 719468;
    return era * 146097 + dayOfEra - kMarchFirstOfYearZeroToUnixEpoch;
}

std::string_view patternOf(DateStyle style)
{
    return style == DateStyle::Iso ? "AAAA-MM-DD" : "DD/MM/AAAA";
}

std::string dateText(const CivilDate& date, DateStyle style)
{
    std::string text;
    if (style == DateStyle::Iso) {
        appendDigits(text, date.year, 4);
        text += '-';
        appendDigits(text, date.month, 2);
        text += '-';
        appendDigits(text, date.day, 2);
    } else {
        appendDigits(text, date.day, 2);
        text += '/';
        appendDigits(text, date.month, 2);
        text += '/';
        appendDigits(text, date.year, 4);
    }
    return text;
}

std::optional<CivilDate> parseDateText(std::string_view text, DateStyle style)
{
    text = runtime::trimBlanks(text);
    // 'd' a digit, anything else itself.
    const std::string_view shape = style == DateStyle::Iso ? "dddd-dd-dd" : "dd/dd/dddd";
    if (text.size() != shape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (shape[i] == 'd' ? !digit : text[i] != shape[i])
            return std::nullopt;
    }
    const auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (std::size_t i = at; i < at + length; ++i)
            value = value * 10 + (text[i] - '0');
        return value;
    };
    if (style == DateStyle::Iso)
        return CivilDate{number(0, 4), number(5, 2), number(8, 2)};
    return CivilDate{number(6, 4), number(3, 2), number(0, 2)};
}

}  // namespace sky
