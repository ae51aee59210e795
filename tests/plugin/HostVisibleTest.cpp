// What a host sees of the built plug-in binary, loaded through its entry point.
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using testsupport::loadPlugin;
using vsthost::HostCall;

namespace {

constexpr VstInt32 kExpectedFlags =
    effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks | effFlagsCanDoubleReplacing;

VstSpeakerArrangement arrangement(int channels)
{
    VstSpeakerArrangement result{};
    result.numChannels = channels;
    result.type = 12345;  // types are ignored; only counts matter
    return result;
}

} // namespace

TEST(HostVisible, RecordAfterEntryPoint)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    AEffect* e = plugin->effect();
    EXPECT_EQ(e->magic, kEffectMagic);
    EXPECT_EQ(e->numPrograms, 1);
    EXPECT_EQ(e->numParams, 12);
    EXPECT_EQ(e->numInputs, 2);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, kExpectedFlags);
    EXPECT_EQ(e->uniqueID, ('Q' << 24) | ('G' << 16) | ('W' << 8) | 'K');
    EXPECT_EQ(e->version, 1);
    EXPECT_EQ(e->initialDelay, 0);
    EXPECT_EQ(e->ioRatio, 1.0f);
    EXPECT_EQ(e->realQualities, 0);
    EXPECT_EQ(e->offQualities, 0);
    EXPECT_NE(e->object, nullptr);
    EXPECT_EQ(e->user, nullptr);
    EXPECT_NE(e->process, nullptr);
    EXPECT_NE(e->processReplacing, nullptr);
    EXPECT_NE(e->processDoubleReplacing, nullptr);
    EXPECT_EQ(e->resvd2, 0);
    for (char c : e->future)
        EXPECT_EQ(c, 0);
}

TEST(HostVisible, CallbacksDuringEntryPoint)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    std::vector<HostCall> calls = plugin->host().calls();
    // Reading the stored default bank selects program 0 before its checks, then the
    // constructor selects it again: two rounds of refresh and edit notices.
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_TRUE(calls[0].effectWasNull);
    EXPECT_EQ(calls[1].opcode, audioMasterVersion);
    EXPECT_TRUE(calls[1].effectWasNull);
    for (std::size_t first : {2u, 5u}) {
        EXPECT_EQ(calls[first].opcode, audioMasterUpdateDisplay);
        EXPECT_EQ(calls[first + 1].opcode, audioMasterBeginEdit);
        EXPECT_EQ(calls[first + 1].index, 0);
        EXPECT_EQ(calls[first + 2].opcode, audioMasterEndEdit);
        EXPECT_EQ(calls[first + 2].index, 0);
    }
}

TEST(HostVisible, HostAnsweringVersionZeroGetsNoEffect)
{
    std::string error;
    auto library = vsthost::PluginLibrary::open(testsupport::pluginPath(), error);
    ASSERT_TRUE(library) << error;
    vsthost::HostSettings settings;
    settings.versionAnswer = 0;
    vsthost::Host host(settings);
    EXPECT_EQ(host.instantiate(*library), nullptr);
    ASSERT_EQ(host.calls().size(), 1u);
    EXPECT_EQ(host.calls()[0].opcode, audioMasterVersion);
}

TEST(HostVisible, NumericDispatcherAnswers)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    struct Case {
        VstInt32 opcode;
        VstInt32 index;
        VstIntPtr value;
        VstIntPtr expected;
    };
    const Case cases[] = {
        {effOpen, 0, 0, 0},
        {effGetProgram, 0, 0, 0},
        {effIdentify, 0, 0, ('N' << 24) | ('v' << 16) | ('E' << 8) | 'f'},
        {effProcessEvents, 0, 0, 0},
        {effCanBeAutomated, 0, 0, 1},
        {effCanBeAutomated, 11, 0, 1},
        {effCanBeAutomated, 500, 0, 1},
        {effCanBeAutomated, -1, 0, 1},
        {effString2Parameter, 2, 0, 0},
        {effGetPlugCategory, 0, 0, kPlugCategMastering},
        {effOfflineNotify, 0, 0, 0},
        {effOfflinePrepare, 0, 0, 0},
        {effOfflineRun, 0, 0, 0},
        {effProcessVarIo, 0, 0, 0},
        {effSetBypass, 0, 1, 0},
        {effGetVendorVersion, 0, 0, 1200},
        {effVendorSpecific, 0, 0, 0},
        {effGetTailSize, 0, 0, 0},
        {effGetParameterProperties, 0, 0, 0},
        {effGetVstVersion, 0, 0, 2400},
        {effEditGetRect, 0, 0, 0},
        {effEditOpen, 0, 0, 0},
        {effEditKeyDown, 'a', 0, 0},
        {effEditKeyUp, 'a', 0, 0},
        {effSetEditKnobMode, 0, 2, 0},
        {effGetMidiProgramName, 0, 0, 0},
        {effGetCurrentMidiProgram, 0, 0, -1},
        {effGetMidiProgramCategory, 0, 0, 0},
        {effHasMidiProgramsChanged, 0, 0, 0},
        {effGetMidiKeyName, 0, 0, 0},
        {effBeginSetProgram, 0, 0, 0},
        {effEndSetProgram, 0, 0, 0},
        {effShellGetNextPlugin, 0, 0, 0},
        {effStartProcess, 0, 0, 0},
        {effStopProcess, 0, 0, 0},
        {effSetTotalSampleToProcess, 0, 12345, 12345},
        {effSetPanLaw, 0, 0, 0},
        {effSetProcessPrecision, 0, 1, 0},
        {effGetNumMidiInputChannels, 0, 0, 0},
        {effGetNumMidiOutputChannels, 0, 0, 0},
        {9999, 0, 0, 0},
        {-7, 0, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plugin->dispatch(c.opcode, c.index, c.value), c.expected) << "opcode " << c.opcode;
}

TEST(HostVisible, NamesAndVendor)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    char buffer[64];
    std::memset(buffer, 0x7F, sizeof buffer);
    EXPECT_EQ(plugin->dispatch(effGetEffectName, 0, 0, buffer), 1);
    EXPECT_STREQ(buffer, "Quorvel Graywick");
    EXPECT_EQ(plugin->dispatch(effGetProductString, 0, 0, buffer), 1);
    EXPECT_STREQ(buffer, "Quorvel Graywick - opto compressor");
    EXPECT_EQ(plugin->dispatch(effGetVendorString, 0, 0, buffer), 1);
    EXPECT_EQ(std::strlen(buffer), 16u);
}

TEST(HostVisible, PinProperties)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    struct Case {
        VstInt32 opcode;
        VstInt32 index;
        const char* label;  // null: refused
    };
    const Case cases[] = {
        {effGetInputProperties, 0, "Quorvel Graywick 1 In"},  {effGetInputProperties, 3, "Quorvel Graywick 4 In"},
        {effGetInputProperties, 4, nullptr},                   {effGetInputProperties, -1, nullptr},
        {effGetOutputProperties, 0, "Quorvel Graywick 1 Out"}, {effGetOutputProperties, 1, "Quorvel Graywick 2 Out"},
        {effGetOutputProperties, 2, nullptr},
    };
    for (const Case& c : cases) {
        VstPinProperties pin;
        std::memset(&pin, 0x5A, sizeof pin);
        VstPinProperties untouched = pin;
        VstIntPtr result = plugin->dispatch(c.opcode, c.index, 0, &pin);
        if (!c.label) {
            EXPECT_EQ(result, 0) << c.index;
            EXPECT_EQ(std::memcmp(&pin, &untouched, sizeof pin), 0) << c.index;
            continue;
        }
        EXPECT_EQ(result, 1);
        EXPECT_STREQ(pin.label, c.label);
        EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
        // Everything past the label's terminator and the flags stays as the host passed it.
        EXPECT_EQ(pin.arrangementType, untouched.arrangementType);
        EXPECT_EQ(std::memcmp(pin.shortLabel, untouched.shortLabel, sizeof pin.shortLabel), 0);
        EXPECT_EQ(std::memcmp(pin.future, untouched.future, sizeof pin.future), 0);
    }
}

TEST(HostVisible, CanDo)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    for (const char* yes : {"offline", "plugAsChannelInsert", "mixDryWet", "1in1out", "1in2out", "2in2out"})
        EXPECT_EQ(plugin->canDo(yes), 1) << yes;
    for (const char* no : {"Offline", "receiveVstMidiEvent", "2in1out", "bypass", "", "2in2out "})
        EXPECT_EQ(plugin->canDo(no), 0) << no;
}

TEST(HostVisible, GetSpeakerArrangementClearsBothPointers)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    VstSpeakerArrangement dummy{};
    VstSpeakerArrangement* input = &dummy;
    VstSpeakerArrangement* output = &dummy;
    EXPECT_EQ(plugin->dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output), 0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
}

// The arrangement decides which buffers feed the right channel; an Off block shows it bit for bit.
TEST(HostVisible, SpeakerArrangementsChooseChannels)
{
    struct Case {
        int ins, outs;
        VstIntPtr result;
        char rightOutput;  // 'L' or 'R': the input it copies; '-': a mono output leaves it untouched
    };
    const Case cases[] = {
        {1, 1, 1, '-'}, {1, 2, 1, 'L'}, {2, 2, 1, 'R'}, {2, 1, 0, 'R'}, {3, 2, 0, 'R'}, {0, 0, 0, 'R'},
    };
    for (const Case& c : cases) {
        auto plugin = loadPlugin();
        ASSERT_TRUE(plugin);
        VstSpeakerArrangement in = arrangement(c.ins), out = arrangement(c.outs);
        EXPECT_EQ(plugin->dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out), c.result);
        plugin->setParameter(0, 0.0f);  // Off
        plugin->start(48000.0f, 4);
        float left[4] = {0.1f, 0.2f, 0.3f, 0.4f}, right[4] = {-0.5f, -0.6f, -0.7f, -0.8f};
        float outLeft[4] = {}, outRight[4] = {};
        float* inputs[2] = {left, right};
        float* outputs[2] = {outLeft, outRight};
        plugin->process(inputs, outputs, 4);
        const float untouched[4] = {};
        const float* expectedRight = c.rightOutput == 'R' ? right : c.rightOutput == 'L' ? left : untouched;
        EXPECT_EQ(std::memcmp(outLeft, left, sizeof left), 0) << c.ins << "->" << c.outs;
        EXPECT_EQ(std::memcmp(outRight, expectedRight, sizeof right), 0) << c.ins << "->" << c.outs;
    }
}

TEST(HostVisible, NullPointersAreRefused)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    for (VstInt32 opcode : {effSetProgramName, effGetProgramName, effGetParamLabel, effGetParamDisplay,
                            effGetParamName, effEditGetRect, effGetChunk, effString2Parameter,
                            effGetProgramNameIndexed, effGetInputProperties, effGetOutputProperties,
                            effSetSpeakerArrangement, effGetSpeakerArrangement, effGetEffectName, effGetVendorString,
                            effGetProductString, effCanDo, effGetParameterProperties, effBeginLoadBank,
                            effBeginLoadProgram})
        EXPECT_EQ(plugin->dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, 2408, nullptr), -1);
    EXPECT_EQ(plugin->programName(), "Current");
}

TEST(HostVisible, SetProgramIsIgnored)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    for (VstIntPtr program : {0, 5, -1, 40}) {
        EXPECT_EQ(plugin->dispatch(effSetProgram, 0, program), 0);
        EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
        EXPECT_EQ(plugin->programName(), "Current");
        EXPECT_EQ(plugin->getParameter(2), 0.5f);
        EXPECT_EQ(plugin->getParameter(6), 0.0f);
    }
}

TEST(HostVisible, CloseReturnsOne)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->close(), 1);
}
