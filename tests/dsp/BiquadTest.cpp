// The filter section: measured responses, bounds, held steps and the flush.
#include "Biquad.h"
#include "BiquadPair.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

using dsp::Biquad;

namespace {

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameState(const Biquad& a, const Biquad& b)
{
    const Biquad::History ha = a.history(), hb = b.history();
    return sameBits(ha.x1, hb.x1) && sameBits(ha.x2, hb.x2) && sameBits(ha.y1, hb.y1) && sameBits(ha.y2, hb.y2);
}

// Amplitude of the steady output for a unit sine: RMS over one whole second after one second of settling.
double measuredGain(Biquad section, double frequency, double rate)
{
    const double step = 6.283185307179586 * frequency / rate;
    const int second = static_cast<int>(rate);
    double energy = 0.0;
    for (int i = 0; i < 2 * second; ++i) {
        const double y = section.step(std::sin(step * i));
        if (i >= second)
            energy += y * y;
    }
    return std::sqrt(2.0 * energy / second);
}

bool isSubnormal(double v)
{
    return std::fpclassify(v) == FP_SUBNORMAL;
}

} // namespace

TEST(Biquad, LowpassSettlesToUnityWithinOneSecond)
{
    Biquad smoother(44100.0, Biquad::kLowpass, 2.0, 0.583);
    double y = 0.0;
    for (int i = 0; i < 44100; ++i)
        y = smoother.step(1.0);
    EXPECT_NEAR(y, 0.99997, 1e-5);
    EXPECT_NEAR(y, 1.0, 3e-5);
}

TEST(Biquad, MeterSmootherOvershootsAStepByHalfAPercent)
{
    Biquad smoother(44100.0, Biquad::kLowpass, 7.0 / 3.0, 0.583);
    double peak = 0.0;
    for (int i = 0; i < 4 * 44100; ++i)
        peak = std::max(peak, smoother.step(1.0));
    EXPECT_GT(peak, 1.004);
    EXPECT_LT(peak, 1.006);
}

TEST(Biquad, GainAtTheCornerEqualsQ)
{
    // Far below Nyquist the near-Nyquist term vanishes and the corner gain of both responses is q.
    EXPECT_NEAR(measuredGain(Biquad(44100.0, Biquad::kHighpass, 40.0, 0.3), 40.0, 44100.0), 0.3, 1e-3);
    EXPECT_NEAR(measuredGain(Biquad(48000.0, Biquad::kLowpass, 1000.0, 0.7), 1000.0, 48000.0), 0.7, 2e-3);
    EXPECT_NEAR(measuredGain(Biquad(44100.0, Biquad::kHighpass, 40.0, 0.3), 5000.0, 44100.0), 1.0, 2e-3);
    EXPECT_LT(measuredGain(Biquad(44100.0, Biquad::kHighpass, 40.0, 0.3), 5.0, 44100.0), 0.02);
}

TEST(Biquad, FrequencyIsBoundedBelowNyquist)
{
    Biquad section(44100.0, Biquad::kLowpass, 1000.0, 0.5);
    section.setFrequency(30000.0);
    EXPECT_DOUBLE_EQ(section.frequency(), 0.499 * 44100.0);
    EXPECT_NEAR(section.frequency(), 22005.9, 1e-9);
    const Biquad::Coefficients c = section.coefficients();
    for (double v : {c.b0, c.b1, c.b2, c.a1, c.a2})
        EXPECT_TRUE(std::isfinite(v));
}

TEST(Biquad, SampleRateOutsideTheRangeOnlyChangesTheBound)
{
    Biquad highpass(44100.0, Biquad::kHighpass, 40.0, 0.3);
    highpass.setSampleRate(8000.0);
    const Biquad fresh(8000.0, Biquad::kHighpass, 40.0, 0.3);
    EXPECT_EQ(highpass.sampleRate(), 8000.0);
    const Biquad::Coefficients a = highpass.coefficients(), b = fresh.coefficients();
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);

    Biquad wide(250000.0, Biquad::kLowpass, 10.0, 0.5);
    wide.setFrequency(120000.0);  // 0.499 x 250000 leaves it alone
    EXPECT_EQ(wide.frequency(), 120000.0);
    wide.setSampleRate(250000.0);
    EXPECT_NEAR(wide.frequency(), 22005.9, 1e-9);
    EXPECT_EQ(wide.sampleRate(), 250000.0);
}

TEST(Biquad, SampleRateChangeKeepsHistory)
{
    Biquad section(44100.0, Biquad::kLowpass, 100.0, 0.5);
    section.step(0.5);
    section.step(0.25);
    const Biquad::History before = section.history();
    section.setSampleRate(96000.0);
    section.setFrequency(200.0);
    section.setQ(0.7);
    section.setLowpassCutoff(300.0);
    const Biquad::History after = section.history();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    section.reset();
    const Biquad::History cleared = section.history();
    EXPECT_EQ(cleared.x1 + cleared.x2 + cleared.y1 + cleared.y2, 0.0);
}

TEST(Biquad, LowpassCutoffIsBoundedButStoredAsGiven)
{
    struct Case {
        double given, used;
    } cases[] = {{0.0, 0.001}, {-5.0, 0.001}, {1e6, 0.499 * 44100.0}, {250.0, 250.0}};
    for (const Case& c : cases) {
        Biquad given(44100.0, Biquad::kLowpass, 1.0, 0.1);
        Biquad used(44100.0, Biquad::kLowpass, 1.0, 0.1);
        given.setLowpassCutoff(c.given);
        used.setLowpassCutoff(c.used);
        EXPECT_EQ(given.frequency(), c.given);
        const Biquad::Coefficients a = given.coefficients(), b = used.coefficients();
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << c.given;
    }
}

TEST(Biquad, LowpassCutoffOnAHighpassGivesLowpassCoefficients)
{
    Biquad section(44100.0, Biquad::kHighpass, 40.0, 0.3);
    section.setLowpassCutoff(500.0);
    EXPECT_NEAR(measuredGain(section, 5.0, 44100.0), 1.0, 1e-3);
}

TEST(Biquad, HeldStepsMatchSingleSteps)
{
    for (double x : {0.0, 1e-3, 0.8, -2.5}) {
        Biquad held(44100.0, Biquad::kLowpass, 300.0, 0.1);
        held.step(0.3);
        held.step(-0.7);
        Biquad single = held;
        const double a = held.stepHeld4(x);
        double b = 0.0;
        for (int i = 0; i < 4; ++i)
            b = single.step(x);
        EXPECT_TRUE(sameBits(a, b)) << x;
        EXPECT_TRUE(sameState(held, single)) << x;
    }
}

// The step that skips the flush for large magnitudes must agree bit for bit with the plain step: at every
// value within a few thousand spacings of the powers of two from 2^-3 down to 2^-12 (the flush starts to
// move values near 2^-8, so a bound set too low fails here), and through a section's whole decay from a
// loud level into the flush's range (also with held inputs).
TEST(Biquad, SmoothStepsMatchSteps)
{
    Biquad pass(44100.0, Biquad::kLowpass, 300.0, 0.1);
    pass.setCoefficients({1.0, 0.0, 0.0, 0.0, 0.0});  // y = x
    std::vector<double> probes = {0.0, 1e-20, -3e-19, 1e-17, 1e-300, NAN, INFINITY, -INFINITY};
    for (int k = 3; k <= 12; ++k)
        for (double sign : {1.0, -1.0}) {
            double v = sign * std::ldexp(1.0, -k), w = v;
            for (int i = 0; i < 3000; ++i) {
                probes.push_back(v = std::nextafter(v, 0.0));
                probes.push_back(w = std::nextafter(w, sign * 1.0));
            }
        }
    for (double x : probes) {
        Biquad a = pass, b = pass;
        EXPECT_TRUE(sameBits(a.stepSmooth(x), b.step(x))) << x;
    }
    Biquad plain(44100.0, Biquad::kLowpass, 30.0, 0.1);
    Biquad smooth = plain;
    for (int i = 0; i < 44100; ++i) {
        const double x = i < 4410 ? (i % 7) * 0.3 - 0.5 : 0.0;
        double a = 0.0, b = 0.0;
        if (i % 3 == 0) {
            a = smooth.stepSmoothHeld4(x);
            b = plain.stepHeld4(x);
        } else {
            a = smooth.stepSmooth(x);
            b = plain.step(x);
        }
        ASSERT_TRUE(sameBits(a, b)) << i;
        ASSERT_TRUE(sameState(smooth, plain)) << i;
    }
}

// Two different sections in the lanes of one pair give the bits of each section stepped alone: through a
// loud passage, a decay into the flush's range, and non-numeric input in one lane only.
TEST(BiquadPair, EachLaneMatchesItsSectionSteppedAlone)
{
    Biquad first(44100.0, Biquad::kHighpass, 40.0, 0.3);
    Biquad second(44100.0, Biquad::kLowpass, 2.0, 0.5);
    first.step(0.25);
    second.step(-0.5);
    dsp::BiquadPair pair(first, second);
    for (int i = 0; i < 30000; ++i) {
        const double x = i < 3000 ? std::sin(i * 0.01) * 4.0 : (i < 29000 ? 0.0 : NAN);
        const double w = i < 3000 ? (i % 5) * 0.2 - 0.3 : 0.0;
        const dsp::DoublePair y = pair.step(dsp::DoublePair{x, w});
        ASSERT_TRUE(sameBits(y[0], first.step(x))) << i;
        ASSERT_TRUE(sameBits(y[1], second.step(w))) << i;
    }
    EXPECT_FALSE(isSubnormal(second.history().y1));
    Biquad firstBack = first, secondBack = second;
    firstBack.reset();
    secondBack.reset();
    pair.storeHistoryInto(firstBack, secondBack);
    EXPECT_TRUE(sameState(firstBack, first));
    EXPECT_TRUE(sameState(secondBack, second));
}

TEST(Biquad, LongSilenceNeverGoesDenormal)
{
    // Every section configuration the signal path uses, after a loud impulse.
    Biquad sections[] = {
        Biquad(44100.0, Biquad::kLowpass, 7.0 / 3.0, 0.583), Biquad(44100.0, Biquad::kLowpass, 5.0, 0.5),
        Biquad(44100.0, Biquad::kLowpass, 2.0, 0.5),         Biquad(44100.0, Biquad::kLowpass, 107.0, 0.1),
        Biquad(192000.0, Biquad::kHighpass, 40.0, 0.3),      Biquad(44100.0, Biquad::kHighpass, 40.0, 0.3),
    };
    for (Biquad& section : sections) {
        section.step(1000.0);
        double last = 1.0;
        for (int i = 0; i < 60 * 44100; ++i) {
            last = section.step(0.0);
            ASSERT_FALSE(isSubnormal(last)) << i;
        }
        const Biquad::History h = section.history();
        for (double v : {h.x1, h.x2, h.y1, h.y2})
            EXPECT_FALSE(isSubnormal(v));
        // The flush quantises to steps of about 2e-34; the section settles at a tiny constant or 0.
        EXPECT_LT(std::fabs(last), 1e-26);
    }
}
