// The binary record and constants that a VST 2.4 host and plug-in exchange.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define VSTCALLBACK __cdecl
#else
#define VSTCALLBACK
#endif

using VstInt16 = std::int16_t;
using VstInt32 = std::int32_t;
using VstInt64 = std::int64_t;
using VstIntPtr = std::intptr_t;

constexpr VstInt32 vstFourCharCode(char a, char b, char c, char d)
{
    return static_cast<VstInt32>((static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24)
                                 | (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16)
                                 | (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8)
                                 | static_cast<std::uint32_t>(static_cast<unsigned char>(d)));
}

constexpr VstInt32 kEffectMagic = vstFourCharCode('V', 's', 't', 'P');
constexpr VstInt32 kEffectIdentifyCode = vstFourCharCode('N', 'v', 'E', 'f');
constexpr VstInt32 kVstVersion = 2400;

struct AEffect;

extern "C" {
typedef VstIntPtr(VSTCALLBACK* audioMasterCallback)(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                                    VstIntPtr value, void* ptr, float opt);
typedef VstIntPtr(VSTCALLBACK* AEffectDispatcherProc)(AEffect* effect, VstInt32 opcode, VstInt32 index,
                                                      VstIntPtr value, void* ptr, float opt);
typedef void(VSTCALLBACK* AEffectProcessProc)(AEffect* effect, float** inputs, float** outputs,
                                              VstInt32 sampleFrames);
typedef void(VSTCALLBACK* AEffectProcessDoubleProc)(AEffect* effect, double** inputs, double** outputs,
                                                    VstInt32 sampleFrames);
typedef void(VSTCALLBACK* AEffectSetParameterProc)(AEffect* effect, VstInt32 index, float parameter);
typedef float(VSTCALLBACK* AEffectGetParameterProc)(AEffect* effect, VstInt32 index);
typedef AEffect*(VSTCALLBACK* VstPluginMainProc)(audioMasterCallback audioMaster);
}

struct AEffect {
    VstInt32 magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process;  // the old accumulating entry
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 numInputs;
    VstInt32 numOutputs;
    VstInt32 flags;
    VstIntPtr resvd1;  // the host's own
    VstIntPtr resvd2;
    VstInt32 initialDelay;
    VstInt32 realQualities;
    VstInt32 offQualities;
    float ioRatio;
    void* object;
    void* user;
    VstInt32 uniqueID;
    VstInt32 version;
    AEffectProcessProc processReplacing;
    AEffectProcessDoubleProc processDoubleReplacing;
    char future[56];
};

enum VstAEffectFlags : VstInt32 {
    effFlagsHasEditor = 1 << 0,
    effFlagsCanReplacing = 1 << 4,
    effFlagsProgramChunks = 1 << 5,
    effFlagsIsSynth = 1 << 8,
    effFlagsNoSoundInStop = 1 << 9,
    effFlagsCanDoubleReplacing = 1 << 12,
};

enum AEffectOpcodes : VstInt32 {
    effOpen = 0,
    effClose,
    effSetProgram,
    effGetProgram,
    effSetProgramName,
    effGetProgramName,
    effGetParamLabel,
    effGetParamDisplay,
    effGetParamName,
    effGetVu,
    effSetSampleRate,
    effSetBlockSize,
    effMainsChanged,
    effEditGetRect,
    effEditOpen,
    effEditClose,
    effEditDraw,
    effEditMouse,
    effEditKey,
    effEditIdle,
    effEditTop,
    effEditSleep,
    effIdentify,
    effGetChunk,
    effSetChunk,
    effProcessEvents,
    effCanBeAutomated,
    effString2Parameter,
    effGetNumProgramCategories,
    effGetProgramNameIndexed,
    effCopyProgram,
    effConnectInput,
    effConnectOutput,
    effGetInputProperties,
    effGetOutputProperties,
    effGetPlugCategory,
    effGetCurrentPosition,
    effGetDestinationBuffer,
    effOfflineNotify,
    effOfflinePrepare,
    effOfflineRun,
    effProcessVarIo,
    effSetSpeakerArrangement,
    effSetBlockSizeAndSampleRate,
    effSetBypass,
    effGetEffectName,
    effGetErrorText,
    effGetVendorString,
    effGetProductString,
    effGetVendorVersion,
    effVendorSpecific,
    effCanDo,
    effGetTailSize,
    effIdle,
    effGetIcon,
    effSetViewPosition,
    effGetParameterProperties,
    effKeysRequired,
    effGetVstVersion,
    effEditKeyDown,
    effEditKeyUp,
    effSetEditKnobMode,
    effGetMidiProgramName,
    effGetCurrentMidiProgram,
    effGetMidiProgramCategory,
    effHasMidiProgramsChanged,
    effGetMidiKeyName,
    effBeginSetProgram,
    effEndSetProgram,
    effGetSpeakerArrangement,
    effShellGetNextPlugin,
    effStartProcess,
    effStopProcess,
    effSetTotalSampleToProcess,
    effSetPanLaw,
    effBeginLoadBank,
    effBeginLoadProgram,
    effSetProcessPrecision,
    effGetNumMidiInputChannels,
    effGetNumMidiOutputChannels,
};

enum AudioMasterOpcodes : VstInt32 {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterCurrentId = 2,
    audioMasterIdle = 3,
    audioMasterPinConnected = 4,
    audioMasterWantMidi = 6,
    audioMasterGetTime = 7,
    audioMasterProcessEvents = 8,
    audioMasterIOChanged = 13,
    audioMasterSizeWindow = 15,
    audioMasterGetSampleRate = 16,
    audioMasterGetBlockSize = 17,
    audioMasterGetInputLatency = 18,
    audioMasterGetOutputLatency = 19,
    audioMasterGetCurrentProcessLevel = 23,
    audioMasterGetAutomationState = 24,
    audioMasterGetVendorString = 32,
    audioMasterGetProductString = 33,
    audioMasterGetVendorVersion = 34,
    audioMasterVendorSpecific = 35,
    audioMasterCanDo = 37,
    audioMasterGetLanguage = 38,
    audioMasterGetDirectory = 41,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44,
    audioMasterOpenFileSelector = 45,
    audioMasterCloseFileSelector = 46,
};

enum VstPlugCategory : VstInt32 {
    kPlugCategUnknown = 0,
    kPlugCategEffect,
    kPlugCategSynth,
    kPlugCategAnalysis,
    kPlugCategMastering,
    kPlugCategSpacializer,
    kPlugCategRoomFx,
    kPlugSurroundFx,
    kPlugCategRestoration,
    kPlugCategOfflineProcess,
    kPlugCategShell,
    kPlugCategGenerator,
};

// Text sizes that hosts allocate; a plug-in never writes more (terminator included).
constexpr int kVstMaxProgNameLen = 24;
constexpr int kVstMaxParamStrLen = 8;
constexpr int kVstMaxEffectNameLen = 32;
constexpr int kVstMaxVendorStrLen = 64;
constexpr int kVstMaxProductStrLen = 64;

struct ERect {
    VstInt16 top;
    VstInt16 left;
    VstInt16 bottom;
    VstInt16 right;
};

enum VstPinPropertiesFlags : VstInt32 {
    kVstPinIsActive = 1 << 0,
    kVstPinIsStereo = 1 << 1,
    kVstPinUseSpeaker = 1 << 2,
};

struct VstPinProperties {
    char label[64];
    VstInt32 flags;
    VstInt32 arrangementType;
    char shortLabel[8];
    char future[48];
};

struct VstSpeakerProperties {
    float azimuth;
    float elevation;
    float radius;
    float reserved;
    char name[64];
    VstInt32 type;
    char future[28];
};

struct VstSpeakerArrangement {
    VstInt32 type;
    VstInt32 numChannels;
    VstSpeakerProperties speakers[8];
};

struct VstKeyCode {
    VstInt32 character;
    unsigned char virt;
    unsigned char modifier;
};

// Hosts of every target rely on these sizes and offsets.
#if INTPTR_MAX == INT64_MAX
static_assert(sizeof(AEffect) == 192, "AEffect is 192 bytes on 64-bit targets");
static_assert(offsetof(AEffect, dispatcher) == 8 && offsetof(AEffect, process) == 16
                  && offsetof(AEffect, setParameter) == 24 && offsetof(AEffect, getParameter) == 32,
              "AEffect entry offsets");
static_assert(offsetof(AEffect, numPrograms) == 40 && offsetof(AEffect, numParams) == 44
                  && offsetof(AEffect, numInputs) == 48 && offsetof(AEffect, numOutputs) == 52
                  && offsetof(AEffect, flags) == 56,
              "AEffect count offsets");
static_assert(offsetof(AEffect, resvd1) == 64 && offsetof(AEffect, resvd2) == 72
                  && offsetof(AEffect, initialDelay) == 80 && offsetof(AEffect, realQualities) == 84
                  && offsetof(AEffect, offQualities) == 88 && offsetof(AEffect, ioRatio) == 92,
              "AEffect middle offsets");
static_assert(offsetof(AEffect, object) == 96 && offsetof(AEffect, user) == 104
                  && offsetof(AEffect, uniqueID) == 112 && offsetof(AEffect, version) == 116
                  && offsetof(AEffect, processReplacing) == 120
                  && offsetof(AEffect, processDoubleReplacing) == 128 && offsetof(AEffect, future) == 136,
              "AEffect tail offsets");
#elif INTPTR_MAX == INT32_MAX
static_assert(sizeof(AEffect) == 144, "AEffect is 144 bytes on 32-bit targets");
static_assert(offsetof(AEffect, dispatcher) == 4 && offsetof(AEffect, process) == 8
                  && offsetof(AEffect, setParameter) == 12 && offsetof(AEffect, getParameter) == 16,
              "AEffect entry offsets");
static_assert(offsetof(AEffect, numPrograms) == 20 && offsetof(AEffect, numParams) == 24
                  && offsetof(AEffect, numInputs) == 28 && offsetof(AEffect, numOutputs) == 32
                  && offsetof(AEffect, flags) == 36,
              "AEffect count offsets");
static_assert(offsetof(AEffect, resvd1) == 40 && offsetof(AEffect, resvd2) == 44
                  && offsetof(AEffect, initialDelay) == 48 && offsetof(AEffect, realQualities) == 52
                  && offsetof(AEffect, offQualities) == 56 && offsetof(AEffect, ioRatio) == 60,
              "AEffect middle offsets");
static_assert(offsetof(AEffect, object) == 64 && offsetof(AEffect, user) == 68
                  && offsetof(AEffect, uniqueID) == 72 && offsetof(AEffect, version) == 76
                  && offsetof(AEffect, processReplacing) == 80
                  && offsetof(AEffect, processDoubleReplacing) == 84 && offsetof(AEffect, future) == 88,
              "AEffect tail offsets");
#else
#error "unsupported pointer size"
#endif
static_assert(sizeof(ERect) == 8, "ERect");
static_assert(sizeof(VstPinProperties) == 128, "VstPinProperties");
static_assert(sizeof(VstSpeakerProperties) == 112, "VstSpeakerProperties");
static_assert(sizeof(VstSpeakerArrangement) == 904, "VstSpeakerArrangement");
