#include "CPresetSystemEffect.h"

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

void CPresetSystemEffect::setProgramName(char* name)
{
    storeProgramName(currentProgramRecord(), name);
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
}
