// A host as plug-ins see it: answers their callbacks and records every call it receives.
#pragma once

#include "PluginLibrary.h"

#include <functional>
#include <mutex>
#include <vector>

namespace vsthost {

struct HostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    bool effectWasNull;
    bool ptrWasNull;
    float opt;
};

struct HostSettings {
    VstIntPtr versionAnswer = kVstVersion;
    float sampleRate = 44100.0f;
    VstInt32 blockSize = 512;
    // Answer to audioMasterPinConnected (index, 0 input / 1 output): 0 means connected.
    std::function<VstIntPtr(VstInt32 index, VstIntPtr isOutput)> pinAnswer;
};

class Host {
public:
    explicit Host(HostSettings settings = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Calls the entry point and, as hosts do, effOpen. Null when the plug-in made no effect.
    AEffect* instantiate(const PluginLibrary& library);

    std::vector<HostCall> calls() const;
    void clearCalls();
    HostSettings& settings() { return hostSettings; }

    static VstIntPtr VSTCALLBACK callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                          void* ptr, float opt);

private:
    VstIntPtr answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    HostSettings hostSettings;
    mutable std::mutex callsMutex;
    std::vector<HostCall> recorded;
};

// One loaded, instantiated and opened plug-in; closes it (effClose) and unloads on destruction.
class HostedPlugin {
public:
    static std::unique_ptr<HostedPlugin> load(const std::string& path, std::string& error,
                                              HostSettings settings = {});
    ~HostedPlugin();

    AEffect* effect() const { return aeffect; }
    Host& host() { return *pluginHost; }

    // effClose now instead of at destruction; the answer the plug-in gave.
    VstIntPtr close();
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);
    // Text queries into a zeroed 256-byte buffer.
    std::string text(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0);
    std::string name() { return text(effGetEffectName); }
    std::string vendor() { return text(effGetVendorString); }
    std::string product() { return text(effGetProductString); }
    std::string parameterName(VstInt32 index) { return text(effGetParamName, index); }
    std::string parameterDisplay(VstInt32 index) { return text(effGetParamDisplay, index); }
    std::string parameterLabel(VstInt32 index) { return text(effGetParamLabel, index); }
    std::string programName() { return text(effGetProgramName); }
    std::string programNameIndexed(VstInt32 index) { return text(effGetProgramNameIndexed, index); }
    VstIntPtr canDo(const std::string& capability);

    void setParameter(VstInt32 index, float value) { aeffect->setParameter(aeffect, index, value); }
    float getParameter(VstInt32 index) { return aeffect->getParameter(aeffect, index); }

    // effSetSampleRate, effSetBlockSize, effMainsChanged(1) in the order hosts use.
    void start(float sampleRate, VstInt32 blockSize);
    void stop() { dispatch(effMainsChanged, 0, 0); }
    void process(float** inputs, float** outputs, VstInt32 frames) { aeffect->processReplacing(aeffect, inputs, outputs, frames); }
    void process(double** inputs, double** outputs, VstInt32 frames)
    {
        aeffect->processDoubleReplacing(aeffect, inputs, outputs, frames);
    }

private:
    HostedPlugin() = default;
    std::unique_ptr<PluginLibrary> library;
    std::unique_ptr<Host> pluginHost;
    AEffect* aeffect = nullptr;
};

} // namespace vsthost
