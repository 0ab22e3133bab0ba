// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/bar_step.h"

#include <gtest/gtest.h>

#include <string>

namespace model {
namespace {

// The window's four bars, at their start values.
constexpr BarState kSkinType{6, 1, 3};
constexpr BarState kDuration{10, 0, 2};
constexpr BarState kStartHour{22, 0, 11};
constexpr BarState kMaximum{18, 0, 10};

constexpr BarStep kUp = BarStep::TowardTop;
constexpr BarStep kDown = BarStep::TowardBottom;

struct StepRow {
    const char* name;
    const char* text;
    char separator;
    BarState bar;
    BarStep step;
    int size;
    int value;
    bool fromBox;
};

std::ostream& operator<<(std::ostream& out, const StepRow& row)
{
    return out << row.name;
}

class StepBar : public ::testing::TestWithParam<StepRow> {};

TEST_P(StepBar, StartsFromATypedNumberWithinTheEnds)
{
    const StepRow& row = GetParam();
    const BarStepResult result = stepBar(row.text, row.separator, row.bar, row.step, row.size);
    EXPECT_EQ(result.value, row.value);
    EXPECT_EQ(result.fromBox, row.fromBox);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StepBar,
    ::testing::Values(
        // A number within the ends: the next whole value that way.
        StepRow{"MaximumWholeUp", "3", '.', kMaximum, kUp, 1, 4, true},
        StepRow{"MaximumWholeAboveTheBarUp", "12", '.', kMaximum, kUp, 1, 13, true},
        StepRow{"MaximumFractionUp", "7.5", '.', kMaximum, kUp, 1, 8, true},
        StepRow{"MaximumFractionDown", "7.5", '.', kMaximum, kDown, 1, 7, true},
        StepRow{"MaximumFractionWithTheComma", "7,5", ',', kMaximum, kUp, 1, 8, true},
        StepRow{"MaximumTheBarsOwnValueDown", "10", '.', kMaximum, kDown, 1, 9, true},
        StepRow{"SkinTypeWholeDown", "5", '.', kSkinType, kDown, 1, 4, true},
        StepRow{"SkinTypeFractionUp", "1.2", '.', kSkinType, kUp, 1, 2, true},
        StepRow{"DurationFractionDownToTheEnd", "0.5", '.', kDuration, kDown, 1, 0, true},
        StepRow{"DurationWithBlanksAround", " 4 ", '.', kDuration, kUp, 1, 5, true},
        StepRow{"DurationWithAnExponent", "2.5e0", '.', kDuration, kUp, 1, 3, true},
        StepRow{"StartHourFractionUpToTheEnd", "21.5", '.', kStartHour, kUp, 1, 22, true},
        StepRow{"StartHourNegativeZeroIsZero", "-0", '.', kStartHour, kUp, 1, 1, true},
        // At an end the step goes no further; the typed number still counts.
        StepRow{"MaximumAtTheTopEndUp", "18", '.', kMaximum, kUp, 1, 18, true},
        StepRow{"MaximumAtTheTopEndDown", "18", '.', kMaximum, kDown, 1, 17, true},
        StepRow{"SkinTypeAtTheBottomEndDown", "1", '.', kSkinType, kDown, 1, 1, true},
        StepRow{"StartHourAtTheBottomEndUp", "0", '.', kStartHour, kUp, 1, 1, true},
        // Out of range or not a number: from the bar's own value, as before.
        StepRow{"MaximumAboveTheEndUp", "25", '.', kMaximum, kUp, 1, 11, false},
        StepRow{"MaximumJustAboveTheEndDown", "18.5", '.', kMaximum, kDown, 1, 9, false},
        StepRow{"StartHourBelowTheEndDown", "-1", '.', kStartHour, kDown, 1, 10, false},
        StepRow{"SkinTypeNineUp", "9", '.', kSkinType, kUp, 1, 4, false},
        StepRow{"DurationNotANumber", "abc", '.', kDuration, kUp, 1, 3, false},
        StepRow{"DurationEmpty", "", '.', kDuration, kDown, 1, 1, false},
        StepRow{"MaximumInfinity", "inf", '.', kMaximum, kUp, 1, 11, false},
        StepRow{"MaximumOtherSeparatorIsNotANumber", "7.5", ',', kMaximum, kUp, 1, 11, false},
        StepRow{"SkinTypeNoNumberAtTheTopEnd", "x", '.', BarState{6, 1, 6}, kUp, 1, 6, false},
        // A bar whose top end is the low value: up lowers.
        StepRow{"LowTopEndUpLowers", "7.5", '.', BarState{0, 10, 4}, kUp, 1, 7, true},
        StepRow{"LowTopEndDownRaises", "7.5", '.', BarState{0, 10, 4}, kDown, 1, 8, true},
        StepRow{"LowTopEndOwnValue", "", '.', BarState{0, 10, 4}, kUp, 1, 3, false},
        // Longer steps: the first whole value counts as the first of them.
        StepRow{"TwoFromAFractionUp", "7.5", '.', kMaximum, kUp, 2, 9, true},
        StepRow{"TwoFromAWholeDown", "7", '.', kMaximum, kDown, 2, 5, true},
        StepRow{"TwoPastTheEnd", "17", '.', kMaximum, kUp, 2, 18, true}),
    [](const ::testing::TestParamInfo<StepRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace model
