// Memory A stored by one process and recalled by another. CTest runs the writer, then the
// reader as a separate process, both on the same user store.
#include "PresetTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

using namespace presettest;

namespace {

void requireTestStore()
{
#ifndef _WIN32
    // Never the real configuration folder: CTest points this into the build tree.
    if (!std::getenv("XDG_CONFIG_HOME"))
        GTEST_SKIP() << "XDG_CONFIG_HOME is not set";
#endif
}

} // namespace

TEST(CrossProcess, StoreMemoA)
{
    requireTestStore();
    clearUserStore();
    auto plugin = makePlugin();
    plugin->selectProgram(22);
    plugin->renameCurrentProgram("Across processes");
    editorOf(*plugin).storeMemoA();
}

TEST(CrossProcess, RecallMemoA)
{
    requireTestStore();
    auto plugin = makePlugin();
    plugin->selectProgram(3);
    editorOf(*plugin).recallMemoA();
    EXPECT_EQ(programName(*plugin, 3), "Across processes");
    EXPECT_EQ(std::memcmp(plugin->programRecord(3).values, plugin->programRecord(22).values, 48), 0);
    EXPECT_EQ(plugin->getParameter(kCompression), 0.6f);
    plugin.reset();
    clearUserStore();
}
