// Gain curves and valve saturator against their published values.
#include "RatioCurves.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RatioCurves, GainTable)
{
    const double levels[] = {std::sqrt(0.001), 0.5, 1.0, 10.0, 100.0};
    const double expected[5][7] = {
        {0.992505, 0.990007, 0.992971, 0.996064, 0.999535, 0.999601, 0.999670},
        {0.900000, 0.866667, 0.878763, 0.889160, 0.903678, 0.914042, 0.924992},
        {0.828571, 0.771429, 0.762160, 0.747101, 0.738147, 0.750396, 0.763978},
        {0.520000, 0.360000, 0.268216, 0.200441, 0.150252, 0.127970, 0.109000},
        {0.414634, 0.219512, 0.115094, 0.067276, 0.042630, 0.029303, 0.019900},
    };
    for (int row = 0; row < 5; ++row)
        for (int curve = 0; curve < 7; ++curve)
            EXPECT_NEAR(dsp::curveGain(curve, levels[row]), expected[row][curve], 5e-7)
                << "G" << curve << " at " << levels[row];
}

TEST(RatioCurves, EveryCurveStartsAtUnityAndFallsBelowIt)
{
    for (int curve = 0; curve < 7; ++curve) {
        EXPECT_NEAR(dsp::curveGain(curve, 1e-9), 1.0, 1e-8) << curve;
        double previous = 1.0;
        for (double level = 0.05; level < 1000.0; level *= 1.5) {
            const double gain = dsp::curveGain(curve, level);
            EXPECT_LT(gain, 1.0);
            EXPECT_LE(gain, previous) << curve << " at " << level;
            previous = gain;
        }
    }
}

TEST(RatioCurves, OutOfRangeIndexUsesTheNearestCurve)
{
    EXPECT_EQ(dsp::curveGain(-3, 2.0), dsp::curveGain(0, 2.0));
    EXPECT_EQ(dsp::curveGain(9, 2.0), dsp::curveGain(6, 2.0));
    EXPECT_EQ(dsp::valveScaleFor(12).out, 2.8);
    EXPECT_EQ(dsp::valveScaleFor(-1).out, 22.4);
}

TEST(ValveShape, ValuesForRatioFour)
{
    const dsp::ValveScale scale = dsp::valveScaleFor(4);
    EXPECT_EQ(scale.in, 0.25);
    EXPECT_EQ(scale.out, 4.0);
    struct Case {
        double y, expected;
    } cases[] = {{4.0, 3.141593}, {-4.0, -3.530622}, {1.0, 0.979915}, {-1.0, -0.991553}, {0.0, 0.0}};
    for (const Case& c : cases)
        EXPECT_NEAR(dsp::valveShape(c.y, scale), c.expected, 5e-7) << c.y;
    EXPECT_NEAR(dsp::valveShape(4.0, scale), 3.141592653589793, 1e-15);
}

TEST(ValveShape, UnitSlopeAtZeroAndAsymmetricLimits)
{
    for (int ratio = 0; ratio < 7; ++ratio) {
        const dsp::ValveScale scale = dsp::valveScaleFor(ratio);
        EXPECT_NEAR(scale.in * scale.out, 1.0, 1e-15) << ratio;
        EXPECT_NEAR(dsp::valveShape(1e-6, scale), 1e-6, 1e-12);
        EXPECT_NEAR(dsp::valveShape(-1e-6, scale), -1e-6, 1e-12);
        EXPECT_NEAR(dsp::valveShape(1e12, scale), scale.out * 1.5707963267948966, 1e-9);
        EXPECT_NEAR(dsp::valveShape(-1e12, scale), -scale.out / 0.64, 1e-9);
        EXPECT_NEAR(dsp::valveShape(scale.out, scale), 0.785 * scale.out, 1e-3 * scale.out);
        EXPECT_NEAR(dsp::valveShape(-scale.out, scale), -0.883 * scale.out, 1e-3 * scale.out);
    }
    EXPECT_NEAR(dsp::valveShape(INFINITY, dsp::valveScaleFor(0)), 35.19, 0.01);
    EXPECT_NEAR(dsp::valveShape(-INFINITY, dsp::valveScaleFor(0)), -35.0, 0.01);
    EXPECT_TRUE(std::isnan(dsp::valveShape(NAN, dsp::valveScaleFor(3))));
}
