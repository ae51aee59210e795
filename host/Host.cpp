#include "Host.h"

#include <cstring>

namespace vsthost {

namespace {
// The host that is running an entry point on this thread: plug-ins call back before we know their record.
thread_local Host* instantiatingHost = nullptr;

void copyAnswer(void* ptr, const char* text)
{
    if (ptr)
        std::strcpy(static_cast<char*>(ptr), text);
}
} // namespace

Host::Host(HostSettings settings) : hostSettings(std::move(settings)) {}

Host::~Host() = default;

AEffect* Host::instantiate(const PluginLibrary& library)
{
    Host* outer = instantiatingHost;
    instantiatingHost = this;
    AEffect* effect = library.entry()(&Host::callback);
    instantiatingHost = outer;
    if (!effect || effect->magic != kEffectMagic)
        return nullptr;
    effect->resvd1 = reinterpret_cast<VstIntPtr>(this);
    effect->dispatcher(effect, effOpen, 0, 0, nullptr, 0.0f);
    return effect;
}

VstIntPtr VSTCALLBACK Host::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                     float opt)
{
    Host* host = effect && effect->resvd1 ? reinterpret_cast<Host*>(effect->resvd1) : instantiatingHost;
    if (!host)
        return opcode == audioMasterVersion ? kVstVersion : 0;
    return host->answer(effect, opcode, index, value, ptr, opt);
}

VstIntPtr Host::answer(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    {
        std::lock_guard<std::mutex> lock(callsMutex);
        recorded.push_back({opcode, index, value, effect == nullptr, ptr == nullptr, opt});
    }
    switch (opcode) {
    case audioMasterVersion:
        return hostSettings.versionAnswer;
    case audioMasterPinConnected:
        return hostSettings.pinAnswer ? hostSettings.pinAnswer(index, value) : 0;
    case audioMasterGetSampleRate:
        return static_cast<VstIntPtr>(hostSettings.sampleRate);
    case audioMasterGetBlockSize:
        return hostSettings.blockSize;
    case audioMasterGetVendorString:
        copyAnswer(ptr, "Quorvel");
        return ptr ? 1 : 0;
    case audioMasterGetProductString:
        copyAnswer(ptr, "qghost");
        return ptr ? 1 : 0;
    case audioMasterGetVendorVersion:
        return 1;
    case audioMasterGetAutomationState:
        return 1;  // automation off
    case audioMasterGetLanguage:
        return 1;  // English
    case audioMasterUpdateDisplay:
    case audioMasterBeginEdit:
    case audioMasterEndEdit:
        return 1;
    default:
        return 0;
    }
}

std::vector<HostCall> Host::calls() const
{
    std::lock_guard<std::mutex> lock(callsMutex);
    return recorded;
}

void Host::clearCalls()
{
    std::lock_guard<std::mutex> lock(callsMutex);
    recorded.clear();
}

std::unique_ptr<HostedPlugin> HostedPlugin::load(const std::string& path, std::string& error, HostSettings settings)
{
    std::unique_ptr<HostedPlugin> hosted(new HostedPlugin());
    hosted->library = PluginLibrary::open(path, error);
    if (!hosted->library)
        return nullptr;
    hosted->pluginHost.reset(new Host(std::move(settings)));
    hosted->aeffect = hosted->pluginHost->instantiate(*hosted->library);
    if (!hosted->aeffect) {
        error = "the plug-in made no effect: " + path;
        return nullptr;
    }
    return hosted;
}

HostedPlugin::~HostedPlugin()
{
    close();
}

VstIntPtr HostedPlugin::close()
{
    if (!aeffect)
        return 0;
    VstIntPtr result = aeffect->dispatcher(aeffect, effClose, 0, 0, nullptr, 0.0f);
    aeffect = nullptr;
    return result;
}

VstIntPtr HostedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return aeffect->dispatcher(aeffect, opcode, index, value, ptr, opt);
}

std::string HostedPlugin::text(VstInt32 opcode, VstInt32 index, VstIntPtr value)
{
    char buffer[256] = {};
    dispatch(opcode, index, value, buffer);
    buffer[sizeof buffer - 1] = 0;
    return buffer;
}

VstIntPtr HostedPlugin::canDo(const std::string& capability)
{
    std::string copy = capability;
    return dispatch(effCanDo, 0, 0, &copy[0]);
}

void HostedPlugin::start(float sampleRate, VstInt32 blockSize)
{
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effMainsChanged, 0, 1);
}

} // namespace vsthost
