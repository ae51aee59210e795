#include "FuzzSupport.h"

#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fuzzing {

namespace {
VstIntPtr VSTCALLBACK quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    return opcode == audioMasterVersion ? kVstVersion : 0;
}
} // namespace

const char* useTemporaryUserStore()
{
    static std::string folder = [] {
        char base[] = "/tmp/qg-fuzz-XXXXXX";
        if (!mkdtemp(base))
            std::abort();
        setenv("XDG_CONFIG_HOME", base, 1);
        std::string values = std::string(base) + "/Quorvel-audio";
        mkdir(values.c_str(), 0700);
        values += "/QGWK01";
        mkdir(values.c_str(), 0700);
        return values;
    }();
    return folder.c_str();
}

FuzzEffect::FuzzEffect(audioMasterCallback host) : CPresetSystemEffect(host, 1, kNumParams)
{
    setUniqueID(vstFourCharCode('Q', 'G', 'W', 'K'));
    setEditor(new CPresetSystemEditor(this));
    requestStoredDefaults();
    selectProgram(0);
}

void FuzzEffect::setParameter(VstInt32 index, float value)
{
    if (index < 0 || index >= kNumParams)
        return;
    float clamped = value >= 0.0f ? (value <= 1.0f ? value : 1.0f) : 0.0f;  // NaN gives 0
    parameters[index] = clamped;
    CPresetSystemEffect::setParameter(index, clamped);
}

float FuzzEffect::getParameter(VstInt32 index)
{
    return index >= 0 && index < kNumParams ? parameters[index] : 0.0f;
}

FuzzEffect& plugin()
{
    static FuzzEffect* instance = [] {
        useTemporaryUserStore();
        return new FuzzEffect(&quietHost);
    }();
    return *instance;
}

CPresetSystemEditor& editor()
{
    auto* presets = dynamic_cast<CPresetSystemEditor*>(plugin().getEditor());
    require(presets != nullptr, "the effect has a preset editor");
    return *presets;
}

void requireBankInRange()
{
    for (int k = 0; k < kNumPresetPrograms; ++k)
        for (float value : plugin().programRecord(k).values)
            require(value >= 0.0f && value <= 1.0f, "stored values stay in 0..1");
}

} // namespace fuzzing
