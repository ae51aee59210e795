// The state chunk as a host exchanges it with the built plug-in binary.
#include "PluginUnderTest.h"
#include "StateImages.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using testsupport::loadPlugin;

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kIdentifier = ('Q' << 24) | ('G' << 16) | ('W' << 8) | 'K';

int recordOffset(int k)
{
    return kChunkRecordsOffset + k * static_cast<int>(sizeof(ProgramRecord));
}

int valueOffset(int k, int parameter)
{
    return recordOffset(k) + kProgramNameLength + 4 * parameter;
}

Bytes getChunk(vsthost::HostedPlugin& plugin, void** address = nullptr, VstInt32 isPreset = 0)
{
    void* data = nullptr;
    VstIntPtr size = plugin.dispatch(effGetChunk, isPreset, 0, &data);
    EXPECT_EQ(size, kStateChunkSize);
    EXPECT_NE(data, nullptr);
    if (address)
        *address = data;
    if (size != kStateChunkSize || !data)
        return {};
    auto* bytes = static_cast<unsigned char*>(data);
    return Bytes(bytes, bytes + size);
}

VstIntPtr setChunk(vsthost::HostedPlugin& plugin, Bytes chunk, VstIntPtr size = kStateChunkSize)
{
    chunk.resize(static_cast<std::size_t>(std::max<VstIntPtr>(size, 1)));
    return plugin.dispatch(effSetChunk, 0, size, chunk.data());
}

float valueAt(const Bytes& chunk, int offset)
{
    return wordToFloat(readWord(chunk.data(), offset));
}

void setValueAt(Bytes& chunk, int offset, float value)
{
    writeWord(chunk.data(), offset, floatToWord(value));
}

// A chunk that differs from the factory bank in every record, selecting program 5.
Bytes editedChunk(vsthost::HostedPlugin& plugin)
{
    Bytes chunk = getChunk(plugin);
    for (int k = 0; k < kNumPresetPrograms; ++k) {
        std::string name = "Edited " + std::to_string(k);
        std::memset(&chunk[recordOffset(k)], 0, kProgramNameLength);
        std::memcpy(&chunk[recordOffset(k)], name.c_str(), name.size());
        for (int i = 0; i < kNumParams; ++i)
            setValueAt(chunk, valueOffset(k, i), static_cast<float>((k * kNumParams + i) % 97) / 96.0f);
    }
    writeWord(chunk.data(), kChunkIndexOffset, 5);
    return chunk;
}

Bytes otherByteOrder(Bytes chunk)
{
    for (int offset = 0; offset < kChunkRecordsOffset; offset += 4)
        swapWordInPlace(chunk.data(), offset);
    for (int k = 0; k < kNumPresetPrograms; ++k)
        for (int i = 0; i < kNumParams; ++i)
            swapWordInPlace(chunk.data(), valueOffset(k, i));
    return chunk;
}

void expectProgramFiveApplied(vsthost::HostedPlugin& plugin, const Bytes& chunk)
{
    EXPECT_EQ(plugin.programName(), "Edited 5");
    for (int i = 0; i < kNumParams; ++i)
        EXPECT_EQ(plugin.getParameter(i), valueAt(chunk, valueOffset(5, i))) << "parameter " << i;
}

} // namespace

TEST(HostChunk, LayoutOfAFreshInstance)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    Bytes chunk = getChunk(*plugin);
    ASSERT_EQ(chunk.size(), static_cast<std::size_t>(kStateChunkSize));
    EXPECT_EQ(readWord(chunk.data(), kChunkTagOffset), kChunkTag);
    EXPECT_EQ(readWord(chunk.data(), kChunkIdentifierOffset), kIdentifier);
    EXPECT_EQ(readWord(chunk.data(), kChunkCountOffset), 33u);
    EXPECT_EQ(readWord(chunk.data(), kChunkIndexOffset), 0u);
    for (int offset = 16; offset < kChunkRecordsOffset; ++offset)
        EXPECT_EQ(chunk[offset], 0) << "reserved byte " << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&chunk[recordOffset(32)])), "Bus Comp 3");
    EXPECT_EQ(valueAt(chunk, valueOffset(12, 6)), 0.425f);
    // A single-program request still gets the whole bank.
    EXPECT_EQ(getChunk(*plugin, nullptr, 1), chunk);
}

TEST(HostChunk, RoundTripSelectsTheProgramThatWasCurrent)
{
    auto source = loadPlugin();
    ASSERT_TRUE(source);
    Bytes edited = editedChunk(*source);
    ASSERT_EQ(setChunk(*source, edited), 0);
    Bytes saved = getChunk(*source);
    EXPECT_EQ(saved, edited);

    auto restored = loadPlugin();
    ASSERT_TRUE(restored);
    restored->host().clearCalls();
    EXPECT_EQ(setChunk(*restored, saved), 0);
    EXPECT_EQ(getChunk(*restored), saved);
    expectProgramFiveApplied(*restored, saved);
    for (int k = 0; k < kNumPresetPrograms; ++k)
        EXPECT_EQ(restored->programNameIndexed(k), "Edited " + std::to_string(k));
    int updates = 0;
    for (const auto& call : restored->host().calls())
        updates += call.opcode == audioMasterUpdateDisplay;
    EXPECT_EQ(updates, 1);
}

TEST(HostChunk, OtherByteOrderGivesTheSameRecords)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    Bytes native = editedChunk(*plugin);
    EXPECT_EQ(setChunk(*plugin, otherByteOrder(native)), 0);
    EXPECT_EQ(getChunk(*plugin), native);
    expectProgramFiveApplied(*plugin, native);
}

TEST(HostChunk, TheHostsOwnPointerComesBackUnchanged)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    ASSERT_EQ(setChunk(*plugin, editedChunk(*plugin)), 0);
    void* address = nullptr;
    Bytes before = getChunk(*plugin, &address);
    ASSERT_NE(address, nullptr);
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kStateChunkSize, address), 0);
    EXPECT_EQ(getChunk(*plugin), before);
    expectProgramFiveApplied(*plugin, before);

    // The same in the other byte order: the working copy is swapped in place.
    Bytes swapped = otherByteOrder(before);
    std::memcpy(address, swapped.data(), swapped.size());
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kStateChunkSize, address), 0);
    EXPECT_EQ(getChunk(*plugin), before);
}

TEST(HostChunk, IndexOutOfRangeReplacesRecordsButSelectsNothing)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    std::vector<float> before;
    for (int i = 0; i < kNumParams; ++i)
        before.push_back(plugin->getParameter(i));
    Bytes chunk = editedChunk(*plugin);
    writeWord(chunk.data(), kChunkIndexOffset, 40);
    EXPECT_EQ(setChunk(*plugin, chunk), 0);
    for (int i = 0; i < kNumParams; ++i)
        EXPECT_EQ(plugin->getParameter(i), before[i]) << "parameter " << i;
    EXPECT_EQ(plugin->programNameIndexed(7), "Edited 7");
    Bytes now = getChunk(*plugin);
    EXPECT_EQ(readWord(now.data(), kChunkIndexOffset), 0u);
    EXPECT_EQ(plugin->programName(), "Edited 0");
}

TEST(HostChunk, RefusedChunksChangeNothing)
{
    struct Case {
        const char* what;
        VstIntPtr size;
        void (*spoil)(Bytes&);
        VstIntPtr answer;
    };
    const Case cases[] = {
        {"one byte short", kStateChunkSize - 1, [](Bytes&) {}, -1},
        {"one byte long", kStateChunkSize + 1, [](Bytes&) {}, -1},
        {"empty", 0, [](Bytes&) {}, -1},
        {"negative size", -2408, [](Bytes&) {}, -1},
        {"unknown identifier", kStateChunkSize, [](Bytes& c) { c[kChunkIdentifierOffset] ^= 1; }, -1},
        {"identifier bytes rotated", kStateChunkSize,
         [](Bytes& c) { writeWord(c.data(), kChunkIdentifierOffset, ('G' << 24) | ('W' << 16) | ('K' << 8) | 'Q'); }, -1},
        {"32 records", kStateChunkSize, [](Bytes& c) { writeWord(c.data(), kChunkCountOffset, 32); }, -1},
        {"count in the other byte order", kStateChunkSize,
         [](Bytes& c) { writeWord(c.data(), kChunkCountOffset, swapBytes32(33)); }, -1},
        {"wrong tag", kStateChunkSize, [](Bytes& c) { writeWord(c.data(), kChunkTagOffset, 2); }, 0},
        {"wrong tag and count", kStateChunkSize,
         [](Bytes& c) {
             writeWord(c.data(), kChunkTagOffset, 0);
             writeWord(c.data(), kChunkCountOffset, 0);
         },
         0},
    };
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    Bytes before = getChunk(*plugin);
    std::string name = plugin->programName();
    for (const Case& c : cases) {
        Bytes chunk = editedChunk(*plugin);
        c.spoil(chunk);
        EXPECT_EQ(setChunk(*plugin, chunk, c.size), c.answer) << c.what;
        EXPECT_EQ(getChunk(*plugin), before) << c.what;
        EXPECT_EQ(plugin->programName(), name) << c.what;
    }
    // A null pointer is refused like any unusable chunk and changes nothing.
    EXPECT_EQ(plugin->dispatch(effSetChunk, 0, kStateChunkSize, nullptr), -1);
    EXPECT_EQ(getChunk(*plugin), before);
}

TEST(HostChunk, ValuesOutsideTheRangeAreClampedWhenApplied)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    Bytes chunk = editedChunk(*plugin);
    setValueAt(chunk, valueOffset(5, 4), 7.0f);
    setValueAt(chunk, valueOffset(5, 5), -3.0f);
    EXPECT_EQ(setChunk(*plugin, chunk), 0);
    EXPECT_EQ(plugin->getParameter(4), 1.0f);
    EXPECT_EQ(plugin->getParameter(5), 0.0f);
}
