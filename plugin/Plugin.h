// The effect: parameters, host answers, and the signal path it owns.
#pragma once

#include "CPresetSystemEffect.h"
#include "Kernels.h"
#include "ParameterModel.h"
#include "SignalPath.h"
#include "WorkingValues.h"

#include <atomic>

class Plugin : public CPresetSystemEffect {
public:
    explicit Plugin(audioMasterCallback audioMaster);
    ~Plugin() override;

    void suspend() override;
    void resume() override;
    void setSampleRate(float rate) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;

    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output) override;
    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;
    VstInt32 getVendorVersion() override { return 1200; }
    VstInt32 canDo(char* text) override;
    VstPlugCategory getPlugCategory() override { return kPlugCategMastering; }

    void loadFactoryPresets() override;

    // Working values read by the signal path; written by setParameter on any thread.
    int processMode() const { return working.processMode.load(std::memory_order_relaxed); }
    int ratioIndex() const { return working.ratioIndex.load(std::memory_order_relaxed); }
    double timeConstant() const { return working.timeConstant.load(std::memory_order_relaxed); }
    double driveTarget() const { return working.driveTarget.load(std::memory_order_relaxed); }
    double outputGainTarget() const { return working.outputGainTarget.load(std::memory_order_relaxed); }
    bool stereoInput() const { return stereoInputFlag.load(std::memory_order_relaxed); }
    bool stereoOutput() const { return stereoOutputFlag.load(std::memory_order_relaxed); }
    // Smoothed applied gain for the meter (1.0 = no reduction); written by the audio thread.
    double meterGain() const { return signalPath.meter(); }
    const dsp::SignalPath& signalState() const { return signalPath; }

private:
    // Processing driver (ProcessingDriver.cpp): channel resolution with the host's pin answers.
    template <typename Sample>
    dsp::BlockChannels<Sample> resolveChannels(Sample** inputs, Sample** outputs);
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void clearEditorMeter();
    void refreshEditorMeter();

    std::atomic<float> parameters[kNumParams];
    dsp::WorkingValues working;
    dsp::SignalPath signalPath;
    std::atomic<bool> stereoInputFlag{true};
    std::atomic<bool> stereoOutputFlag{true};
};
