#include "RenderOptions.h"

#include <cstdlib>

namespace render {

const char* const kRenderUsage =
    "usage: qg-render [options] INPUT OUTPUT\n"
    "Renders an audio file through a VST2 plug-in (Quorvel Graywick by default), keeping its sample rate\n"
    "and channel count. OUTPUT appears only when the whole file was rendered.\n"
    "\n"
    "  --plugin PATH        the plug-in binary (default: QuorvelGraywick.so beside this program)\n"
    "  --program N|NAME     a factory program of Quorvel Graywick, by number 0..32 or by name\n"
    "  --set NAME=VALUE     a parameter by name or index, normalised value 0..1; may be repeated,\n"
    "                       applied after --program (e.g. --set Ratio=0.5 --set 5=0.75)\n"
    "  --block N            block size in frames, 1..65536 (default 512)\n"
    "  --double             process 64-bit samples (processDoubleReplacing)\n"
    "  --mono-layout L      for mono files: 1in2out (default) or 1in1out\n"
    "  --list               print the plug-in's parameters and programs, render nothing\n"
    "  --quiet              no progress bar and no summary\n"
    "  --help               this text\n";

namespace {
bool needsValue(int i, int argc, const std::string& option, std::string& error)
{
    if (i + 1 < argc)
        return true;
    error = option + " needs a value";
    return false;
}
} // namespace

bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error)
{
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--double") {
            options.doublePrecision = true;
        } else if (arg == "--list") {
            options.list = true;
        } else if (arg == "--quiet" || arg == "-q") {
            options.quiet = true;
        } else if (arg == "--plugin" || arg == "--program" || arg == "--set" || arg == "--block" ||
                   arg == "--mono-layout") {
            if (!needsValue(i, argc, arg, error))
                return false;
            const std::string value = argv[++i];
            if (arg == "--plugin") {
                options.pluginPath = value;
            } else if (arg == "--program") {
                options.program = value;
            } else if (arg == "--set") {
                options.assignments.push_back(value);
            } else if (arg == "--block") {
                char* end = nullptr;
                const long block = std::strtol(value.c_str(), &end, 10);
                if (value.empty() || *end != '\0' || block < 1 || block > 65536) {
                    error = "--block needs a whole number from 1 to 65536, not '" + value + "'";
                    return false;
                }
                options.blockSize = static_cast<int>(block);
            } else if (value == "1in2out" || value == "1in1out") {
                options.monoLayout = value == "1in2out" ? MonoLayout::OneInTwoOut : MonoLayout::OneInOneOut;
            } else {
                error = "--mono-layout takes 1in2out or 1in1out, not '" + value + "'";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "' (see --help)";
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (options.help)
        return true;
    if (options.list && positional.empty())
        return true;
    if (positional.size() != 2) {
        error = "give one INPUT and one OUTPUT file (see --help)";
        return false;
    }
    options.input = positional[0];
    options.output = positional[1];
    return true;
}

} // namespace render
