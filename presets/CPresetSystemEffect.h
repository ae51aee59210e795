// Effect side of the preset system: the 33-program bank behind the host's single program.
#pragma once

#include "AudioEffectX.h"
#include "ProgramRecord.h"

#include <atomic>
#include <memory>

constexpr int kStateChunkSize = 2408;

class CPresetSystemEffect : public AudioEffectX {
public:
    CPresetSystemEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    ~CPresetSystemEffect() override;

    // Stores the value into the current program; indices outside 0..11 are ignored.
    void setParameter(VstInt32 index, float value) override;

    VstInt32 getProgram() override { return 0; }
    void setProgram(VstInt32 /*program*/) override {}
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;

    virtual int currentProgramIndex() { return currentProgram.load(std::memory_order_relaxed); }
    // Callers pass 0..32.
    virtual void selectProgram(int index);
    virtual void renameCurrentProgram(const char* name);
    virtual VstInt32 fileIdentifier() { return cEffect.uniqueID; }
    virtual void requestStoredDefaults();
    virtual void loadFactoryPresets() {}

    ProgramRecord& programRecord(int index) { return bank[index]; }
    ProgramRecord& currentProgramRecord() { return bank[currentProgramIndex()]; }

protected:
    std::unique_ptr<ProgramRecord[]> bank;
    std::unique_ptr<unsigned char[]> chunkBuffer;
    std::atomic<int> currentProgram{0};
};
