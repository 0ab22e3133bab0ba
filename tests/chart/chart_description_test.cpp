// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chart_description.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "support/default_example.h"

namespace chart {
namespace {

struct DescriptionCase {
    const char* name;
    model::InputTexts inputs;  // as typed, with a point
    char separator;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const DescriptionCase& row)
{
    return out << row.name;
}

class ChartDescription : public ::testing::TestWithParam<DescriptionCase> {};

TEST_P(ChartDescription, SaysWhatTheChartShows)
{
    const DescriptionCase& row = GetParam();
    const model::FormState state = test_support::stateAfterCalcular(row.inputs);
    EXPECT_EQ(describeChart(state, row.separator), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChartDescription,
    ::testing::Values(
        DescriptionCase{"StartValues", {"10", "11", "2", "3", "0", "0"}, '.',
                        "Curva del índice UV de 6:00 a 20:00, máximo 10.0 a las 13:00; "
                        "exposición de 11:00 a 13:00 sombreada"},
        DescriptionCase{"CommaLocale", {"10", "11", "2", "3", "0", "0"}, ',',
                        "Curva del índice UV de 6:00 a 20:00, máximo 10,0 a las 13:00; "
                        "exposición de 11:00 a 13:00 sombreada"},
        // The corrected maximum is the one drawn, not the one typed.
        DescriptionCase{"OtherLocality", {"10", "11", "2", "3", "0", "1"}, ',',
                        "Curva del índice UV de 6:00 a 20:00, máximo 10,2 a las 13:00; "
                        "exposición de 11:00 a 13:00 sombreada"},
        DescriptionCase{"HalfPastWithMinutes", {"7.5", "14.25", "0.5", "2", "0", "0"}, '.',
                        "Curva del índice UV de 6:00 a 20:00, máximo 7.5 a las 13:00; "
                        "exposición de 14:15 a 14:45 sombreada"},
        // No sample is shaded: the chart shows the curve alone.
        DescriptionCase{"AfterTheLastSample", {"10", "21", "2", "3", "0", "0"}, '.',
                        "Curva del índice UV de 6:00 a 20:00, máximo 10.0 a las 13:00; "
                        "la exposición de 21:00 a 23:00 queda fuera de la curva"},
        // The clock wraps past midnight, as the window's other times do.
        DescriptionCase{"PastMidnight", {"10", "19", "6", "3", "0", "0"}, '.',
                        "Curva del índice UV de 6:00 a 20:00, máximo 10.0 a las 13:00; "
                        "exposición de 19:00 a 1:00 sombreada"}),
    [](const ::testing::TestParamInfo<DescriptionCase>& info) { return std::string(info.param.name); });

TEST(ChartDescriptionBeforeCalcular, SaysThereIsNoCurveYet)
{
    EXPECT_EQ(describeChart(model::FormState{}, ','), "Sin cálculo todavía");
}

}  // namespace
}  // namespace chart
