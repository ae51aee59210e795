#include "CPresetSystemEffect.h"

#include "CPresetSystemEditor.h"

#include <cstring>

CPresetSystemEffect::CPresetSystemEffect(audioMasterCallback audioMaster, VstInt32 numPrograms,
                                         VstInt32 numParams)
    : AudioEffectX(audioMaster, numPrograms, numParams),
      bank(new ProgramRecord[kNumPresetPrograms]()),
      chunkBuffer(new unsigned char[kStateChunkSize]())
{
    programsAreChunks(true);
}

CPresetSystemEffect::~CPresetSystemEffect() = default;

void CPresetSystemEffect::setParameter(VstInt32 index, float value)
{
    if (index < 0 || index >= kNumParams)
        return;
    currentProgramRecord().values[index] = value;
}

CPresetSystemEditor* CPresetSystemEffect::presetEditor()
{
    return dynamic_cast<CPresetSystemEditor*>(editor);
}

void CPresetSystemEffect::setProgramName(char* name)
{
    ProgramRecord& record = currentProgramRecord();
    storeProgramName(record, name);
    if (CPresetSystemEditor* presets = presetEditor()) {
        char stored[kProgramNameLength + 1];
        readProgramName(record, stored);
        presets->setProgramNameDisplay(stored);
    }
}

void CPresetSystemEffect::getProgramName(char* name)
{
    readProgramName(currentProgramRecord(), name);
}

bool CPresetSystemEffect::getProgramNameIndexed(VstInt32 /*category*/, VstInt32 index, char* text)
{
    if (index < 0 || index >= kNumPresetPrograms)
        return false;
    readProgramName(bank[index], text);
    return true;
}

void CPresetSystemEffect::selectProgram(int index)
{
    curProgram = 0;
    currentProgram.store(index, std::memory_order_relaxed);
    // Copy first: each setParameter stores back into the same record.
    ProgramRecord applied = bank[index];
    for (int i = 0; i < kNumParams; ++i)
        setParameter(i, applied.values[i]);
    updateDisplay();
    beginEdit(0);
    endEdit(0);
}

void CPresetSystemEffect::renameCurrentProgram(const char* name)
{
    curProgram = 0;
    if (name)
        storeProgramName(currentProgramRecord(), name);
    updateDisplay();
}

void CPresetSystemEffect::requestStoredDefaults()
{
    if (CPresetSystemEditor* presets = presetEditor())
        presets->loadStoredDefaults();
}

VstInt32 CPresetSystemEffect::getChunk(void** data, bool /*isPreset*/)
{
    if (!data || !chunkBuffer)
        return 0;
    unsigned char* chunk = chunkBuffer.get();
    std::memset(chunk, 0, kStateChunkSize);
    writeWord(chunk, kChunkTagOffset, kChunkTag);
    writeWord(chunk, kChunkIdentifierOffset, static_cast<std::uint32_t>(fileIdentifier()));
    writeWord(chunk, kChunkCountOffset, kNumPresetPrograms);
    writeWord(chunk, kChunkIndexOffset, static_cast<std::uint32_t>(currentProgramIndex()));
    std::memcpy(chunk + kChunkRecordsOffset, bank.get(), kNumPresetPrograms * sizeof(ProgramRecord));
    *data = chunk;
    return kStateChunkSize;
}

VstInt32 CPresetSystemEffect::setChunk(void* data, VstInt32 byteSize, bool /*isPreset*/)
{
    if (!chunkBuffer || !data || byteSize != kStateChunkSize)
        return -1;
    unsigned char* chunk = chunkBuffer.get();
    // Hosts often hand back the very buffer getChunk gave them.
    std::memmove(chunk, data, kStateChunkSize);

    const std::uint32_t identifier = static_cast<std::uint32_t>(fileIdentifier());
    const std::uint32_t storedIdentifier = readWord(chunk, kChunkIdentifierOffset);
    if (storedIdentifier == swapBytes32(identifier) && storedIdentifier != identifier) {
        // Written on a machine of the other byte order: every number but the identifier, no name.
        swapWordInPlace(chunk, kChunkTagOffset);
        for (int offset = kChunkCountOffset; offset < kChunkRecordsOffset; offset += 4)
            swapWordInPlace(chunk, offset);
        for (int k = 0; k < kNumPresetPrograms; ++k) {
            int values = kChunkRecordsOffset + k * static_cast<int>(sizeof(ProgramRecord)) + kProgramNameLength;
            for (int i = 0; i < kNumParams; ++i)
                swapWordInPlace(chunk, values + 4 * i);
        }
    } else if (storedIdentifier != identifier) {
        return -1;
    }

    if (readWord(chunk, kChunkTagOffset) != kChunkTag)
        return 0;
    if (readWord(chunk, kChunkCountOffset) != static_cast<std::uint32_t>(kNumPresetPrograms))
        return -1;
    std::memcpy(bank.get(), chunk + kChunkRecordsOffset, kNumPresetPrograms * sizeof(ProgramRecord));
    std::uint32_t index = readWord(chunk, kChunkIndexOffset);
    if (index < static_cast<std::uint32_t>(kNumPresetPrograms))
        selectProgram(static_cast<int>(index));
    return 0;
}
