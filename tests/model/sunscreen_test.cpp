// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/sunscreen.h"

#include <ios>
#include <optional>
#include <utility>

#include <gtest/gtest.h>

#include "model/sunscreen_text.h"
#include "model/time_to_dose.h"
#include "support/default_example.h"

namespace model {
namespace {

struct Factor {
    const char* name;
    Sunscreen sunscreen;
    double effective;
};

class EffectiveFps : public testing::TestWithParam<Factor> {};

TEST_P(EffectiveFps, IsTheLabelledFactorToTheShareOfTheTestedAmount)
{
    const Factor& row = GetParam();
    EXPECT_EQ(effectiveFps(row.sunscreen), row.effective) << std::hexfloat << effectiveFps(row.sunscreen);
}

// The square roots are Python's math.sqrt, correctly rounded.
INSTANTIATE_TEST_SUITE_P(
    Table, EffectiveFps,
    testing::Values(Factor{"ThirtyAsLabelled", {30, SunscreenAmount::Label}, 30},
                    Factor{"ThirtyUsual", {30, SunscreenAmount::Usual}, 0x1.5e8add236a58fp+2},  // 5.477225575051661
                    Factor{"TwoUsual", {2, SunscreenAmount::Usual}, 0x1.6a09e667f3bcdp+0},      // 1.4142135623730951
                    Factor{"HundredUsual", {100, SunscreenAmount::Usual}, 10},
                    Factor{"HundredAsLabelled", {100, SunscreenAmount::Label}, 100}),
    [](const testing::TestParamInfo<Factor>& info) { return std::string(info.param.name); });

// The amounts' shares of the tested 2 mg/cm² show in EffectiveFps, their
// descriptions in the page's and the dialog's choices.
TEST(SunscreenAmounts, TheCompanionsWords)
{
    const std::pair<const char*, std::optional<SunscreenAmount>> rows[] = {
        {"etiqueta", SunscreenAmount::Label},
        {"habitual", SunscreenAmount::Usual},
        {"Etiqueta", std::nullopt},
        {"cantidad habitual", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [token, amount] : rows)
        EXPECT_EQ(amountFromToken(token), amount) << token;
}

TEST(SunscreenFactor, WholeFactorsFromTwoToAHundred)
{
    for (const int fps : {2, 15, 100})
        EXPECT_TRUE(isSunscreenFactor(fps)) << fps;
    for (const int fps : {-30, 0, 1, 101, 1000})
        EXPECT_FALSE(isSunscreenFactor(fps)) << fps;
    // As a form's field has it.
    for (const auto& [text, fps] : {std::pair{"30", 30}, std::pair{" 2 ", 2}, std::pair{"100", 100}})
        EXPECT_EQ(sunscreenFactorFromText(text), fps) << text;
    for (const char* text : {"", "  ", "1", "101", "30,5", "30.0", "+30", "3 0", "30x", "99999999999"})
        EXPECT_EQ(sunscreenFactorFromText(text), std::nullopt) << text;
}

// The expected values come from a separate Python reckoning of the curve and
// of the strips, with the window's ends in 32 bits, and the same minute by
// minute search: one protected dose is the unprotected dose reaching the
// effective factor. Maximum 10, no other locality.
struct Protected {
    const char* name;
    const char* start;
    const char* duration;
    const char* skinType;
    Sunscreen sunscreen;
    double doses;
    std::optional<int> unprotectedMinutes;
    std::optional<int> protectedMinutes;
    char separator;
    const char* text;
};

class ProtectedStay : public testing::TestWithParam<Protected> {};

TEST_P(ProtectedStay, DividesTheDoseAndWaitsForTheEffectiveFactor)
{
    const Protected& row = GetParam();
    const FormState state = test_support::stateAfterCalcular({"10", row.start, row.duration, row.skinType, "0", "0"});
    EXPECT_EQ(minutesToOneDose(state), row.unprotectedMinutes);
    const auto exposure = protectExposure(state, row.sunscreen);
    ASSERT_TRUE(exposure);
    EXPECT_EQ(exposure->doses, row.doses) << std::hexfloat << exposure->doses;
    EXPECT_EQ(exposure->minutesToOneDose, row.protectedMinutes);
    EXPECT_EQ(protectedText(*exposure, state.HoraExposicion, row.separator), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProtectedStay,
    testing::Values(
        // The window's start-up example, 4.445 doses unprotected.
        Protected{"ThirtyUsualFromEleven", "11", "2", "3", {30, SunscreenAmount::Usual}, 0x1.9f871cb1ffa3ep-1, 33, 146,
                  ',', "Con FPS 30 (cantidad habitual, como FPS 5,5): 0,81 DEM; 1 DEM a las 13:26"},
        // 11.07 doses are left in the day, short of 30.
        Protected{"ThirtyAsLabelledNeverGetsThere", "11", "2", "3", {30, SunscreenAmount::Label}, 0x1.2f7565dee82c2p-3,
                  33, std::nullopt, ',',
                  "Con FPS 30 (como en la etiqueta): 0,15 DEM; 1 DEM no se alcanza en el resto del día"},
        Protected{"FifteenUsualFromNine", "9", "3", "1", {15, SunscreenAmount::Usual}, 0x1.d4afaa1c866b0p+0, 55, 127,
                  '.', "Con FPS 15 (cantidad habitual, como FPS 3.9): 1.83 DEM; 1 DEM a las 11:07"},
        Protected{"FifteenAsLabelledFromNine", "9", "3", "1", {15, SunscreenAmount::Label}, 0x1.e40e988943579p-2, 55, 290,
                  '.', "Con FPS 15 (como en la etiqueta): 0.47 DEM; 1 DEM a las 13:50"},
        // To the day's end: 1.16 doses unprotected, reached at 17:18, but
        // even the weakest cream, as usually spread, needs 1.41.
        Protected{"DaysEndReachedOnlyUnprotected", "15.75", "4.25", "3", {2, SunscreenAmount::Usual},
                  0x1.a4b4c67c75b74p-1, 93, std::nullopt, '.',
                  "Con FPS 2 (cantidad habitual, como FPS 1.4): 0.82 DEM; 1 DEM no se alcanza en el resto del día"}),
    [](const testing::TestParamInfo<Protected>& info) { return std::string(info.param.name); });

TEST(ProtectedStay, NoneForAnUnknownSkinType)
{
    FormState state = test_support::defaultExampleState();
    state.TipoPiel = 7;
    EXPECT_FALSE(protectExposure(state, {30, SunscreenAmount::Usual}));
}

TEST(SunscreenNotes, TheUsualAmountsFactorInTheSeparator)
{
    EXPECT_EQ(sunscreenAmountNote(','),
              "La protección baja exponencialmente con la cantidad: casi todos se ponen la mitad de la ensayada o "
              "menos, y así un FPS 30 protege como un FPS 5,5.");
    EXPECT_EQ(sunscreenAmountNote('.').substr(sunscreenAmountNote('.').size() - 11), "un FPS 5.5.");
}

}  // namespace
}  // namespace model
