// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/dose.h"

#include <gtest/gtest.h>

#include "model/curve.h"

namespace model {
namespace {

FormState dayAtTen(float start, float duration, float skinType)
{
    FormState state;
    sampleCurve(10, state);
    state.NumPuntos = kSampleCount;
    state.HoraExposicion = start;
    state.Duracion = duration;
    state.TipoPiel = skinType;
    return state;
}

int samplesInsideFromTwo(const FormState& state)
{
    int inside = 0;
    for (int i = 2; i < kSampleCount; ++i)
        inside += insideExposureWindow(state, state.Tiempo[i]) ? 1 : 0;
    return inside;
}

TEST(Velmar, ElevenToOneForEachSkinType)
{
    const char* const expected[] = {"7.90", "5.47", "4.45", "3.39", "2.37", "1.48"};
    for (int skin = 1; skin <= 6; ++skin) {
        const DoseOutcome dose = Velmar(dayAtTen(11, 2, static_cast<float>(skin)), '.');
        ASSERT_TRUE(dose.label4Caption) << skin;
        EXPECT_EQ(*dose.label4Caption, expected[skin - 1]) << skin;
    }
    const FormState state = dayAtTen(11, 2, 3);
    EXPECT_NEAR(exposureIntegral(state), 17.7794, 5e-5);
    // Samples 358 to 500: the strip of sample 500 reaches 13.014 h.
    EXPECT_EQ(samplesInsideFromTwo(state), 143);
    EXPECT_EQ(*Velmar(state, ',').label4Caption, "4,45");
}

struct Window {
    const char* name;
    float start;
    float duration;
    float skinType;
    int strips;
    const char* caption;
};

class VelmarWindows : public testing::TestWithParam<Window> {};

TEST_P(VelmarWindows, CountsTheStripsWhoseLeftSampleIsInside)
{
    const Window& row = GetParam();
    const FormState state = dayAtTen(row.start, row.duration, row.skinType);
    EXPECT_EQ(samplesInsideFromTwo(state), row.strips);
    const DoseOutcome dose = Velmar(state, '.');
    ASSERT_TRUE(dose.label4Caption);
    EXPECT_EQ(*dose.label4Caption, row.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Table, VelmarWindows,
    testing::Values(
        Window{"HalfPastTwelveForAnHour", 12.5f, 1, 1, 71, "4.38"},
        Window{"ZeroDurationAtOne", 13, 0, 3, 1, "0.04"},
        // 12.7f + 0.3f is exactly 13 in 32 bits; a 64-bit end would miss sample 500 and give 0.73.
        Window{"WindowEndIsA32BitSum", 12.7f, 0.3f, 3, 22, "0.77"},
        Window{"ToTheLastSample", 15, 5, 3, 357, "2.23"},
        Window{"WholeDayFromSix", 6, 14, 3, 998, "13.33"},
        Window{"WholeDayFromMidnight", 0, 24, 3, 998, "13.33"},
        Window{"AfterTheLastSample", 21, 2, 3, 0, "0.00"},
        Window{"NegativeDuration", 11, -2, 3, 0, "0.00"}),
    [](const testing::TestParamInfo<Window>& info) { return std::string(info.param.name); });

TEST(Velmar, TheWindowEndReallyIsAddedInThirtyTwoBits)
{
    const FormState state = dayAtTen(12.7f, 0.3f, 3);
    EXPECT_EQ(exposureWindowEnd(state), 13.0f);
    EXPECT_LT(static_cast<double>(12.7f) + static_cast<double>(0.3f), 13.0);
}

TEST(Velmar, OnlyExactSkinTypesOneToSixHaveADose)
{
    for (const float skin : {2.5f, 0.0f, 7.0f, -1.0f, 3.0001f, 9.0f}) {
        const DoseOutcome dose = Velmar(dayAtTen(11, 2, skin), '.');
        EXPECT_TRUE(dose.showSkinTypeMessage()) << skin;
        EXPECT_FALSE(dose.label4Caption) << skin;
    }
    EXPECT_EQ(kSkinTypeMessage, " Por favor ingrese nuevamente el tipo de piel");
    EXPECT_EQ(skinTypeDivisor(1), 22.5);
    EXPECT_EQ(skinTypeDivisor(6), 120.0);
}

TEST(Velmar, BeforeAnyCalculationThereIsNothingToIntegrate)
{
    FormState state;
    state.TipoPiel = 3;
    EXPECT_EQ(exposureIntegral(state), 0.0);
    EXPECT_EQ(*Velmar(state, '.').label4Caption, "0.00");
}

}  // namespace
}  // namespace model
