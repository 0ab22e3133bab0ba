// SPDX-FileCopyrightText: Los autores de Indice UV
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/curve.h"

#include <cmath>
#include <ios>

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

// The curve's bits at a few samples, worked out apart from this program with
// Python's floats (64-bit, every operation rounded on its own, never fused)
// and its math.exp and math.pow, one operation at a time in the curve's order:
//   t = 6 + (14 / 1000) * i;  d = t - 13;  v = (M * exp(-pow(d / 3.3, 2))) * exp(-pow(d / 5, 4))
// Sample 286's time is one that a fused multiply-add of 6 + step * i rounds
// differently; 999 and 1000 are where squaring twice differs from the fourth
// power. Then 376 and 377 sit either side of 7.5, the orange and red shading.
struct PinnedSample {
    int i;
    double tiempo;
    double atTen;        // maximum 10
    double atCorrected;  // maximum 10 carried 10 degrees north and 1000 m up
};

constexpr PinnedSample kPinnedSamples[] = {
    {1, 0x1.80e5604189375p+2, 0x1.482e7ef5806adp-9, 0x1.97fa9ee0f0795p-9},
    {285, 0x1.3fae147ae147bp+3, 0x1.e87cc37fd4d1ap+1, 0x1.2fa1abec84e75p+2},
    {286, 0x1.4020c49ba5e36p+3, 0x1.ed78388caf6f4p+1, 0x1.32ba76c2673c1p+2},
    {376, 0x1.6872b020c49bap+3, 0x1.de47b76e4ce8ep+2, 0x1.2949778036e23p+3},
    {377, 0x1.68e5604189375p+3, 0x1.e0a235eb093b6p+2, 0x1.2abff649de58bp+3},
    {500, 0x1.a000000000000p+3, 0x1.4000000000000p+3, 0x1.8dced916872b0p+3},
    {999, 0x1.3fc6a7ef9db23p+4, 0x1.482e7ef5806a0p-9, 0x1.97fa9ee0f0785p-9},
    {1000, 0x1.4000000000000p+4, 0x1.389b59e0d9d14p-9, 0x1.849e006291da0p-9},
};

TEST(SampleCurve, SamplesAreBitExact)
{
    const double corrected = correctedMaximum(10, 10, 1000);
    ASSERT_EQ(corrected, 0x1.8dced916872b0p+3) << std::hexfloat << corrected;
    FormState atTen;
    sampleCurve(10, atTen);
    FormState atCorrected;
    sampleCurve(corrected, atCorrected);
    for (const PinnedSample& pinned : kPinnedSamples) {
        SCOPED_TRACE(pinned.i);
        EXPECT_EQ(atTen.Tiempo[pinned.i], pinned.tiempo) << std::hexfloat << atTen.Tiempo[pinned.i];
        EXPECT_EQ(atCorrected.Tiempo[pinned.i], pinned.tiempo);
        EXPECT_EQ(atTen.IndiceUV[pinned.i], pinned.atTen) << std::hexfloat << atTen.IndiceUV[pinned.i];
        EXPECT_EQ(atCorrected.IndiceUV[pinned.i], pinned.atCorrected) << std::hexfloat << atCorrected.IndiceUV[pinned.i];
    }
    // Index 0 is never written.
    EXPECT_EQ(atTen.Tiempo[0], 0.0);
    EXPECT_EQ(atTen.IndiceUV[0], 0.0);

    // Rising to 13:00 and falling after it.
    for (int i = 2; i <= 500; ++i)
        EXPECT_GT(atTen.IndiceUV[i], atTen.IndiceUV[i - 1]) << i;
    for (int i = 501; i <= 1000; ++i)
        EXPECT_LT(atTen.IndiceUV[i], atTen.IndiceUV[i - 1]) << i;
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
