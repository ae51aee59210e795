#include "AudioEffect.h"

#include "AEffEditor.h"

namespace {

// The C entries of the record: recover the object, refuse a record that is not ours.
VstIntPtr VSTCALLBACK dispatchEntry(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                    float opt)
{
    AudioEffect* effect = AudioEffect::fromAEffect(e);
    if (!effect)
        return 0;
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

// Hosts still call the old accumulating entry now and then; nothing uses it.
void VSTCALLBACK processEntry(AEffect*, float**, float**, VstInt32) {}

void VSTCALLBACK processReplacingEntry(AEffect* e, float** inputs, float** outputs, VstInt32 frames)
{
    if (AudioEffect* effect = AudioEffect::fromAEffect(e))
        effect->processReplacing(inputs, outputs, frames);
}

void VSTCALLBACK processDoubleReplacingEntry(AEffect* e, double** inputs, double** outputs, VstInt32 frames)
{
    if (AudioEffect* effect = AudioEffect::fromAEffect(e))
        effect->processDoubleReplacing(inputs, outputs, frames);
}

void VSTCALLBACK setParameterEntry(AEffect* e, VstInt32 index, float value)
{
    if (AudioEffect* effect = AudioEffect::fromAEffect(e))
        effect->setParameter(index, value);
}

float VSTCALLBACK getParameterEntry(AEffect* e, VstInt32 index)
{
    AudioEffect* effect = AudioEffect::fromAEffect(e);
    return effect ? effect->getParameter(index) : 0.0f;
}

} // namespace

AudioEffect::AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
    : audioMaster(audioMaster), numPrograms(numPrograms), numParams(numParams)
{
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEntry;
    cEffect.process = processEntry;
    cEffect.setParameter = setParameterEntry;
    cEffect.getParameter = getParameterEntry;
    cEffect.numPrograms = numPrograms;
    cEffect.numParams = numParams;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.version = 1;
    cEffect.processReplacing = processReplacingEntry;
    cEffect.processDoubleReplacing = processDoubleReplacingEntry;
}

AudioEffect::~AudioEffect()
{
    delete editor;
}

AudioEffect* AudioEffect::fromAEffect(AEffect* effect)
{
    if (!effect || effect->magic != kEffectMagic)
        return nullptr;
    return static_cast<AudioEffect*>(effect->object);
}

void AudioEffect::setFlag(VstInt32 flag, bool state)
{
    if (state)
        cEffect.flags |= flag;
    else
        cEffect.flags &= ~flag;
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    editor = newEditor;
    setFlag(effFlagsHasEditor, editor != nullptr);
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion()
{
    VstIntPtr version = callHost(audioMasterVersion);
    return version ? static_cast<VstInt32>(version) : 1;
}

bool AudioEffect::beginEdit(VstInt32 index)
{
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffect::endEdit(VstInt32 index)
{
    return callHost(audioMasterEndEdit, index) != 0;
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    // Every opcode that writes through ptr refuses a null ptr instead of crashing.
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 1;
    case effSetProgram:
        if (value < numPrograms)
            setProgram(static_cast<VstInt32>(value));
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (ptr)
            setProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetProgramName:
        if (ptr)
            getProgramName(static_cast<char*>(ptr));
        return 0;
    case effGetParamLabel:
        if (ptr)
            getParameterLabel(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamDisplay:
        if (ptr)
            getParameterDisplay(index, static_cast<char*>(ptr));
        return 0;
    case effGetParamName:
        if (ptr)
            getParameterName(index, static_cast<char*>(ptr));
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value)
            resume();
        else
            suspend();
        return 0;
    case effEditGetRect:
        return editor && ptr ? editor->getRect(static_cast<ERect**>(ptr)) : 0;
    case effEditOpen:
        return editor ? editor->open(ptr) : 0;
    case effEditClose:
        if (editor)
            editor->close();
        return 0;
    case effEditIdle:
        if (editor)
            editor->idle();
        return 0;
    case effIdentify:
        return kEffectIdentifyCode;
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        // The effect refuses a null chunk itself, with its documented answer.
        return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
    default:
        return 0;
    }
}
