// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dose.h"

#include <ios>

#include <gtest/gtest.h>

#include "model/curve.h"
#include "model/time_to_dose.h"

namespace model {
namespace {

FormState dayAtTen(float start, float duration, float skinType)
{
    FormState state;
    sampleCurve(10, state);
    state.NumPuntos = SampleCount::all();
    state.HoraExposicion = start;
    state.Duracion = duration;
    state.TipoPiel = skinType;
    return state;
}

TEST(Velmar, ElevenToOneForEachSkinType)
{
    const char* const expected[] = {"7.90", "5.47", "4.45", "3.39", "2.37", "1.48"};
    for (int skin = 1; skin <= 6; ++skin) {
        const DoseOutcome dose = Velmar(dayAtTen(11, 2, static_cast<float>(skin)), '.');
        ASSERT_TRUE(dose.label4Caption) << skin;
        EXPECT_EQ(*dose.label4Caption, expected[skin - 1]) << skin;
    }
    EXPECT_EQ(*Velmar(dayAtTen(11, 2, 3), ',').label4Caption, "4,45");
}

// The strips were counted by hand: sample i lies at 6 + 0.014 i hours, so a
// window from a to b holds the samples from (a - 6) / 0.014 rounded up to
// (b - 6) / 0.014 rounded down, never below 2 nor above 999. The sums S were
// worked out apart from this program, with Python's floats and math.exp and
// math.pow, the curve and the strips added one operation at a time in order.
struct Window {
    const char* name;
    float start;
    float duration;
    float skinType;
    int strips;
    double sum;
    const char* caption;
};

class VelmarWindows : public testing::TestWithParam<Window> {};

TEST_P(VelmarWindows, SumsTheStripsWhoseLeftSampleIsInside)
{
    const Window& row = GetParam();
    const FormState state = dayAtTen(row.start, row.duration, row.skinType);
    EXPECT_EQ(exposureIntegral(state), row.sum) << std::hexfloat << exposureIntegral(state);
    const DoseOutcome dose = Velmar(state, '.');
    ASSERT_TRUE(dose.label4Caption);
    EXPECT_EQ(*dose.label4Caption, row.caption);

    // Under an index of 1 everywhere each strip adds its width, 0.014 h.
    FormState flat = state;
    flat.IndiceUV.fill(1);
    EXPECT_NEAR(exposureIntegral(flat), row.strips * 0.014, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VelmarWindows,
    testing::Values(
        // Samples 358 (11.012 h) to 500 (13 h): the strip of sample 500 reaches 13.014 h.
        Window{"ElevenToOne", 11, 2, 3, 143, 0x1.1c783c1040846p+4, "4.45"},
        Window{"HalfPastTwelveForAnHour", 12.5f, 1, 1, 71, 0x1.3baed267d5555p+3, "4.38"},
        Window{"ZeroDurationAtOne", 13, 0, 3, 1, 0x1.1eb7a8d2e88c0p-3, "0.04"},
        // 12.7f + 0.3f is exactly 13 in 32 bits; a 64-bit end would miss sample 500 and give 0.73.
        Window{"WindowEndIsA32BitSum", 12.7f, 0.3f, 3, 22, 0x1.893e9a918290fp+1, "0.77"},
        // Samples 643 to 999: the last strip ends on the last sample.
        Window{"ToTheLastSample", 15, 5, 3, 357, 0x1.1d477843339b1p+3, "2.23"},
        // Samples 2 to 999: the strip from sample 1 never counts.
        Window{"WholeDayFromSix", 6, 14, 3, 998, 0x1.aa6252c9d0adfp+5, "13.33"},
        Window{"WholeDayFromMidnight", 0, 24, 3, 998, 0x1.aa6252c9d0adfp+5, "13.33"},
        Window{"AfterTheLastSample", 21, 2, 3, 0, 0, "0.00"},
        Window{"NegativeDuration", 11, -2, 3, 0, 0, "0.00"}),
    [](const testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

TEST(Velmar, OnlyExactSkinTypesOneToSixHaveADose)
{
    for (const float skin : {2.5f, 0.0f, 7.0f, -1.0f, 3.0001f, 9.0f}) {
        const DoseOutcome dose = Velmar(dayAtTen(11, 2, skin), '.');
        EXPECT_TRUE(dose.showSkinTypeMessage()) << skin;
        EXPECT_FALSE(dose.label4Caption) << skin;
    }
    // 1 and 6 themselves have a dose; ElevenToOneForEachSkinType checks its value.
    EXPECT_TRUE(skinTypeDivisor(1));
    EXPECT_TRUE(skinTypeDivisor(6));
}

TEST(Velmar, BeforeAnyCalculationThereIsNothingToIntegrate)
{
    FormState state;
    state.TipoPiel = 3;
    EXPECT_EQ(exposureIntegral(state), 0.0);
    EXPECT_EQ(*Velmar(state, '.').label4Caption, "0.00");
}

TEST(MinutesToOneDose, AStayThatLandsExactlyOnOneDoseIsLongEnough)
{
    // The day's sample times with no sun but for a peak at sample 358
    // (11.012 h), so that after 11 h only the strip from 358 to 359 counts.
    // Its height makes exactly 1 dose for skin type 1: stepping through the
    // doubles near 22.5 / 10.0008 / 0.014, Python found the smallest index v
    // for which (((v x width) x 2.778) x 3.6) / 22.5 rounds to 1 exactly.
    constexpr double kIndex = 0x1.416721c7d0401p+7;
    FormState state = dayAtTen(11, 0, 1);
    state.IndiceUV.fill(0);
    state.IndiceUV[358] = 2 * kIndex;
    state.Duracion = 1;
    ASSERT_EQ(exposureInDoses(state), 1.0);
    // The strip counts from the first whole minute that reaches its left
    // sample, 0.72 minutes after the start, and the dose stays at 1 after it.
    EXPECT_EQ(minutesToOneDose(state), 1);
    state.TipoPiel = 2;
    EXPECT_EQ(minutesToOneDose(state), std::nullopt);
}

}  // namespace
}  // namespace model
