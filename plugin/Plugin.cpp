#include "Plugin.h"

#include "CPresetSystemEditor.h"
#include "FactoryPrograms.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr VstInt32 kUniqueId = vstFourCharCode('Q', 'G', 'W', 'K');
constexpr const char* kEffectName = "Quorvel Graywick";
constexpr const char* kVendorName = "quorvel-audio.eu";
constexpr const char* kProductName = "Quorvel Graywick - opto compressor";
constexpr int kNumInputPins = 4;
constexpr int kNumOutputPins = 2;
} // namespace

Plugin::Plugin(audioMasterCallback audioMaster)
    : CPresetSystemEffect(audioMaster, 1, kNumParams)
{
    for (auto& parameter : parameters)
        parameter.store(0.0f, std::memory_order_relaxed);
    stereoInputFlag = true;
    stereoOutputFlag = true;
    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing();
    canDoubleReplacing();
    setUniqueID(kUniqueId);
    signalPath.meterGain = 1.0;
    signalPath.warmUpMeter();
    loadFactoryPresets();
    // Lives as long as the effect; the effect base deletes it.
    setEditor(new CPresetSystemEditor(this));
    suspend();
    resume();
    suspend();
    requestStoredDefaults();
    selectProgram(0);
}

Plugin::~Plugin() = default;

void Plugin::setParameter(VstInt32 index, float value)
{
    if (index < 0 || index >= kNumParams)
        return;
    float v = clampParameter(value);
    parameters[index].store(v, std::memory_order_relaxed);
    switch (index) {
    case kProcess: working.processMode.store(processModeFor(v), std::memory_order_relaxed); break;
    case kRatio: working.ratioIndex.store(ratioIndexFor(v), std::memory_order_relaxed); break;
    case kTime: working.timeConstant.store(timeConstantFor(v), std::memory_order_relaxed); break;
    case kCompression: working.driveTarget.store(driveTargetFor(v), std::memory_order_relaxed); break;
    case kOutput: working.outputGainTarget.store(outputGainTargetFor(v), std::memory_order_relaxed); break;
    default: break;
    }
    CPresetSystemEffect::setParameter(index, v);
}

float Plugin::getParameter(VstInt32 index)
{
    if (index < 0 || index >= kNumParams)
        return 0.0f;
    return clampParameter(parameters[index].load(std::memory_order_relaxed));
}

void Plugin::getParameterName(VstInt32 index, char* text)
{
    parameterName(index, text);
}

void Plugin::getParameterDisplay(VstInt32 index, char* text)
{
    if (index < 0 || index >= kNumParams) {
        parameterDisplay(-1, 0.0f, text);
        return;
    }
    parameterDisplay(index, parameters[index].load(std::memory_order_relaxed), text);
}

void Plugin::getParameterLabel(VstInt32 index, char* text)
{
    parameterLabel(index, text);
}

namespace {
bool fillPin(VstInt32 index, int numPins, const char* format, VstPinProperties* properties)
{
    if (index < 0 || index >= numPins)
        return false;
    std::snprintf(properties->label, sizeof properties->label, format, static_cast<int>(index + 1));
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
    return true;
}
} // namespace

bool Plugin::getInputProperties(VstInt32 index, VstPinProperties* properties)
{
    return fillPin(index, kNumInputPins, "Quorvel Graywick %1d In", properties);
}

bool Plugin::getOutputProperties(VstInt32 index, VstPinProperties* properties)
{
    return fillPin(index, kNumOutputPins, "Quorvel Graywick %1d Out", properties);
}

bool Plugin::setSpeakerArrangement(VstSpeakerArrangement* input, VstSpeakerArrangement* output)
{
    const int ins = input->numChannels;
    const int outs = output->numChannels;
    bool supported = (ins == 1 && (outs == 1 || outs == 2)) || (ins == 2 && outs == 2);
    stereoInputFlag = supported ? ins == 2 : true;
    stereoOutputFlag = supported ? outs == 2 : true;
    return supported;
}

bool Plugin::getEffectName(char* name)
{
    std::strcpy(name, kEffectName);
    return true;
}

bool Plugin::getVendorString(char* text)
{
    std::strcpy(text, kVendorName);
    return true;
}

bool Plugin::getProductString(char* text)
{
    std::strcpy(text, kProductName);
    return true;
}

VstInt32 Plugin::canDo(char* text)
{
    static const char* const kCapabilities[] = {"offline", "plugAsChannelInsert", "mixDryWet",
                                                "1in1out", "1in2out",             "2in2out"};
    for (const char* capability : kCapabilities)
        if (std::strcmp(text, capability) == 0)
            return 1;
    return 0;
}

void Plugin::loadFactoryPresets()
{
    for (int i = 0; i < kNumPresetPrograms; ++i) {
        const FactoryProgram& factory = kFactoryPrograms[i];
        ProgramRecord& record = programRecord(i);
        storeProgramName(record, factory.name);
        record.values[kProcess] = factory.process;
        record.values[kRatio] = factory.ratio;
        record.values[kTime] = factory.time;
        record.values[kCompression] = factory.compression;
        record.values[kOutput] = factory.output;
    }
}
