// Preset and bank files through the file selector, answered by the test instead of a person.
#include "CNewFileSelector.h"
#include "LocalFiles.h"
#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>

using namespace presettest;
using qgui::CNewFileSelector;

namespace {

struct SelectorRequest {
    CNewFileSelector::Style style;
    std::string title;
    std::string initialDirectory;
    std::string defaultSaveName;
    std::vector<qgui::CFileExtension> extensions;
    std::optional<qgui::CFileExtension> defaultExtension;
};

class Files : public ::testing::Test {
protected:
    void SetUp() override
    {
        readWorkingDirectory(workingDirectory, sizeof workingDirectory);
        plugin = makePlugin();
        editor = &editorOf(*plugin);
    }

    void TearDown() override
    {
        CNewFileSelector::setTestAnswer(nullptr);
        changeWorkingDirectory(workingDirectory);
    }

    // The next selectors answer with path (or cancel with nothing) and record what they showed.
    void answer(std::optional<std::string> path)
    {
        CNewFileSelector::setTestAnswer([this, path](const CNewFileSelector& selector) {
            const qgui::CFileExtension* defaultExtension = selector.getDefaultExtension();
            requests.push_back({selector.getStyle(), selector.getTitle(), selector.getInitialDirectory(),
                                selector.getDefaultSaveName(), selector.getFileExtensions(),
                                defaultExtension ? std::optional<qgui::CFileExtension>(*defaultExtension)
                                                 : std::nullopt});
            return path;
        });
    }

    std::string inFolder(const std::string& name) const { return folder.withSeparator() + name; }

    static std::string currentWorkingDirectory()
    {
        char text[1024];
        readWorkingDirectory(text, sizeof text);
        return text;
    }

    static std::string withoutSeparator(std::string path)
    {
        while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
            path.pop_back();
        return path;
    }

    char workingDirectory[1024] = {};
    IsolatedUserStore store;
    TemporaryFolder folder;
    std::unique_ptr<Plugin> plugin;
    CPresetSystemEditor* editor = nullptr;
    std::vector<SelectorRequest> requests;
};

} // namespace

TEST_F(Files, SaveAndLoadPresetThroughTheSelector)
{
    plugin->selectProgram(14);
    plugin->renameCurrentProgram("Exactly24CharactersLong!");
    answer(inFolder("pump.qxp"));
    editor->savePresetFile();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].style, CNewFileSelector::kSelectSaveFile);
    EXPECT_EQ(requests[0].title, "Save preset");
    EXPECT_EQ(requests[0].defaultSaveName, "");
    ASSERT_TRUE(requests[0].defaultExtension);
    EXPECT_EQ(*requests[0].defaultExtension, qgui::CFileExtension("Quorvel Preset", "qxp"));
    std::vector<unsigned char> saved = fileBytes(inFolder("pump.qxp"));
    EXPECT_EQ(saved, presetImage(*editor));
    EXPECT_EQ(std::string(editor->getCurrentDirectory()), folder.withSeparator());
    EXPECT_EQ(std::string(editor->getCurrentPresetFile()), "pump.qxp");
    EXPECT_EQ(std::string(editor->getCurrentBankFile()), "");
    EXPECT_TRUE(std::filesystem::equivalent(currentWorkingDirectory(), folder.path()));
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    plugin->selectProgram(30);
    editor->loadPresetFile(false);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].style, CNewFileSelector::kSelectFile);
    EXPECT_EQ(requests[1].title, "Load preset");
    EXPECT_EQ(requests[1].initialDirectory, folder.withSeparator());
    ASSERT_EQ(requests[1].extensions.size(), 1u);
    EXPECT_EQ(requests[1].extensions[0], qgui::CFileExtension("Quorvel Preset", "qxp"));
    EXPECT_EQ(programName(*plugin, 30), "Exactly24CharactersLong!");
    EXPECT_EQ(std::memcmp(plugin->programRecord(30).values, plugin->programRecord(14).values, 48), 0);

    editor->savePresetFile();
    EXPECT_EQ(requests[2].defaultSaveName, "pump.qxp");
}

TEST_F(Files, SelectorTitlesAndExtensions)
{
    struct Case {
        void (*run)(CPresetSystemEditor&);
        const char* title;
        const char* description;
        const char* extension;
    };
    const Case cases[] = {
        {[](CPresetSystemEditor& e) { e.loadPresetFile(true); }, "Load preset (endian-reversed)", "Quorvel Preset", "qxp"},
        {[](CPresetSystemEditor& e) { e.loadBankFile(false); }, "Load bank", "Quorvel Bank", "qxb"},
        {[](CPresetSystemEditor& e) { e.loadBankFile(true); }, "Load bank (endian-reversed)", "Quorvel Bank", "qxb"},
        {[](CPresetSystemEditor& e) { e.saveBankFile(); }, "Save bank", "Quorvel Bank", "qxb"},
    };
    answer(std::nullopt);
    for (const Case& c : cases) {
        requests.clear();
        c.run(*editor);
        ASSERT_EQ(requests.size(), 1u) << c.title;
        EXPECT_EQ(requests[0].title, c.title);
        ASSERT_EQ(requests[0].extensions.size(), 1u) << c.title;
        EXPECT_EQ(requests[0].extensions[0], qgui::CFileExtension(c.description, c.extension)) << c.title;
    }
}

TEST_F(Files, CancelChangesNothing)
{
    plugin->selectProgram(11);
    std::vector<unsigned char> bankBefore = bankImage(*editor);
    std::string directory = editor->getCurrentDirectory();
    answer(std::nullopt);
    editor->loadBankFile(false);
    editor->loadPresetFile(false);
    editor->saveBankFile();
    editor->savePresetFile();
    EXPECT_EQ(requests.size(), 4u);
    EXPECT_EQ(plugin->currentProgramIndex(), 11) << "a cancelled bank load selects nothing";
    EXPECT_EQ(bankImage(*editor), bankBefore);
    EXPECT_EQ(editor->getCurrentDirectory(), directory);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(Files, BankFileRoundTripAndWorkingDirectory)
{
    plugin->selectProgram(5);
    plugin->renameCurrentProgram("Saved in the bank");
    answer(inFolder("mine.qxb"));
    editor->saveBankFile();
    std::vector<unsigned char> saved = bankImage(*editor);
    EXPECT_EQ(fileBytes(inFolder("mine.qxb")), saved);
    EXPECT_EQ(std::string(editor->getCurrentBankFile()), "mine.qxb");

    plugin->renameCurrentProgram("Changed afterwards");
    ASSERT_TRUE(changeWorkingDirectory(workingDirectory));
    editor->loadBankFile(false);
    EXPECT_EQ(bankImage(*editor), saved);
    EXPECT_EQ(plugin->currentProgramIndex(), 0);
    EXPECT_TRUE(std::filesystem::equivalent(currentWorkingDirectory(), folder.path()));
}

TEST_F(Files, ShortLongMissingAndReadOnlyFiles)
{
    plugin->selectProgram(3);
    std::vector<unsigned char> image = presetImage(*editor);
    plugin->selectProgram(9);

    std::vector<unsigned char> shortFile(image.begin(), image.begin() + 12);  // ends inside the name
    writeFileBytes(inFolder("short.qxp"), shortFile);
    answer(inFolder("short.qxp"));
    editor->loadPresetFile(false);
    EXPECT_EQ(programName(*plugin, 9), std::string("CompressLite2").substr(0, 7));
    EXPECT_EQ(plugin->getParameter(kRatio), 0.0f);

    std::vector<unsigned char> longFile = image;
    longFile.resize(500, 0xff);
    writeFileBytes(inFolder("long.qxp"), longFile);
    answer(inFolder("long.qxp"));
    editor->loadPresetFile(false);
    EXPECT_EQ(programName(*plugin, 9), "CompressLite2") << "read up to the image size";

    plugin->selectProgram(10);
    answer(inFolder("missing.qxp"));
    editor->loadPresetFile(false);
    EXPECT_EQ(programName(*plugin, 10), "Leveller");

    writeFileBytes(inFolder("protected.qxp"), image);
    std::filesystem::permissions(inFolder("protected.qxp"), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::group_read);
    answer(inFolder("protected.qxp"));
    editor->loadPresetFile(false);
    EXPECT_EQ(programName(*plugin, 10), "CompressLite2") << "a read-only file loads";
}

TEST_F(Files, FailedSavesKeepTheOldFile)
{
    plugin->selectProgram(1);
    answer(inFolder("keep.qxp"));
    editor->savePresetFile();
    std::vector<unsigned char> good = fileBytes(inFolder("keep.qxp"));
    ASSERT_EQ(good.size(), static_cast<std::size_t>(kPresetImageSize));

    // A folder that is not there: nothing may be written into the previous working directory.
    plugin->selectProgram(2);
    answer(folder.withSeparator() + "gone" + folder.withSeparator().back() + "keep.qxp");
    editor->savePresetFile();
    EXPECT_EQ(fileBytes(inFolder("keep.qxp")), good);
    EXPECT_FALSE(std::filesystem::exists(inFolder("gone")));

    // Saving over the file again replaces it whole.
    answer(inFolder("keep.qxp"));
    editor->savePresetFile();
    EXPECT_EQ(fileBytes(inFolder("keep.qxp")), presetImage(*editor));
}

TEST_F(Files, OverlongPathsAreRefused)
{
    plugin->selectProgram(2);
    std::string directory = editor->getCurrentDirectory();
    std::string longName(257, 'n');
    answer(inFolder(longName));
    editor->savePresetFile();
    editor->loadBankFile(false);
    EXPECT_EQ(editor->getCurrentDirectory(), directory);
    EXPECT_EQ(std::string(editor->getCurrentPresetFile()), "");
    EXPECT_EQ(plugin->currentProgramIndex(), 2) << "a refused bank path selects nothing";
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    std::string separator(1, folder.withSeparator().back());
    std::string longDirectory = folder.withSeparator() + std::string(300 - folder.path().size(), 'd') + separator;
    answer(longDirectory + "x.qxp");
    editor->savePresetFile();
    EXPECT_EQ(editor->getCurrentDirectory(), directory);

    // 256 characters of directory and of name still fit.
    std::string fitting = folder.withSeparator() + std::string(254 - folder.path().size(), 'e');
    ASSERT_EQ(fitting.size() + 1, 256u);
    answer(fitting + separator + std::string(256, 'f'));
    editor->loadPresetFile(false);
    EXPECT_EQ(std::string(editor->getCurrentDirectory()), fitting + separator);
    EXPECT_EQ(std::string(editor->getCurrentPresetFile()), std::string(256, 'f'));
}
