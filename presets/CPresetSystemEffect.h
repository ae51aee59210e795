// Effect side of the preset system: the 33-program bank behind the host's single program.
#pragma once

#include "AudioEffectX.h"
#include "ProgramRecord.h"
#include "StateImages.h"

#include <atomic>
#include <memory>

class CPresetSystemEditor;

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
    // The whole bank, whatever isPreset says; the buffer stays ours and changes with every call.
    VstInt32 getChunk(void** data, bool isPreset = false) override;
    // -1 for a chunk that is not ours; 0 otherwise, also when a wrong tag made it load nothing.
    VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset = false) override;

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
    CPresetSystemEditor* presetEditor();

    std::unique_ptr<ProgramRecord[]> bank;
    std::unique_ptr<unsigned char[]> chunkBuffer;
    std::atomic<int> currentProgram{0};
};
