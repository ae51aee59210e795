#include "AudioEffectX.h"

#include "AEffEditor.h"

bool AudioEffectX::isInputConnected(VstInt32 input)
{
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffectX::isOutputConnected(VstInt32 output)
{
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

bool AudioEffectX::updateDisplay()
{
    return callHost(audioMasterUpdateDisplay) != 0;
}

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    switch (opcode) {
    case effProcessEvents:
        return processEvents(ptr);
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effString2Parameter:
        return ptr && string2parameter(index, static_cast<char*>(ptr)) ? 1 : 0;
    case effGetProgramNameIndexed:
        return ptr && getProgramNameIndexed(static_cast<VstInt32>(value), index, static_cast<char*>(ptr)) ? 1 : 0;
    case effGetInputProperties:
        return ptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetOutputProperties:
        return ptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effSetSpeakerArrangement: {
        auto* input = reinterpret_cast<VstSpeakerArrangement*>(value);
        auto* output = static_cast<VstSpeakerArrangement*>(ptr);
        return input && output && setSpeakerArrangement(input, output) ? 1 : 0;
    }
    case effGetSpeakerArrangement: {
        auto** input = reinterpret_cast<VstSpeakerArrangement**>(value);
        auto** output = static_cast<VstSpeakerArrangement**>(ptr);
        if (!input || !output)
            return 0;
        return getSpeakerArrangement(input, output) ? 1 : 0;
    }
    case effSetBypass:
        return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName:
        return ptr && getEffectName(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetVendorString:
        return ptr && getVendorString(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetProductString:
        return ptr && getProductString(static_cast<char*>(ptr)) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return ptr ? canDo(static_cast<char*>(ptr)) : 0;
    case effGetTailSize:
        return getTailSize();
    case effGetParameterProperties:
        return ptr && getParameterProperties(index, ptr) ? 1 : 0;
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (!editor)
            return 0;
        VstKeyCode key{index, static_cast<unsigned char>(value), static_cast<unsigned char>(opt)};
        bool used = opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key);
        return used ? 1 : 0;
    }
    case effSetEditKnobMode:
        return editor && editor->setKnobMode(static_cast<VstInt32>(value)) ? 1 : 0;
    case effGetCurrentMidiProgram:
        return getCurrentMidiProgram();
    case effBeginSetProgram:
        return beginSetProgram() ? 1 : 0;
    case effEndSetProgram:
        return endSetProgram() ? 1 : 0;
    case effStartProcess:
        return startProcess();
    case effStopProcess:
        return stopProcess();
    case effSetTotalSampleToProcess:
        return setTotalSampleToProcess(static_cast<VstInt32>(value));
    case effSetPanLaw:
        return setPanLaw(static_cast<VstInt32>(value), opt) ? 1 : 0;
    case effBeginLoadBank:
        return ptr ? beginLoadBank(ptr) : 0;
    case effBeginLoadProgram:
        return ptr ? beginLoadProgram(ptr) : 0;
    case effSetProcessPrecision:
        return setProcessPrecision(static_cast<VstInt32>(value)) ? 1 : 0;
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}
