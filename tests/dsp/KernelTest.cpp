// The kernels on the signal-path state directly: detector timing, floor, glides, sample types, bad input.
#include "Kernels.h"
#include "RatioCurves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr double kRate = 44100.0;

struct KernelFixture : ::testing::Test {
    dsp::SignalPath path;
    dsp::WorkingValues values;

    void SetUp() override
    {
        values.processMode = dsp::kModeClear;
        values.ratioIndex = 3;
        values.timeConstant = 0.05;
        values.driveTarget = 1.0;
        values.outputGainTarget = 1.0;
        prepare(path);
    }

    // As the effect leaves it: meter warmed up, suspended, resumed at the test rate.
    void prepare(dsp::SignalPath& p)
    {
        p.warmUpMeter();
        p.suspend(values);
        p.resume(kRate, values);
    }

    template <typename Sample>
    void stereo(std::vector<Sample>& left, std::vector<Sample>& right)
    {
        dsp::BlockChannels<Sample> io{left.data(), right.data(), left.data(), right.data()};
        dsp::processStereoBlock(path, values, io, static_cast<int>(left.size()));
    }

    template <typename Sample>
    void mono(std::vector<Sample>& in, std::vector<Sample>& outLeft, std::vector<Sample>& outRight)
    {
        dsp::BlockChannels<Sample> io{in.data(), in.data(), outLeft.data(), outRight.data()};
        dsp::processMonoBlock(path, values, io, static_cast<int>(in.size()));
    }
};

std::vector<double> sine(double frequency, double amplitude, int frames, int offset = 0)
{
    std::vector<double> out(frames);
    for (int i = 0; i < frames; ++i)
        out[i] = amplitude * std::sin(6.283185307179586 * frequency * (i + offset) / kRate);
    return out;
}

bool isSubnormal(double v)
{
    return std::fpclassify(v) == FP_SUBNORMAL;
}

void expectNoSubnormalState(const dsp::SignalPath& path)
{
    for (const dsp::Biquad* s : {&path.meterSmoother, &path.fastSmoother, &path.slowSmoother, &path.envelopeFilter,
                                 &path.sidechainHighpassL, &path.sidechainHighpassR}) {
        const dsp::Biquad::History h = s->history();
        for (double v : {h.x1, h.x2, h.y1, h.y2})
            EXPECT_FALSE(isSubnormal(v));
    }
    for (double v : {path.drive, path.outputGain, path.envelope, path.meter()})
        EXPECT_FALSE(isSubnormal(v));
}

} // namespace

TEST_F(KernelFixture, SteadySignalSetsTheEnvelopeCutoffFromTime)
{
    struct Case {
        double timeConstant, cutoff;
    } cases[] = {{0.005, 107.33}, {0.05, 10.733}, {0.5, 1.0733}};
    for (const Case& c : cases) {
        SetUp();
        values.timeConstant = c.timeConstant;
        std::vector<double> left = sine(1000.0, 0.3, 3 * 44100), right = left;
        stereo(left, right);
        // In a steady signal the fast and slow detectors agree: (0.8 / 1.2 + 0.1) x 0.7 / time.
        EXPECT_NEAR(path.envelopeFilter.frequency(), c.cutoff, c.cutoff * 0.01) << c.timeConstant;
    }
}

TEST_F(KernelFixture, SilenceRestsOnTheFloorWithoutDenormals)
{
    std::vector<double> left = sine(200.0, 0.9, 22050), right = left;
    stereo(left, right);
    const double inverseDrive = 1.0, outputGain = 1.0;
    const double floorGain = dsp::curveGain(3, std::sqrt(0.001));
    for (int block = 0; block < 40; ++block) {
        std::vector<double> quietLeft(11025, 0.0), quietRight(11025, 0.0);
        stereo(quietLeft, quietRight);
        for (double v : quietLeft) {
            ASSERT_FALSE(isSubnormal(v));
            ASSERT_NE(v, 0.0);
        }
    }
    EXPECT_EQ(path.envelope, 0.001);
    std::vector<double> quietLeft(4410, 0.0), quietRight(4410, 0.0);
    stereo(quietLeft, quietRight);
    for (double v : quietLeft)
        EXPECT_LE(std::fabs(v), 1e-10 * floorGain * inverseDrive * outputGain * 1.001);
    EXPECT_NEAR(path.meter(), floorGain, 1e-9);
    expectNoSubnormalState(path);
}

TEST_F(KernelFixture, MonoSilenceAfterLongRunStaysNormal)
{
    std::vector<double> in = sine(80.0, 1.0, 44100), outLeft(in.size()), outRight(in.size());
    mono(in, outLeft, outRight);
    for (int second = 0; second < 30; ++second) {
        std::vector<double> quiet(44100, 0.0), l(quiet.size()), r(quiet.size());
        mono(quiet, l, r);
        for (double v : l)
            ASSERT_FALSE(isSubnormal(v));
    }
    EXPECT_EQ(path.envelope, 0.001);
    expectNoSubnormalState(path);
}

TEST_F(KernelFixture, MonoOutputsAreIdenticalInBothTypes)
{
    values.processMode = dsp::kModeValve;
    values.driveTarget = 16.0;
    std::vector<double> in = sine(300.0, 0.7, 8192), left(in.size()), right(in.size());
    mono(in, left, right);
    EXPECT_EQ(std::memcmp(left.data(), right.data(), left.size() * sizeof(double)), 0);
    std::vector<float> inF(in.begin(), in.end()), leftF(in.size()), rightF(in.size());
    mono(inF, leftF, rightF);
    EXPECT_EQ(std::memcmp(leftF.data(), rightF.data(), leftF.size() * sizeof(float)), 0);
}

// The mono kernel steps only the left side-chain high-pass; the right one keeps its history for stereo.
TEST_F(KernelFixture, MonoLeavesTheRightHighpassUntouched)
{
    std::vector<double> left = sine(200.0, 0.5, 1000), right = sine(90.0, 0.4, 1000);
    stereo(left, right);
    const dsp::Biquad::History before = path.sidechainHighpassR.history();
    std::vector<double> in = sine(300.0, 0.7, 4096), outLeft(in.size()), outRight(in.size());
    mono(in, outLeft, outRight);
    const dsp::Biquad::History after = path.sidechainHighpassR.history();
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    EXPECT_NE(path.sidechainHighpassL.history().x1, 0.0);
}

TEST_F(KernelFixture, FloatVariantRoundsTheDoubleResultOnce)
{
    values.driveTarget = 8.0;
    prepare(path);
    std::vector<double> left = sine(220.0, 0.5, 4096), right = sine(330.0, 0.25, 4096);
    for (double& v : left)
        v = static_cast<float>(v);
    for (double& v : right)
        v = static_cast<float>(v);
    std::vector<float> leftF(left.begin(), left.end()), rightF(right.begin(), right.end());
    dsp::SignalPath twin;
    prepare(twin);
    stereo(left, right);
    dsp::processStereoBlock(twin, values, dsp::BlockChannels<float>{leftF.data(), rightF.data(), leftF.data(), rightF.data()},
                            static_cast<int>(leftF.size()));
    for (std::size_t i = 0; i < left.size(); ++i) {
        ASSERT_EQ(leftF[i], static_cast<float>(left[i])) << i;
        ASSERT_EQ(rightF[i], static_cast<float>(right[i])) << i;
    }
}

TEST_F(KernelFixture, StereoChannelsShareOneGain)
{
    values.driveTarget = 32.0;
    path.drive = 32.0;
    std::vector<double> left = sine(500.0, 0.5, 16384), right = left;
    for (double& v : right)
        v *= -0.25;
    const std::vector<double> inLeft = left, inRight = right;
    stereo(left, right);
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::fabs(inLeft[i]) < 0.05)
            continue;
        const double gainLeft = left[i] / inLeft[i], gainRight = right[i] / inRight[i];
        ASSERT_NEAR(gainLeft, gainRight, 1e-8) << i;
        if (i > 8192) {
            ASSERT_LT(gainLeft, 0.5) << i;
        }
    }
}

TEST_F(KernelFixture, CompressionGlidesATenthOfAPercentPerSample)
{
    values.driveTarget = 0.125;
    path.suspend(values);
    values.driveTarget = 128.0;
    values.outputGainTarget = 31.622776601683793;
    std::vector<double> left(1000, 0.0), right(1000, 0.0);
    stereo(left, right);
    const double remaining = std::pow(0.999, 1000);
    EXPECT_NEAR(path.drive, 128.0 - (128.0 - 0.125) * remaining, 1e-9);
    EXPECT_NEAR(path.outputGain, 31.622776601683793 - (31.622776601683793 - 1.0) * remaining, 1e-9);
    EXPECT_EQ(path.inverseDrive, 1 / path.drive);
}

TEST_F(KernelFixture, EmptyBlockOnlyClampsTheRatio)
{
    std::vector<double> left = sine(100.0, 0.5, 1000), right = left;
    stereo(left, right);
    const double drive = path.drive, envelope = path.envelope, meter = path.meter(), bias = path.denormalBias;
    const dsp::Biquad::History envelopeHistory = path.envelopeFilter.history();
    values.ratioIndex = 11;
    double unusedL = 7.0, unusedR = 7.0;
    dsp::processStereoBlock(path, values, dsp::BlockChannels<double>{&unusedL, &unusedR, &unusedL, &unusedR}, 0);
    EXPECT_EQ(values.ratioIndex.load(), 6);
    values.ratioIndex = -2;
    dsp::processMonoBlock(path, values, dsp::BlockChannels<double>{&unusedL, &unusedR, &unusedL, &unusedR}, -5);
    EXPECT_EQ(values.ratioIndex.load(), 0);
    EXPECT_EQ(unusedL, 7.0);
    EXPECT_EQ(unusedR, 7.0);
    EXPECT_EQ(path.drive, drive);
    EXPECT_EQ(path.envelope, envelope);
    EXPECT_EQ(path.meter(), meter);
    EXPECT_EQ(path.denormalBias, bias);
    const dsp::Biquad::History after = path.envelopeFilter.history();
    EXPECT_EQ(std::memcmp(&after, &envelopeHistory, sizeof after), 0);
}

TEST_F(KernelFixture, NonNumericInputReadsAsSilence)
{
    // The same block with the bad samples replaced by 0 must give the same bits, before and after them.
    const double bad[] = {NAN, INFINITY, -INFINITY};
    for (double value : bad) {
        dsp::SignalPath dirty, clean;
        prepare(dirty);
        prepare(clean);
        std::vector<double> left = sine(150.0, 0.6, 8000), right = sine(90.0, 0.4, 8000);
        std::vector<double> cleanLeft = left, cleanRight = right;
        for (int i : {100, 2000, 2001, 5000}) {
            left[i] = value;
            right[i + 1] = value;
            cleanLeft[i] = 0.0;
            cleanRight[i + 1] = 0.0;
        }
        dsp::processStereoBlock(dirty, values,
                                dsp::BlockChannels<double>{left.data(), right.data(), left.data(), right.data()}, 8000);
        dsp::processStereoBlock(clean, values,
                                dsp::BlockChannels<double>{cleanLeft.data(), cleanRight.data(), cleanLeft.data(),
                                                           cleanRight.data()},
                                8000);
        EXPECT_EQ(std::memcmp(left.data(), cleanLeft.data(), left.size() * sizeof(double)), 0) << value;
        EXPECT_EQ(std::memcmp(right.data(), cleanRight.data(), right.size() * sizeof(double)), 0) << value;
        EXPECT_GT(dirty.envelope, 0.01) << "compression continues after " << value;
    }
}

TEST_F(KernelFixture, OffPassesEveryBitAndRelaxesTheMeter)
{
    std::vector<double> driveIn = sine(100.0, 0.9, 20000), driveRight = driveIn;
    values.driveTarget = 64.0;
    stereo(driveIn, driveRight);
    ASSERT_LT(path.meter(), 0.8);
    const double envelope = path.envelope, drive = path.drive;
    std::vector<double> left = {1.5, -0.0, NAN, INFINITY, -INFINITY, 4.9e-324, 1e300};
    std::vector<double> right = {2.5, 3.5, -1e-310, 0.0, 7.0, -INFINITY, NAN};
    left.resize(44100 * 2, 0.25);
    right.resize(left.size(), -0.25);
    std::vector<double> outLeft(left.size()), outRight(left.size());
    dsp::passThroughBlock(path, dsp::BlockChannels<double>{left.data(), right.data(), outLeft.data(), outRight.data()},
                          static_cast<int>(left.size()));
    EXPECT_EQ(std::memcmp(outLeft.data(), left.data(), left.size() * sizeof(double)), 0);
    EXPECT_EQ(std::memcmp(outRight.data(), right.data(), right.size() * sizeof(double)), 0);
    EXPECT_NEAR(path.meter(), 1.0, 1e-3);
    EXPECT_EQ(path.envelope, envelope);
    EXPECT_EQ(path.drive, drive);
}
