// Prints what a host sees of a VST2 plug-in: record, names, parameters, programs, capabilities.
#include "Host.h"

#include <cstdio>
#include <string>

namespace {

std::string fourCharCode(VstInt32 code)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        char c = static_cast<char>((code >> shift) & 0xFF);
        text += (c >= 32 && c < 127) ? c : '?';
    }
    return text;
}

const char* const kCapabilities[] = {"1in1out", "1in2out", "2in2out", "2in1out", "offline", "plugAsChannelInsert",
                                     "mixDryWet", "receiveVstMidiEvent", "sendVstEvents", "bypass"};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: vstinfo PLUGIN\n");
        return 2;
    }
    std::string error;
    auto plugin = vsthost::HostedPlugin::load(argv[1], error);
    if (!plugin) {
        std::fprintf(stderr, "vstinfo: %s\n", error.c_str());
        return 1;
    }
    AEffect* e = plugin->effect();
    std::printf("file      %s\n", argv[1]);
    std::printf("name      %s\n", plugin->name().c_str());
    std::printf("vendor    %s\n", plugin->vendor().c_str());
    std::printf("product   %s\n", plugin->product().c_str());
    std::printf("version   %d (vendor version %ld)\n", e->version,
                static_cast<long>(plugin->dispatch(effGetVendorVersion)));
    std::printf("unique ID %s, VST version %ld, category %ld\n", fourCharCode(e->uniqueID).c_str(),
                static_cast<long>(plugin->dispatch(effGetVstVersion)),
                static_cast<long>(plugin->dispatch(effGetPlugCategory)));
    std::printf("channels  %d in, %d out; flags %d; latency %d samples\n", e->numInputs, e->numOutputs, e->flags,
                e->initialDelay);

    std::printf("\nparameters (%d)\n", e->numParams);
    for (VstInt32 i = 0; i < e->numParams; ++i)
        std::printf("  %2d  %-12s = %-8s %s  (%.4f)\n", i, ("\"" + plugin->parameterName(i) + "\"").c_str(),
                    plugin->parameterDisplay(i).c_str(), plugin->parameterLabel(i).c_str(), plugin->getParameter(i));

    std::printf("\nprograms (host sees %d; current \"%s\")\n", e->numPrograms, plugin->programName().c_str());
    for (VstInt32 i = 0;; ++i) {
        char name[256] = {};
        if (!plugin->dispatch(effGetProgramNameIndexed, i, -1, name))
            break;
        std::printf("  %2d  %s\n", i, name);
    }

    std::printf("\ncanDo\n");
    for (const char* capability : kCapabilities)
        std::printf("  %-20s %ld\n", capability, static_cast<long>(plugin->canDo(capability)));
    return 0;
}
