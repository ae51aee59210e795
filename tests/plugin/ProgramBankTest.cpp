// The program bank behind the host's single program, on a linked effect with a recording host.
#include "Plugin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Call {
    VstInt32 opcode;
    VstInt32 index;
    float opt;
};
std::vector<Call> calls;

VstIntPtr VSTCALLBACK recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float opt)
{
    calls.push_back({opcode, index, opt});
    return opcode == audioMasterVersion ? 2400 : 0;
}

int count(VstInt32 opcode)
{
    int n = 0;
    for (const Call& call : calls)
        n += call.opcode == opcode;
    return n;
}

class ProgramBank : public ::testing::Test {
protected:
    void SetUp() override
    {
        plugin = std::make_unique<Plugin>(recordingHost);
        calls.clear();
    }
    std::unique_ptr<Plugin> plugin;
};

} // namespace

TEST_F(ProgramBank, FactoryTable)
{
    char name[kProgramNameLength + 1];
    readProgramName(plugin->programRecord(24), name);
    EXPECT_STREQ(name, "Vox");
    const ProgramRecord& vox = plugin->programRecord(24);
    EXPECT_EQ(vox.values[kProcess], 0.5f);
    EXPECT_EQ(vox.values[kTime], 0.35f);
    EXPECT_EQ(vox.values[kOutput], 0.1f);
    EXPECT_EQ(plugin->programRecord(13).values[kRatio], 5.0f / 6.0f);
    for (int program = 0; program < kNumPresetPrograms; ++program)
        for (int spare : {1, 3, 7, 8, 9, 10, 11})
            EXPECT_EQ(plugin->programRecord(program).values[spare], 0.0f);
}

TEST_F(ProgramBank, SelectAppliesValuesAndNotifiesHostOnce)
{
    plugin->selectProgram(12);  // "Hats Smasher"
    EXPECT_EQ(plugin->currentProgramIndex(), 12);
    EXPECT_EQ(plugin->getProgram(), 0);
    EXPECT_EQ(plugin->getParameter(kTime), 0.0f);
    EXPECT_EQ(plugin->getParameter(kCompression), 0.775f);
    EXPECT_EQ(plugin->ratioIndex(), 6);
    EXPECT_EQ(plugin->processMode(), kProcessValve);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].opcode, audioMasterUpdateDisplay);
    EXPECT_EQ(calls[1].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[1].index, 0);
    EXPECT_EQ(calls[2].opcode, audioMasterEndEdit);
    EXPECT_EQ(calls[2].index, 0);
}

TEST_F(ProgramBank, EditsLandInTheCurrentProgram)
{
    plugin->selectProgram(5);
    plugin->setParameter(kTime, 0.9f);
    plugin->setParameter(kSpare9, 0.3f);
    plugin->selectProgram(0);
    EXPECT_EQ(plugin->getParameter(kTime), 0.5f);
    EXPECT_EQ(plugin->getParameter(kSpare9), 0.0f);
    plugin->selectProgram(5);
    EXPECT_EQ(plugin->getParameter(kTime), 0.9f);
    EXPECT_EQ(plugin->getParameter(kSpare9), 0.3f);
    EXPECT_EQ(plugin->programRecord(5).values[kTime], 0.9f);
}

TEST_F(ProgramBank, StoredValuesAreClampedIntoTheProgram)
{
    plugin->setParameter(kTime, 1.7f);
    EXPECT_EQ(plugin->currentProgramRecord().values[kTime], 1.0f);
    plugin->setParameter(kRatio, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(plugin->currentProgramRecord().values[kRatio], 0.0f);
    plugin->setParameter(12, 0.5f);
    plugin->setParameter(-1, 0.5f);
    EXPECT_EQ(plugin->currentProgramRecord().values[kProcess], 1.0f);
}

// A record holding an out-of-range value (from a chunk or file) is clamped as it is applied.
TEST_F(ProgramBank, SelectingClampsStrayValues)
{
    plugin->programRecord(3).values[kOutput] = 7.0f;
    plugin->programRecord(3).values[kTime] = std::numeric_limits<float>::quiet_NaN();
    plugin->selectProgram(3);
    EXPECT_EQ(plugin->getParameter(kOutput), 1.0f);
    EXPECT_EQ(plugin->programRecord(3).values[kOutput], 1.0f);
    EXPECT_EQ(plugin->getParameter(kTime), 0.0f);
    EXPECT_EQ(plugin->timeConstant(), 0.005);
}

TEST_F(ProgramBank, RenameCurrentProgram)
{
    plugin->selectProgram(7);
    calls.clear();
    plugin->renameCurrentProgram("A name that is far longer than the field");
    char name[kProgramNameLength + 1];
    readProgramName(plugin->programRecord(7), name);
    EXPECT_STREQ(name, "A name that is far longe");
    EXPECT_EQ(count(audioMasterUpdateDisplay), 1);
    plugin->renameCurrentProgram(nullptr);
    readProgramName(plugin->programRecord(7), name);
    EXPECT_STREQ(name, "A name that is far longe");
    EXPECT_EQ(count(audioMasterUpdateDisplay), 2);
}

TEST_F(ProgramBank, NameOfExactlyTwentyFourCharactersHasNoTerminator)
{
    ProgramRecord record;
    std::memset(&record, 0x55, sizeof record);
    storeProgramName(record, "123456789012345678901234");
    EXPECT_EQ(std::memcmp(record.name, "123456789012345678901234", 24), 0);
    storeProgramName(record, "short");
    EXPECT_STREQ(record.name, "short");
    for (int i = 5; i < kProgramNameLength; ++i)
        EXPECT_EQ(record.name[i], 0);
}

TEST_F(ProgramBank, AutomatedChangeReachesHostAfterTheEffect)
{
    plugin->setParameterAutomated(kTime, 1.7f);
    EXPECT_EQ(plugin->getParameter(kTime), 1.0f);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterAutomate);
    EXPECT_EQ(calls[0].index, kTime);
    EXPECT_EQ(calls[0].opt, 1.7f) << "the host gets the value as passed, not clamped";
}
