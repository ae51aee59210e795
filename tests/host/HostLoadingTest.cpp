// The host library against binaries other than ours: it must speak the real interface.
#include "Host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

using vsthost::HostedPlugin;

namespace {
// A plug-in of another maker from Debian's packages (zam-plugins).
const char* const kThirdPartyPlugin = "/usr/lib/vst/ZamEQ2-vst.so";
} // namespace

TEST(HostLoading, ThirdPartyPluginLoadsAndProcesses)
{
    if (!std::ifstream(kThirdPartyPlugin).good())
        GTEST_SKIP() << kThirdPartyPlugin << " is not installed";
    std::string error;
    auto plugin = HostedPlugin::load(kThirdPartyPlugin, error);
    ASSERT_TRUE(plugin) << error;
    EXPECT_EQ(plugin->effect()->magic, kEffectMagic);
    EXPECT_EQ(plugin->name(), "ZamEQ2");
    EXPECT_GT(plugin->effect()->numParams, 0);
    EXPECT_FALSE(plugin->parameterName(0).empty());

    plugin->start(48000.0f, 256);
    const int channels = std::max(plugin->effect()->numInputs, plugin->effect()->numOutputs);
    std::vector<std::vector<float>> in(channels, std::vector<float>(256, 0.25f)), out(channels, std::vector<float>(256));
    std::vector<float*> inputs, outputs;
    for (int c = 0; c < channels; ++c) {
        inputs.push_back(in[c].data());
        outputs.push_back(out[c].data());
    }
    plugin->process(inputs.data(), outputs.data(), 256);
    for (float sample : out[0])
        EXPECT_TRUE(std::isfinite(sample));
    plugin->stop();
    EXPECT_EQ(plugin->close(), 1);
}

TEST(HostLoading, AcceptsPluginsThatExportOnlyMain)
{
    std::string error;
    auto plugin = HostedPlugin::load(QG_LEGACY_PLUGIN_PATH, error);
    ASSERT_TRUE(plugin) << error;
    EXPECT_EQ(plugin->effect()->uniqueID, vstFourCharCode('L', 'e', 'g', 'y'));
    float in[3] = {1, 2, 3}, out[3] = {};
    float* inputs[1] = {in};
    float* outputs[1] = {out};
    plugin->process(inputs, outputs, 3);
    EXPECT_EQ(out[2], -3.0f);
    ASSERT_FALSE(plugin->host().calls().empty());
    EXPECT_EQ(plugin->host().calls()[0].opcode, audioMasterVersion);
}

TEST(HostLoading, RefusalsExplainThemselves)
{
    std::string error;
    EXPECT_FALSE(HostedPlugin::load("/nonexistent/plugin.so", error));
    EXPECT_NE(error.find("/nonexistent/plugin.so"), std::string::npos);

    error.clear();
    EXPECT_FALSE(HostedPlugin::load(QG_NOT_A_PLUGIN_PATH, error));
    EXPECT_NE(error.find("no VST2 entry point"), std::string::npos) << error;

    error.clear();
    vsthost::HostSettings refusing;
    refusing.versionAnswer = 0;
    EXPECT_FALSE(HostedPlugin::load(QG_LEGACY_PLUGIN_PATH, error, refusing));
    EXPECT_NE(error.find("made no effect"), std::string::npos) << error;
}
