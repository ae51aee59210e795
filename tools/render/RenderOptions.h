// Command line of the renderer.
#pragma once

#include "RenderSession.h"

#include <string>
#include <vector>

namespace render {

struct RenderOptions {
    std::string input, output;
    std::string pluginPath;
    std::string program;  // empty: leave the plug-in's own start program
    std::vector<std::string> assignments;
    int blockSize = 512;
    bool doublePrecision = false;
    MonoLayout monoLayout = MonoLayout::OneInTwoOut;
    bool list = false;
    bool quiet = false;
    bool help = false;
};

// False with a one-line reason.
bool parseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);

extern const char* const kRenderUsage;

} // namespace render
