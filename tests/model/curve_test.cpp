// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/curve.h"

#include <cmath>

#include <gtest/gtest.h>

#include "runtime/number_format.h"

namespace model {
namespace {

TEST(CorrectedMaximum, LatitudeFirstThenAltitudeOnTheCorrectedValue)
{
    EXPECT_EQ(correctedMaximum(10, 0, 0), 10.0);
    EXPECT_DOUBLE_EQ(correctedMaximum(10, 1, 0), 10.15);
    EXPECT_DOUBLE_EQ(correctedMaximum(10, -4, 0), 9.4);
    // (10 + 1.5) x 1.081: the altitude term applies to the latitude-corrected 11.5.
    EXPECT_DOUBLE_EQ(correctedMaximum(10, 10, 1000), 12.4315);
    EXPECT_NE(runtime::formatNumber(correctedMaximum(10, 10, 1000), runtime::NumberPattern::OneDecimal, '.'),
              runtime::formatNumber(10 * 1.081 + 1.5, runtime::NumberPattern::OneDecimal, '.'));
    // The extremes of 32-bit input stay finite in 64 bits.
    const float big = 3.4028234e38f;
    EXPECT_TRUE(std::isfinite(correctedMaximum(big, big, big)));
    EXPECT_TRUE(std::isfinite(correctedMaximum(-big, big, -big)));
}

TEST(SampleCurve, SamplesRunFromJustAfterSixToTwentyAndPeakAtOne)
{
    FormState state;
    sampleCurve(10, state);
    EXPECT_EQ(state.Tiempo[1], 6.014);
    EXPECT_EQ(state.Tiempo[500], 13.0);
    EXPECT_EQ(state.Tiempo[1000], 20.0);
    EXPECT_EQ(state.IndiceUV[500], 10.0);
    EXPECT_EQ(runtime::formatNumber(state.IndiceUV[1], runtime::NumberPattern::FourDecimals, '.'), "0.0025");
    EXPECT_EQ(runtime::formatNumber(state.IndiceUV[1000], runtime::NumberPattern::FourDecimals, '.'), "0.0024");
    // Index 0 is never written.
    EXPECT_EQ(state.Tiempo[0], 0.0);
    EXPECT_EQ(state.IndiceUV[0], 0.0);

    // Rising to 13:00 and falling after it.
    for (int i = 2; i <= 500; ++i)
        EXPECT_GT(state.IndiceUV[i], state.IndiceUV[i - 1]) << i;
    for (int i = 501; i <= 1000; ++i)
        EXPECT_LT(state.IndiceUV[i], state.IndiceUV[i - 1]) << i;
}

TEST(SampleCurve, TheCategoryBoundaryFallsBetweenSamples376And377)
{
    FormState state;
    sampleCurve(10, state);
    EXPECT_EQ(runtime::formatNumber(state.IndiceUV[376], runtime::NumberPattern::ThreeDecimals, '.'), "7.473");
    EXPECT_EQ(runtime::formatNumber(state.IndiceUV[377], runtime::NumberPattern::ThreeDecimals, '.'), "7.510");
}

TEST(SampleCurve, ScalesWithTheMaximumWhateverItsSign)
{
    FormState state;
    sampleCurve(0, state);
    for (int i = 1; i <= kSampleCount; ++i)
        ASSERT_EQ(state.IndiceUV[i], 0.0) << i;

    sampleCurve(-9.4, state);
    EXPECT_EQ(state.IndiceUV[500], -9.4);
    EXPECT_LT(state.IndiceUV[1], 0.0);

    sampleCurve(1e30, state);
    for (int i = 1; i <= kSampleCount; ++i)
        ASSERT_TRUE(std::isfinite(state.IndiceUV[i])) << i;
}

}  // namespace
}  // namespace model
