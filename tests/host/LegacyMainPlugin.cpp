// A minimal plug-in of the older Linux kind: its only entry point is named "main".
#include "aeffect.h"

namespace {

VstIntPtr VSTCALLBACK dispatch(AEffect* effect, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    if (opcode == effClose)
        delete effect;
    return opcode == effClose ? 1 : 0;
}

void VSTCALLBACK process(AEffect*, float** inputs, float** outputs, VstInt32 frames)
{
    for (VstInt32 i = 0; i < frames; ++i)
        outputs[0][i] = -inputs[0][i];
}

void VSTCALLBACK setParameter(AEffect*, VstInt32, float) {}
float VSTCALLBACK getParameter(AEffect*, VstInt32) { return 0; }

} // namespace

extern "C" __attribute__((visibility("default"))) AEffect* legacyEntry(audioMasterCallback host) __asm__("main");

extern "C" AEffect* legacyEntry(audioMasterCallback host)
{
    if (host(nullptr, audioMasterVersion, 0, 0, nullptr, 0) == 0)
        return nullptr;
    AEffect* effect = new AEffect{};
    effect->magic = kEffectMagic;
    effect->dispatcher = dispatch;
    effect->process = process;
    effect->processReplacing = process;
    effect->setParameter = setParameter;
    effect->getParameter = getParameter;
    effect->numInputs = 1;
    effect->numOutputs = 1;
    effect->uniqueID = vstFourCharCode('L', 'e', 'g', 'y');
    return effect;
}
