// Working values and the number formatter, on the linked parameter model.
#include "ParameterModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

TEST(ParameterModel, ClampTreatsNanAsZero)
{
    EXPECT_EQ(clampParameter(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    EXPECT_EQ(clampParameter(-std::numeric_limits<float>::infinity()), 0.0f);
    EXPECT_EQ(clampParameter(std::numeric_limits<float>::infinity()), 1.0f);
    EXPECT_EQ(clampParameter(0.3f), 0.3f);
}

TEST(ParameterModel, WorkingValues)
{
    EXPECT_EQ(processModeFor(0.24f), 0);
    EXPECT_EQ(processModeFor(0.25f), 1);
    EXPECT_EQ(processModeFor(0.74f), 1);
    EXPECT_EQ(processModeFor(0.75f), 2);
    EXPECT_EQ(ratioIndexFor(0.5f), 3);
    EXPECT_EQ(ratioIndexFor(1.0f), 6);

    EXPECT_EQ(timeConstantFor(0.0f), 0.005);
    EXPECT_EQ(timeConstantFor(1.0f), 0.5);
    EXPECT_DOUBLE_EQ(timeConstantFor(0.5f), 0.05);

    EXPECT_EQ(driveTargetFor(1.0f), 128.0);
    EXPECT_EQ(driveTargetFor(0.0f), 0.125);
    EXPECT_EQ(driveTargetFor(0.5f), 0.125 * std::pow(1024.0, 25 / 40.0));

    EXPECT_EQ(outputGainTargetFor(1.0f), 31.622776601683793);
    EXPECT_EQ(outputGainTargetFor(0.0f), 1.0);
    EXPECT_EQ(outputGainTargetFor(0.5f), std::pow(31.622776601683793, 0.5));
    EXPECT_NEAR(outputGainTargetFor(0.5f), std::pow(10.0, 0.75), 1e-12);
}

// Every Compression step is a quarter octave: 2^(s/4 - 3) for s = 0..40.
TEST(ParameterModel, DriveStepsAreQuarterOctaves)
{
    for (int s = 0; s <= 40; ++s) {
        float v = static_cast<float>(std::pow(s / 40.0, 1.0 / 0.7071));
        EXPECT_NEAR(driveTargetFor(v), std::pow(2.0, s / 4.0 - 3.0), 1e-12 * std::pow(2.0, s / 4.0)) << s;
    }
}

TEST(ParameterModel, FormatFixed)
{
    struct Case {
        float value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {10.0f, 2, "10.00"}, {0.125f, 2, "0.13"}, {-0.125f, 2, "-0.13"}, {2.5f, 0, "3"},  {0.0f, 2, "0.00"},
        {0.25f, 2, "0.25"},  {2.5f, 2, "2.50"},   {30.0f, 2, "30.00"},   {7.75f, 2, "7.75"}, {1234567.0f, 2, "1234567."},
    };
    for (const Case& c : cases) {
        char text[32] = "unchanged";
        formatFixed(c.value, c.decimals, text);
        EXPECT_STREQ(text, c.text) << c.value << " " << c.decimals;
    }
}

TEST(ParameterModel, FormatFixedWritesEveryDisplayValue)
{
    for (int quarter = 0; quarter <= 120; ++quarter) {
        char text[32];
        formatFixed(static_cast<float>(quarter * 0.25), 2, text);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%d.%02d", quarter / 4, (quarter % 4) * 25);
        EXPECT_STREQ(text, expected);
    }
}

TEST(ParameterModel, FormatFixedLeavesTextAloneBeyondItsRange)
{
    for (float value : {1e9f, -1e8f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        char text[32] = "unchanged";
        formatFixed(value, 2, text);
        EXPECT_STREQ(text, "unchanged") << value;
    }
}

TEST(ParameterModel, RoundToDecimals)
{
    EXPECT_EQ(roundToDecimals(0.125, 2), (12.5 + 1) * std::pow(0.1, 2));
    EXPECT_EQ(roundToDecimals(-0.125, 2), (-12.5 - 1) * std::pow(0.1, 2));
    EXPECT_EQ(roundToDecimals(0.12, 2), 0.12);
    EXPECT_EQ(roundToDecimals(2.5, 0), 3.5);
}
