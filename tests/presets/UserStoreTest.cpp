// Stored defaults, memories and recent paths, shared by instances through the per-user store.
#include "PresetTestSupport.h"
#include "CNewFileSelector.h"
#include "PluginUnderTest.h"
#include "UserStore.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace presettest;

namespace {

class StoredDefaults : public ::testing::Test {
protected:
    void TearDown() override { qgui::CNewFileSelector::setTestAnswer(nullptr); }

    IsolatedUserStore store;
};

bool sameRecord(const ProgramRecord& a, const ProgramRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void writeRawValue(const char* name, const std::vector<unsigned char>& bytes)
{
    UserStoreKey key(UserStoreKey::Access::write);
    ASSERT_TRUE(key.isOpen());
    key.setBinary(name, bytes.data(), bytes.size());
}

} // namespace

TEST_F(StoredDefaults, NothingStoredGivesTheFactoryBank)
{
    auto plugin = makePlugin();
    EXPECT_EQ(plugin->currentProgramIndex(), 0);
    EXPECT_EQ(programName(*plugin, 0), "Current");
    EXPECT_EQ(programName(*plugin, 12), "Hats Smasher");
    EXPECT_EQ(plugin->getParameter(kProcess), 1.0f);
    EXPECT_EQ(plugin->getParameter(kOutput), 0.0f);
    CPresetSystemEditor& editor = editorOf(*plugin);
    EXPECT_STREQ(editor.getCurrentDirectory(), "") << "no stored directory empties the start directory";
    EXPECT_STREQ(editor.getCurrentBankFile(), "");
    EXPECT_STREQ(editor.getCurrentPresetFile(), "");
}

TEST_F(StoredDefaults, MemoryAcrossTwoInstances)
{
    auto first = makePlugin();
    auto second = makePlugin();
    first->selectProgram(13);
    first->setParameter(kTime, 0.9f);
    editorOf(*first).storeMemoA();
    first->selectProgram(26);
    editorOf(*first).storeMemoB();

    second->selectProgram(4);
    editorOf(*second).recallMemoA();
    EXPECT_TRUE(sameRecord(second->programRecord(4), first->programRecord(13)));
    EXPECT_EQ(programName(*second, 4), "Kick Fattener");
    EXPECT_EQ(second->getParameter(kTime), 0.9f);

    second->selectProgram(5);
    editorOf(*second).recallMemoB();
    EXPECT_EQ(programName(*second, 5), "Punchy Kick");
    // Recalling leaves the memory as it was.
    second->selectProgram(6);
    editorOf(*second).recallMemoA();
    EXPECT_EQ(programName(*second, 6), "Kick Fattener");
}

TEST_F(StoredDefaults, UnstoredOrDamagedMemoryChangesNothing)
{
    auto plugin = makePlugin();
    plugin->selectProgram(18);
    const ProgramRecord before = plugin->programRecord(18);
    editorOf(*plugin).recallMemoA();
    editorOf(*plugin).recallMemoB();
    EXPECT_TRUE(sameRecord(plugin->programRecord(18), before));

    plugin->selectProgram(3);
    std::vector<unsigned char> image = presetImage(editorOf(*plugin));
    plugin->selectProgram(18);
    std::vector<unsigned char> longer = image;
    longer.push_back(0);
    writeRawValue("MemoA", longer);
    editorOf(*plugin).recallMemoA();
    EXPECT_TRUE(sameRecord(plugin->programRecord(18), before)) << "a value larger than an image";

    std::vector<unsigned char> nan = image;
    writeWord(nan.data(), 29, 0x7fc00000);
    writeRawValue("MemoA", nan);
    editorOf(*plugin).recallMemoA();
    EXPECT_TRUE(sameRecord(plugin->programRecord(18), before)) << "NaN";

    writeRawValue("MemoA", std::vector<unsigned char>(image.begin(), image.begin() + 12));
    editorOf(*plugin).recallMemoA();
    EXPECT_EQ(programName(*plugin, 18), "Compres") << "a shorter value is judged like a short file";
}

TEST_F(StoredDefaults, DefaultPresetAndBankAtTheNextConstruction)
{
    {
        auto plugin = makePlugin();
        plugin->selectProgram(12);
        editorOf(*plugin).storeDefaultPreset();
        plugin->selectProgram(7);
        plugin->renameCurrentProgram("Bank default seven");
        editorOf(*plugin).storeDefaultBank();
    }
    {
        auto plugin = makePlugin();
        EXPECT_EQ(programName(*plugin, 0), "Hats Smasher");
        EXPECT_EQ(plugin->getParameter(kOutput), 0.425f);
        EXPECT_EQ(programName(*plugin, 12), "Hats Smasher");
        EXPECT_EQ(programName(*plugin, 7), "Bank default seven");
        EXPECT_EQ(plugin->currentProgramIndex(), 0);
    }
    // The built binary reads the same store.
    {
        auto hosted = testsupport::loadPlugin();
        ASSERT_TRUE(hosted);
        EXPECT_EQ(hosted->programName(), "Hats Smasher");
        EXPECT_EQ(hosted->programNameIndexed(7), "Bank default seven");
        EXPECT_EQ(hosted->getParameter(kOutput), 0.425f);
    }
    {
        auto plugin = makePlugin();
        editorOf(*plugin).clearDefaultPreset();
        editorOf(*plugin).clearDefaultBank();
    }
    auto plugin = makePlugin();
    EXPECT_EQ(programName(*plugin, 0), "Current");
    EXPECT_EQ(programName(*plugin, 7), "CompressHeavy2");
    auto hosted = testsupport::loadPlugin();
    ASSERT_TRUE(hosted);
    EXPECT_EQ(hosted->programName(), "Current");
}

TEST_F(StoredDefaults, RecentPathsSurviveAndAreCut)
{
    TemporaryFolder folder;
    std::string separator(1, folder.withSeparator().back());
    std::string directory = folder.withSeparator() + std::string(254 - folder.path().size(), 'd') + separator;
    ASSERT_EQ(directory.size(), 256u);
    {
        auto plugin = makePlugin();
        qgui::CNewFileSelector::setTestAnswer([&](const qgui::CNewFileSelector&) { return directory + "b.qxb"; });
        editorOf(*plugin).loadBankFile(false);
        qgui::CNewFileSelector::setTestAnswer([&](const qgui::CNewFileSelector&) { return directory + "p.qxp"; });
        editorOf(*plugin).loadPresetFile(false);
    }
    {
        auto plugin = makePlugin();
        CPresetSystemEditor& editor = editorOf(*plugin);
        EXPECT_EQ(std::string(editor.getCurrentDirectory()), directory);
        EXPECT_STREQ(editor.getCurrentBankFile(), "b.qxb");
        EXPECT_STREQ(editor.getCurrentPresetFile(), "p.qxp");
    }

    // A stored text longer than the field and without terminator is cut at 256 characters.
#ifdef _WIN32
    std::vector<unsigned char> raw(300 * sizeof(wchar_t), 0);
    for (std::size_t i = 0; i < 300; ++i)
        raw[i * 2] = 'z';
#else
    std::vector<unsigned char> raw(300, 'z');
#endif
    writeRawValue("CurrDir", raw);
    auto plugin = makePlugin();
    EXPECT_EQ(std::string(editorOf(*plugin).getCurrentDirectory()), std::string(256, 'z'));
}
