// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sky/sky_cover.h"

#include <string>

#include <gtest/gtest.h>

#include "sky/clear_sky.h"

namespace sky {
namespace {

// The shares of a clear sky's UV index the U.S. EPA gives for its forecast
// (its page "Calculating the UV Index"): clear skies let virtually all of it
// through, scattered clouds 89 %, broken 73 %, overcast 31 %, with the cloud
// cover's bounds at 20, 70 and 90 %.
struct Cover {
    const char* token;
    SkyCover cover;
    double transmission;
    const char* withSky;
    const char* share;
};

class SkyCoverByToken : public testing::TestWithParam<Cover> {};

TEST_P(SkyCoverByToken, LetsTheEpasShareThroughAndSaysSo)
{
    const Cover& row = GetParam();
    ASSERT_EQ(coverFromToken(row.token), row.cover);
    SkyInputs inputs{40.45, -3.70, {2026, 6, 21}, 690, {}, false, SkyCover::Clear};
    const double clear = estimateClearSky(inputs).uvIndex;
    inputs.cover = row.cover;
    EXPECT_EQ(estimateClearSky(inputs).uvIndex, clear * row.transmission);
    EXPECT_EQ(withSkyText(row.cover), row.withSky);
    EXPECT_EQ(coverShareText(row.cover), row.share);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SkyCoverByToken,
    testing::Values(Cover{"despejado", SkyCover::Clear, 1.00, "con cielo despejado", "menos del 20 %"},
                    Cover{"poco-nuboso", SkyCover::PartlyCloudy, 0.89, "con cielo poco nuboso", "del 20 al 70 %"},
                    Cover{"nuboso", SkyCover::MostlyCloudy, 0.73, "con cielo nuboso", "del 70 al 90 %"},
                    Cover{"cubierto", SkyCover::Overcast, 0.31, "con cielo cubierto", "más del 90 %"}),
    [](const testing::TestParamInfo<Cover>& info) {
        std::string name = info.param.token;
        std::erase(name, '-');
        return name;
    });

TEST(SkyCover, OtherWordsAreRefused)
{
    for (const char* token : {"poco nuboso", "Despejado", "CUBIERTO", "nublado", "", " nuboso"})
        EXPECT_EQ(coverFromToken(token), std::nullopt) << '"' << token << '"';
}

TEST(SkyCover, ClearByDefaultAndTheStepsCoverTheWholeSky)
{
    EXPECT_EQ(coverFactor(kDefaultSkyCover), 1.0);
    int covered = 0;
    double previousFactor = 1.0;
    for (const SkyCoverRow& row : kSkyCovers) {
        EXPECT_EQ(row.fromPercent, covered) << row.token;
        EXPECT_LT(row.fromPercent, row.toPercent) << row.token;
        EXPECT_LE(row.factor, previousFactor) << row.token;
        covered = row.toPercent;
        previousFactor = row.factor;
    }
    EXPECT_EQ(covered, 100);
}

}  // namespace
}  // namespace sky
