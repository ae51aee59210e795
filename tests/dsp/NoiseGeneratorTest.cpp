// The detector noise: its first draws from the fixed seeds and its range.
#include "NoiseGenerator.h"

#include <gtest/gtest.h>

TEST(NoiseGenerator, FirstDrawsFromTheSeeds)
{
    dsp::NoiseGenerator words;
    EXPECT_EQ(words.nextWord(), 2166752657u);
    EXPECT_EQ(words.nextWord(), 433761069u);

    dsp::NoiseGenerator noise;
    EXPECT_NEAR(noise.next(), 8.97e-13, 0.01e-13);
    EXPECT_NEAR(noise.next(), -7.98e-11, 0.01e-11);
}

TEST(NoiseGenerator, StaysWithinTenToTheMinusTen)
{
    dsp::NoiseGenerator noise;
    double low = 0.0, high = 0.0, sum = 0.0;
    const int draws = 1000000;
    for (int i = 0; i < draws; ++i) {
        const double n = noise.next();
        ASSERT_GE(n, -1e-10);
        ASSERT_LT(n, 1e-10);
        low = std::min(low, n);
        high = std::max(high, n);
        sum += n;
    }
    EXPECT_LT(low, -0.99e-10);
    EXPECT_GT(high, 0.99e-10);
    EXPECT_NEAR(sum / draws, 0.0, 1e-12);
}
