// Parameters and programs as a host reaches them through the loaded binary.
#include "PluginUnderTest.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

using testsupport::loadPlugin;

TEST(HostParameters, NamesAndLabels)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    const char* const names[] = {"Process", " ", "Ratio", " ", "Time", "Compression", "Output", " ", " ", " ", " ", " "};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(plugin->parameterName(i), names[i]) << i;
        EXPECT_EQ(plugin->parameterLabel(i), " ") << i;
    }
    for (int i : {12, 100, -1}) {
        EXPECT_EQ(plugin->parameterName(i), " ");
        EXPECT_EQ(plugin->parameterLabel(i), " ");
        EXPECT_EQ(plugin->parameterDisplay(i), " ");
    }
}

TEST(HostParameters, ValuesAndDisplays)
{
    struct Case {
        int index;
        float value;
        float stored;
        const char* display;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {0, 0.24f, 0.24f, "Off"},   {0, 0.25f, 0.25f, "Clear"}, {0, 0.74f, 0.74f, "Clear"},
        {0, 0.75f, 0.75f, "Valve"}, {0, nan, 0.0f, "Off"},      {2, 0.5f, 0.5f, "3:1"},
        {2, 1.0f, 1.0f, "10:1"},    {2, 0.0f, 0.0f, "1.2:1"},   {2, 1.0f / 6, 1.0f / 6, "1.5:1"},
        {2, 0.3f, 0.3f, "2:1"},     {2, 0.7f, 0.7f, "4:1"},     {2, 5.0f / 6, 5.0f / 6, "6:1"},
        {6, 1.0f, 1.0f, "30.00"},   {6, 0.5f, 0.5f, "15.00"},   {6, 0.0f, 0.0f, "0.00"},
        {6, 0.01f, 0.01f, "0.50"},  {5, 1.0f, 1.0f, "10.00"},   {5, 0.0f, 0.0f, "0.00"},
        {5, 0.5f, 0.5f, "5.00"},    {5, 0.02f, 0.02f, "0.25"},  {4, 0.0f, 0.0f, "0.00"},
        {4, 1.0f, 1.0f, "10.00"},   {4, 0.5f, 0.5f, "5.00"},    {4, 0.125f, 0.125f, "1.50"},
        {4, 1.7f, 1.0f, "10.00"},   {4, -3.0f, 0.0f, "0.00"},   {4, nan, 0.0f, "0.00"},
        {9, 0.3f, 0.3f, " "},       {1, 2.0f, 1.0f, " "},
    };
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    for (const Case& c : cases) {
        plugin->setParameter(c.index, c.value);
        EXPECT_EQ(plugin->getParameter(c.index), c.stored) << c.index << " " << c.value;
        EXPECT_EQ(plugin->parameterDisplay(c.index), c.display) << c.index << " " << c.value;
    }
}

TEST(HostParameters, IndicesOutsideTheModelChangeNothing)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    float before[12];
    for (int i = 0; i < 12; ++i)
        before[i] = plugin->getParameter(i);
    for (int index : {12, 20, -1, 1 << 30})
        plugin->setParameter(index, 0.5f);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(plugin->getParameter(i), before[i]);
    EXPECT_EQ(plugin->getParameter(12), 0.0f);
    EXPECT_EQ(plugin->getParameter(-5), 0.0f);
}

// Texts never run past the sizes hosts allocate: sentinel bytes behind them survive.
TEST(HostParameters, TextsStayWithinTheirBuffers)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    struct Case {
        VstInt32 opcode;
        VstInt32 index;
        size_t limit;  // bytes including the terminator
    };
    plugin->setParameter(6, 1.0f);
    plugin->setParameter(2, 0.0f);
    const Case cases[] = {
        {effGetParamName, 5, 12},           {effGetParamDisplay, 6, 8},          {effGetParamDisplay, 2, 8},
        {effGetParamDisplay, 0, 8},         {effGetParamLabel, 3, 8},            {effGetProgramName, 0, 25},
        {effGetProgramNameIndexed, 11, 25}, {effGetEffectName, 0, kVstMaxEffectNameLen},
        {effGetVendorString, 0, 64},        {effGetProductString, 0, 64},
    };
    for (const Case& c : cases) {
        char buffer[128];
        std::memset(buffer, 0x7F, sizeof buffer);
        plugin->dispatch(c.opcode, c.index, 0, buffer);
        size_t length = std::strlen(buffer);
        EXPECT_LT(length, c.limit) << "opcode " << c.opcode;
        for (size_t i = c.limit; i < sizeof buffer; ++i)
            ASSERT_EQ(buffer[i], 0x7F) << "opcode " << c.opcode << " wrote byte " << i;
    }
}

TEST(HostPrograms, NewInstanceStartsOnProgramZero)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->programName(), "Current");
    const float expected[12] = {1.0f, 0, 0.5f, 0, 0.5f, 0.5f, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(plugin->getParameter(i), expected[i]) << i;
}

TEST(HostPrograms, IndexedNames)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->programNameIndexed(0), "Current");
    EXPECT_EQ(plugin->programNameIndexed(1), "Default");
    EXPECT_EQ(plugin->programNameIndexed(11), "Glue Things Together");
    EXPECT_EQ(plugin->programNameIndexed(32), "Bus Comp 3");
    for (VstInt32 index : {33, -1, 1000}) {
        char buffer[32];
        std::memset(buffer, 0x7F, sizeof buffer);
        EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, index, 0, buffer), 0);
        EXPECT_EQ(buffer[0], 0x7F);
    }
    char buffer[32] = {};
    EXPECT_EQ(plugin->dispatch(effGetProgramNameIndexed, 32, 7, buffer), 1) << "the category is ignored";
}

TEST(HostPrograms, RenamingKeepsTwentyFourCharacters)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    plugin->host().clearCalls();
    std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123";  // 30 characters
    plugin->dispatch(effSetProgramName, 0, 0, &longName[0]);
    EXPECT_EQ(plugin->programName(), longName.substr(0, 24));
    EXPECT_EQ(plugin->programNameIndexed(0), longName.substr(0, 24));

    std::string exact = "exactly twenty-four char";
    ASSERT_EQ(exact.size(), 24u);
    plugin->dispatch(effSetProgramName, 0, 0, &exact[0]);
    EXPECT_EQ(plugin->programName(), exact);

    std::string shorter = "Mine";
    plugin->dispatch(effSetProgramName, 0, 0, &shorter[0]);
    EXPECT_EQ(plugin->programName(), "Mine");
    EXPECT_TRUE(plugin->host().calls().empty()) << "renaming from the host requests no display update";
}
