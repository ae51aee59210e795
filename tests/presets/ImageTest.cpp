// Preset and bank images: what is accepted, what is refused, and that a refusal loses nothing.
#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

using namespace presettest;

namespace {

class Images : public ::testing::Test {
protected:
    void SetUp() override
    {
        plugin = makePlugin();
        editor = &editorOf(*plugin);
    }

    std::vector<ProgramRecord> bank()
    {
        std::vector<ProgramRecord> records;
        for (int k = 0; k < kNumPresetPrograms; ++k)
            records.push_back(plugin->programRecord(k));
        return records;
    }

    static bool sameRecords(const std::vector<ProgramRecord>& a, const std::vector<ProgramRecord>& b)
    {
        return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(ProgramRecord)) == 0;
    }

    static void setImageValue(std::vector<unsigned char>& image, int record, int parameter, float value)
    {
        writeWord(image.data(), kImageRecordsOffset + record * 72 + kProgramNameLength + 4 * parameter,
                  floatToWord(value));
    }

    IsolatedUserStore store;
    std::unique_ptr<Plugin> plugin;
    CPresetSystemEditor* editor = nullptr;
};

} // namespace

TEST_F(Images, PresetImageLayout)
{
    plugin->selectProgram(12);
    std::vector<unsigned char> image = presetImage(*editor);
    EXPECT_EQ(readWord(image.data(), 0), static_cast<std::uint32_t>(plugin->fileIdentifier()));
    EXPECT_EQ(image[4], 0x21);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[5])), "Hats Smasher");
    EXPECT_EQ(wordToFloat(readWord(image.data(), 29 + 4 * 6)), 0.425f);

    std::vector<unsigned char> banked = bankImage(*editor);
    EXPECT_EQ(banked[4], 0x37);
    EXPECT_EQ(std::memcmp(&banked[5 + 72 * 12], &image[5], 72), 0);
}

TEST_F(Images, PresetWithAFullLengthNameRoundTrips)
{
    plugin->selectProgram(3);
    plugin->renameCurrentProgram("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    plugin->setParameter(kTime, 0.25f);
    std::vector<unsigned char> image = presetImage(*editor);
    EXPECT_EQ(std::memcmp(&image[5], "ABCDEFGHIJKLMNOPQRSTUVWX", 24), 0);
    EXPECT_EQ(image[28], 'X');  // all 24 bytes are name, no terminator

    plugin->selectProgram(9);
    int updatesBefore = hostCounters().updateDisplay;
    editor->presetFromData(image.data(), false);
    EXPECT_EQ(plugin->currentProgramIndex(), 9);
    EXPECT_EQ(programName(*plugin, 9), "ABCDEFGHIJKLMNOPQRSTUVWX");
    EXPECT_EQ(plugin->getParameter(kTime), 0.25f);
    EXPECT_EQ(std::memcmp(&plugin->programRecord(9), &plugin->programRecord(3), sizeof(ProgramRecord)), 0);
    // renameCurrentProgram and selectProgram each ask the host to refresh.
    EXPECT_EQ(hostCounters().updateDisplay - updatesBefore, 2);
}

TEST_F(Images, ByteOrderAndTheRequestedReversal)
{
    plugin->selectProgram(2);  // "CompressLite1": Output 0.15 reversed is negative
    std::vector<unsigned char> lite = presetImage(*editor);
    plugin->selectProgram(0);  // "Current": 0, 0.5 and 1 reversed are tiny positive numbers
    std::vector<unsigned char> current = presetImage(*editor);
    std::vector<unsigned char> liteOther = otherByteOrderImage(lite);

    plugin->selectProgram(20);
    const ProgramRecord original = plugin->programRecord(20);

    editor->presetFromData(lite.data(), true);
    EXPECT_EQ(std::memcmp(&plugin->programRecord(20), &original, sizeof original), 0) << "reversed native refused";

    editor->presetFromData(current.data(), true);
    EXPECT_EQ(programName(*plugin, 20), "Current") << "reversed values that stay in 0..1 pass";
    EXPECT_EQ(plugin->programRecord(20).values[kProcess], wordToFloat(swapBytes32(floatToWord(1.0f))));

    editor->presetFromData(liteOther.data(), false);
    EXPECT_EQ(std::memcmp(&plugin->programRecord(20).values, &plugin->programRecord(2).values, 48), 0)
        << "the other byte order is recognised";
    EXPECT_EQ(programName(*plugin, 20), "CompressLite1");

    plugin->selectProgram(21);
    editor->presetFromData(otherByteOrderImage(current).data(), true);
    EXPECT_EQ(programName(*plugin, 21), "Current") << "right-click reversal cancels the automatic one";
    EXPECT_EQ(plugin->programRecord(21).values[kProcess], wordToFloat(swapBytes32(floatToWord(1.0f))));
}

TEST_F(Images, RefusedPresetsChangeNothing)
{
    plugin->selectProgram(4);
    std::vector<unsigned char> good = presetImage(*editor);
    std::memcpy(&good[5], "Incoming", 9);
    struct Case {
        const char* what;
        void (*spoil)(std::vector<unsigned char>&);
    };
    const Case cases[] = {
        {"unknown identifier", [](std::vector<unsigned char>& i) { i[0] ^= 0x40; }},
        {"bank marker", [](std::vector<unsigned char>& i) { i[4] = 0x37; }},
        {"value 1.5", [](std::vector<unsigned char>& i) { setImageValue(i, 0, 11, 1.5f); }},
        {"negative value", [](std::vector<unsigned char>& i) { setImageValue(i, 0, 0, -0.001f); }},
        {"NaN", [](std::vector<unsigned char>& i) { setImageValue(i, 0, 6, std::numeric_limits<float>::quiet_NaN()); }},
        {"infinity", [](std::vector<unsigned char>& i) { setImageValue(i, 0, 2, std::numeric_limits<float>::infinity()); }},
        {"all zero", [](std::vector<unsigned char>& i) { std::fill(i.begin(), i.end(), 0); }},
    };
    plugin->selectProgram(8);
    plugin->setParameter(kOutput, 0.75f);
    const ProgramRecord before = plugin->programRecord(8);
    for (const Case& c : cases) {
        std::vector<unsigned char> image = good;
        c.spoil(image);
        int updates = hostCounters().updateDisplay;
        editor->presetFromData(image.data(), false);
        EXPECT_EQ(std::memcmp(&plugin->programRecord(8), &before, sizeof before), 0) << c.what;
        EXPECT_EQ(plugin->getParameter(kOutput), 0.75f) << c.what;
        EXPECT_EQ(hostCounters().updateDisplay, updates) << c.what;
    }
    editor->presetFromData(nullptr, false);
    EXPECT_EQ(std::memcmp(&plugin->programRecord(8), &before, sizeof before), 0);
}

TEST_F(Images, ShortPresetIsJudgedOnItsZeroedTail)
{
    plugin->selectProgram(6);
    std::vector<unsigned char> image = presetImage(*editor);
    std::memcpy(&image[5], "Truncated name here", 20);
    std::fill(image.begin() + 14, image.end(), 0);  // the file ended inside the name
    plugin->selectProgram(7);
    editor->presetFromData(image.data(), false);
    EXPECT_EQ(programName(*plugin, 7), "Truncated");
    for (int i = 0; i < kNumParams; ++i)
        EXPECT_EQ(plugin->getParameter(i), 0.0f);
}

TEST_F(Images, BankRoundTripInEitherByteOrder)
{
    std::vector<unsigned char> image = bankImage(*editor);
    for (int k = 0; k < kNumPresetPrograms; ++k) {
        std::string name = "Bank entry " + std::to_string(k);
        std::memset(&image[5 + 72 * k], 0, 24);
        std::memcpy(&image[5 + 72 * k], name.c_str(), name.size());
        setImageValue(image, k, 5, static_cast<float>(k) / 32.0f);
    }
    plugin->selectProgram(17);
    editor->bankFromData(otherByteOrderImage(image).data(), false);
    EXPECT_EQ(plugin->currentProgramIndex(), 0);
    EXPECT_EQ(bankImage(*editor), image);
    EXPECT_EQ(plugin->getParameter(kCompression), 0.0f);
    EXPECT_EQ(programName(*plugin, 32), "Bank entry 32");

    plugin->selectProgram(17);
    editor->bankFromData(otherByteOrderImage(image).data(), true);
    EXPECT_EQ(bankImage(*editor), image) << "reversal of a reversed bank: unchanged";
}

TEST_F(Images, BankWithOneBadValueRollsBackButProgramZeroStaysSelected)
{
    std::vector<unsigned char> image = bankImage(*editor);
    for (int k = 0; k < kNumPresetPrograms; ++k)
        std::memcpy(&image[5 + 72 * k], "Replaced", 9);
    setImageValue(image, 20, 4, 1.5f);

    plugin->selectProgram(5);
    plugin->setParameter(kRatio, 0.0f);
    std::vector<ProgramRecord> before = bank();
    editor->bankFromData(image.data(), false);
    EXPECT_TRUE(sameRecords(bank(), before));
    EXPECT_EQ(plugin->currentProgramIndex(), 0);
    EXPECT_EQ(plugin->getParameter(kRatio), 0.5f) << "program 0 is applied";

    setImageValue(image, 20, 4, std::numeric_limits<float>::quiet_NaN());
    editor->bankFromData(image.data(), false);
    EXPECT_TRUE(sameRecords(bank(), before));

    setImageValue(image, 20, 4, 1.0f);
    image[4] = 0x21;
    editor->bankFromData(image.data(), false);
    EXPECT_TRUE(sameRecords(bank(), before)) << "preset marker in a bank";
}

namespace {

// Records what the effect asks of its preset editor.
class RecordingEditor : public CPresetSystemEditor {
public:
    using CPresetSystemEditor::CPresetSystemEditor;
    void setProgramNameDisplay(const char* name) override { shownNames.push_back(name); }
    void loadStoredDefaults() override { ++storedDefaultsLoads; }

    std::vector<std::string> shownNames;
    int storedDefaultsLoads = 0;
};

} // namespace

TEST_F(Images, EffectTellsItsEditor)
{
    auto recording = std::make_unique<RecordingEditor>(plugin.get());
    std::unique_ptr<AEffEditor> previous(plugin->getEditor());
    plugin->setEditor(recording.get());
    char longName[] = "A name of thirty characters!!!";
    plugin->setProgramName(longName);
    plugin->requestStoredDefaults();
    plugin->setEditor(previous.release());
    ASSERT_EQ(recording->shownNames.size(), 1u);
    EXPECT_EQ(recording->shownNames[0], "A name of thirty charact");
    EXPECT_EQ(recording->storedDefaultsLoads, 1);
}

TEST_F(Images, SetChunkRefusesNullData)
{
    std::vector<ProgramRecord> before = bank();
    EXPECT_EQ(plugin->setChunk(nullptr, kStateChunkSize), -1);
    EXPECT_TRUE(sameRecords(bank(), before));
}
