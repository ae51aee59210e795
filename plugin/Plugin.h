// The effect: parameters, host answers, and the signal path it owns.
#pragma once

#include "CPresetSystemEffect.h"
#include "ParameterModel.h"

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
    int processMode() const { return processModeValue.load(std::memory_order_relaxed); }
    int ratioIndex() const { return ratioIndexValue.load(std::memory_order_relaxed); }
    double timeConstant() const { return timeConstantValue.load(std::memory_order_relaxed); }
    double driveTarget() const { return driveTargetValue.load(std::memory_order_relaxed); }
    double outputGainTarget() const { return outputGainTargetValue.load(std::memory_order_relaxed); }
    bool stereoInput() const { return stereoInputFlag.load(std::memory_order_relaxed); }
    bool stereoOutput() const { return stereoOutputFlag.load(std::memory_order_relaxed); }
    // Smoothed applied gain for the meter (1.0 = no reduction); written by the audio thread.
    double meterGain() const { return meterGainValue.load(std::memory_order_relaxed); }

private:
    template <typename Sample>
    void passThrough(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);

    std::atomic<float> parameters[kNumParams];
    std::atomic<int> processModeValue{0};
    std::atomic<int> ratioIndexValue{0};
    std::atomic<double> timeConstantValue{0.0};
    std::atomic<double> driveTargetValue{0.0};
    std::atomic<double> outputGainTargetValue{0.0};
    std::atomic<bool> stereoInputFlag{true};
    std::atomic<bool> stereoOutputFlag{true};
    std::atomic<double> meterGainValue{1.0};
};
