// At the end of a test program, empties the font caches that cairo and fontconfig keep for the
// life of the process, so that the leak checker sees only what the code under test kept.
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <gtest/gtest.h>

namespace {

class ReleaseFontCaches : public ::testing::Environment {
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new ReleaseFontCaches);

} // namespace
