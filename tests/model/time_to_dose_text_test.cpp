// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/time_to_dose_text.h"

#include <gtest/gtest.h>

namespace model {
namespace {

struct Shown {
    const char* name;
    std::optional<int> minutes;
    float start;
    const char* line;
    const char* description;
};

class OneDoseText : public testing::TestWithParam<Shown> {};

TEST_P(OneDoseText, ReadsAsShown)
{
    const Shown& row = GetParam();
    EXPECT_EQ(oneDoseText(row.minutes, row.start), row.line);
    EXPECT_EQ(oneDoseDescription(row.minutes, row.start), row.description);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneDoseText,
    testing::Values(
        Shown{"HalfAnHour", 32, 11, "1 DEM a las 11:32 (32 min)", "1 DEM a las 11:32, 32 minutos después de empezar"},
        Shown{"OneMinute", 1, 11, "1 DEM a las 11:01 (1 min)", "1 DEM a las 11:01, 1 minuto después de empezar"},
        Shown{"AtOnce", 0, 13, "1 DEM a las 13:00 (0 min)", "1 DEM a las 13:00, 0 minutos después de empezar"},
        Shown{"WholeHour", 60, 11, "1 DEM a las 12:00 (1 h)", "1 DEM a las 12:00, 1 hora después de empezar"},
        Shown{"HourAndAQuarter", 75, 11, "1 DEM a las 12:15 (1 h 15 min)",
              "1 DEM a las 12:15, 1 hora y 15 minutos después de empezar"},
        Shown{"HoursAndOneMinute", 121, 9.5f, "1 DEM a las 11:31 (2 h 1 min)",
              "1 DEM a las 11:31, 2 horas y 1 minuto después de empezar"},
        Shown{"TwoHours", 120, 15.25f, "1 DEM a las 17:15 (2 h)", "1 DEM a las 17:15, 2 horas después de empezar"},
        // 10.7 in 32 bits is 10:41:59.9993, which the clock counts as 10:42.
        Shown{"StartAHairBelowAMinute", 32, 10.7f, "1 DEM a las 11:14 (32 min)",
              "1 DEM a las 11:14, 32 minutos después de empezar"},
        Shown{"NotReached", std::nullopt, 15.75f, "1 DEM no se alcanza en el resto del día",
              "1 DEM no se alcanza en el resto del día, empezando a las 15:45"}),
    [](const testing::TestParamInfo<Shown>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace model
