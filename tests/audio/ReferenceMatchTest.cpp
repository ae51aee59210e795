// Whole rendered blocks from the loaded binary against the independent model, bit for bit.
#include "AudioRig.h"

using namespace audiotest;

namespace {

struct Case {
    Layout layout;
    bool doublePrecision;
    Settings settings;
    double rate;
};

// Blocks of irregular length, with parameter changes between them as a host's automation would make.
template <typename Sample>
void renderAndCompare(const Case& c)
{
    Rig rig(c.layout, c.rate, c.settings);
    ASSERT_TRUE(rig.loaded());
    std::vector<double> left, right;
    const int frames = static_cast<int>(c.rate * 3);
    testSignal(left, right, frames, c.rate, 0.8);
    std::vector<Sample> l = converted<Sample>(left), r = converted<Sample>(right);
    std::vector<Sample> el = l, er = r;
    const int blocks[] = {1, 7, 512, 300, 2048, 64};
    int offset = 0;
    for (int b = 0; offset < frames; ++b) {
        const int n = std::min(blocks[b % 6], frames - offset);
        if (b == 40) {
            rig.set(2, 1.0f);  // ratio 10:1
            rig.set(5, 0.9f);
        }
        if (b == 80) {
            rig.set(0, c.settings.process > 0.7f ? 0.5f : 1.0f);  // Clear <-> Valve
            rig.set(4, 0.0f);
            rig.set(6, 0.4f);
        }
        rig.run(l, r, el, er, offset, n);
        offset += n;
    }
    const std::string what = std::string(layoutName(c.layout)) + (c.doublePrecision ? " double" : " float");
    EXPECT_EQ(firstDifference(l, el), -1) << what;
    if (c.layout != Layout::MonoToMono) {
        EXPECT_EQ(firstDifference(r, er), -1) << what;
    }
    // The model is not trivially matched by a copy: the programme is reduced well below its input level.
    double lowestGain = 1.0;
    for (int i = 0; i < frames / 4; ++i)
        if (std::fabs(left[i]) > 0.3)
            lowestGain = std::min(lowestGain, std::fabs(static_cast<double>(l[i]) / left[i]));
    EXPECT_LT(lowestGain, 0.8) << what;
}

} // namespace

TEST(ReferenceMatch, KernelsMatchTheModelInEveryLayoutAndSampleType)
{
    const Settings clear{0.5f, 0.5f, 0.5f, 0.6f, 0.0f};
    const Settings valve{1.0f, 2.0f / 6.0f, 0.2f, 0.8f, 0.1f};
    const Case cases[] = {
        {Layout::Stereo, true, clear, 44100.0},
        {Layout::Stereo, false, valve, 48000.0},
        {Layout::Stereo, true, valve, 96000.0},
        {Layout::MonoToStereo, true, clear, 44100.0},
        {Layout::MonoToStereo, false, valve, 44100.0},
        {Layout::MonoToMono, true, valve, 44100.0},
        {Layout::StereoSecondInputUnplugged, false, clear, 48000.0},
        {Layout::Stereo, true, clear, 8000.0},
    };
    for (const Case& c : cases) {
        if (c.doublePrecision)
            renderAndCompare<double>(c);
        else
            renderAndCompare<float>(c);
    }
}

TEST(ReferenceMatch, SuspendAndResumeClearTheDetectorButNotTheNoise)
{
    Rig rig(Layout::Stereo, 44100.0, Settings{0.5f, 0.5f, 0.3f, 0.7f, 0.0f});
    ASSERT_TRUE(rig.loaded());
    std::vector<double> left, right;
    testSignal(left, right, 44100, 44100.0, 0.7);
    std::vector<double> el = left, er = right;
    rig.run(left, right, el, er, 0, 20000);
    rig.plugin->stop();
    rig.set(5, 0.2f);  // the new target is taken at once by resume
    rig.plugin->start(44100.0f, 512);
    rig.model.suspendAndResume();
    rig.run(left, right, el, er, 20000, 24100);
    EXPECT_EQ(firstDifference(left, el), -1);
    EXPECT_EQ(firstDifference(right, er), -1);
}
