// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "day/clock.h"

#include <cmath>
#include <cstdio>

namespace day {
namespace {

// A hundredth of a second, in minutes, as the program's other clock texts
// take it: 32-bit hours are good to a few milliseconds (12.7 h is
// 12:41:59.9993), and 10:07 is 10.11666… hours, a hair either side.
constexpr double kSlack = 0.01 / 60;

}  // namespace

int minutesDown(double hours, int step)
{
    return static_cast<int>(std::floor((hours * 60 + kSlack) / step)) * step;
}

int minutesUp(double hours, int step)
{
    return static_cast<int>(std::ceil((hours * 60 - kSlack) / step)) * step;
}

std::string hhmm(int minutes)
{
    const int inDay = ((minutes % 1440) + 1440) % 1440;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", inDay / 60, inDay % 60);
    return text;
}

}  // namespace day
