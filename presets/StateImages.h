// Byte layouts of the host chunk and of the preset and bank images (files and stored values).
#pragma once

#include "ProgramRecord.h"

#include <cstdint>
#include <cstring>

constexpr int kStateChunkSize = 2408;
constexpr std::uint32_t kChunkTag = 0x01000000;
constexpr int kChunkTagOffset = 0;
constexpr int kChunkIdentifierOffset = 4;
constexpr int kChunkCountOffset = 8;
constexpr int kChunkIndexOffset = 12;
constexpr int kChunkRecordsOffset = 32;

constexpr int kPresetImageSize = 77;
constexpr int kBankImageSize = 2381;
constexpr unsigned char kPresetMarker = 0x21;
constexpr unsigned char kBankMarker = 0x37;
constexpr int kImageIdentifierOffset = 0;
constexpr int kImageTypeOffset = 4;
constexpr int kImageRecordsOffset = 5;

static_assert(kChunkRecordsOffset + kNumPresetPrograms * sizeof(ProgramRecord) == kStateChunkSize,
              "the chunk holds the header and all 33 records");
static_assert(kImageRecordsOffset + sizeof(ProgramRecord) == kPresetImageSize, "one record per preset image");
static_assert(kImageRecordsOffset + kNumPresetPrograms * sizeof(ProgramRecord) == kBankImageSize,
              "33 records per bank image");

inline std::uint32_t swapBytes32(std::uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0xff00u) | ((value << 8) & 0xff0000u) | (value << 24);
}

// Fields sit at any offset (the image floats start at odd ones): always go through memcpy.
inline std::uint32_t readWord(const unsigned char* data, int offset)
{
    std::uint32_t value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

inline void writeWord(unsigned char* data, int offset, std::uint32_t value)
{
    std::memcpy(data + offset, &value, sizeof value);
}

inline void swapWordInPlace(unsigned char* data, int offset)
{
    writeWord(data, offset, swapBytes32(readWord(data, offset)));
}

inline float wordToFloat(std::uint32_t word)
{
    float value;
    std::memcpy(&value, &word, sizeof value);
    return value;
}

inline std::uint32_t floatToWord(float value)
{
    std::uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    return word;
}

// Valid stored values lie in 0..1; NaN fails both comparisons and is refused too.
inline bool isStoredValueInRange(float value)
{
    return value >= 0.0f && value <= 1.0f;
}
