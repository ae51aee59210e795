// One program: a fixed-width name and the twelve normalised parameter values.
#pragma once

#include <cstddef>

constexpr int kNumParams = 12;
constexpr int kNumPresetPrograms = 33;
constexpr int kProgramNameLength = 24;

struct ProgramRecord {
    char name[kProgramNameLength];  // no terminator when the name fills all 24 bytes
    float values[kNumParams];
};
static_assert(sizeof(ProgramRecord) == 72, "ProgramRecord is stored byte for byte in chunks and files");

// Stores a name by the one rule every writer uses: shorter names are zero-padded,
// longer ones keep their first 24 bytes without terminator. A null source stores "".
void storeProgramName(ProgramRecord& record, const char* source);

// Copies the name with a terminator into text, which must hold kProgramNameLength + 1 bytes.
void readProgramName(const ProgramRecord& record, char* text);
