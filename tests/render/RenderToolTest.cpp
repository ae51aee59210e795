// qg-render as a user runs it: results equal to hosting the plug-in directly, options, and clean failures.
#include "PluginUnderTest.h"
#include "SoundFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ToolRun {
    int exitCode;
    std::string errors;
};

class RenderTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/qg-render-test-XXXXXX";
        ASSERT_NE(mkdtemp(&pattern[0]), nullptr);
        folder = pattern;
    }

    void TearDown() override { std::system(("rm -rf '" + folder + "'").c_str()); }

    std::string path(const std::string& name) const { return folder + "/" + name; }

    ToolRun render(const std::string& arguments) const
    {
        const std::string errors = path("stderr.txt");
        const int status = std::system((std::string(QG_RENDER_PATH) + " " + arguments + " 2>'" + errors + "'").c_str());
        std::ifstream in(errors);
        std::stringstream text;
        text << in.rdbuf();
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
    }

    // A float WAV with a loud, varying programme.
    void writeInput(const std::string& name, int channels, int frames, double rate = 48000.0)
    {
        std::vector<std::vector<float>> planar(channels, std::vector<float>(frames));
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < frames; ++i)
                planar[c][i] = static_cast<float>(0.8 * std::sin(0.013 * i * (c + 1)) *
                                                  (0.5 + 0.5 * std::sin(0.0004 * i)));
        render::SoundFileWriter writer;
        std::string error;
        ASSERT_TRUE(writer.open(path(name), channels, rate, SF_FORMAT_WAV | SF_FORMAT_FLOAT, error)) << error;
        ASSERT_TRUE(writer.write(planar, frames, error)) << error;
        ASSERT_TRUE(writer.commit(error)) << error;
        source = planar;
    }

    std::vector<std::vector<float>> readFile(const std::string& name, double* rate = nullptr)
    {
        render::SoundFileReader reader;
        std::string error;
        EXPECT_TRUE(reader.open(path(name), error)) << error;
        std::vector<std::vector<float>> planar(reader.channels(), std::vector<float>(reader.frames()));
        EXPECT_EQ(reader.read(planar, static_cast<int>(reader.frames())), reader.frames());
        if (rate)
            *rate = reader.sampleRate();
        return planar;
    }

    // What a host gets from the plug-in for the same input, stereo, float blocks of 512.
    std::vector<std::vector<float>> hostedResult(const std::vector<std::pair<int, float>>& parameters, double rate)
    {
        auto plugin = testsupport::loadPlugin();
        for (const auto& p : parameters)
            plugin->setParameter(p.first, p.second);
        plugin->start(static_cast<float>(rate), 512);
        std::vector<std::vector<float>> data = source;
        for (std::size_t start = 0; start < data[0].size(); start += 512) {
            const int n = static_cast<int>(std::min<std::size_t>(512, data[0].size() - start));
            float* io[2] = {data[0].data() + start, data[1].data() + start};
            plugin->process(io, io, n);
        }
        return data;
    }

    std::string folder;
    std::vector<std::vector<float>> source;
};

std::string contentOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST_F(RenderTool, StereoFileEqualsHostingThePluginDirectly)
{
    writeInput("in.wav", 2, 48000 * 3 + 17);
    const ToolRun run = render("--quiet --set Ratio=1 --set 5=0.8 '" + path("in.wav") + "' '" + path("out.wav") + "'");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");
    double rate = 0.0;
    const std::vector<std::vector<float>> out = readFile("out.wav", &rate);
    EXPECT_EQ(rate, 48000.0);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out, hostedResult({{2, 1.0f}, {5, 0.8f}}, 48000.0));
    EXPECT_NE(out, source);
}

TEST_F(RenderTool, ProgramByNumberOrNameAndParameterByNameOrIndex)
{
    writeInput("in.wav", 2, 20000);
    const std::string in = " '" + path("in.wav") + "' ";
    ASSERT_EQ(render("-q --program 9" + in + "'" + path("a.wav") + "'").exitCode, 0);
    ASSERT_EQ(render("-q --program 'fastlim'" + in + "'" + path("b.wav") + "'").exitCode, 0);
    ASSERT_EQ(render("-q --program 0" + in + "'" + path("c.wav") + "'").exitCode, 0);
    // Samples, not bytes: the file header carries a time stamp.
    EXPECT_EQ(readFile("a.wav"), readFile("b.wav"));
    EXPECT_NE(readFile("a.wav"), readFile("c.wav"));
    // "FastLim": Clear, 10:1, Time 0.2, Compression 0.5, Output 0.1.
    EXPECT_EQ(readFile("a.wav"), hostedResult({{0, 1.0f}, {2, 1.0f}, {4, 0.2f}, {5, 0.5f}, {6, 0.1f}}, 48000.0));

    ASSERT_EQ(render("-q --set time=0.3" + in + "'" + path("d.wav") + "'").exitCode, 0);
    ASSERT_EQ(render("-q --set 4=0.3" + in + "'" + path("e.wav") + "'").exitCode, 0);
    EXPECT_EQ(readFile("d.wav"), readFile("e.wav"));
}

TEST_F(RenderTool, MonoFilesStayMonoInBothLayouts)
{
    writeInput("mono.wav", 1, 30000, 44100.0);
    const std::string in = " '" + path("mono.wav") + "' ";
    ASSERT_EQ(render("-q --mono-layout 1in2out" + in + "'" + path("a.wav") + "'").exitCode, 0);
    ASSERT_EQ(render("-q --mono-layout 1in1out --double" + in + "'" + path("b.wav") + "'").exitCode, 0);
    const std::vector<std::vector<float>> a = readFile("a.wav"), b = readFile("b.wav");
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    ASSERT_EQ(a[0].size(), 30000u);
    // The double path rounds once at the end, the float path the same: equal within float rounding.
    for (std::size_t i = 0; i < a[0].size(); ++i)
        ASSERT_NEAR(a[0][i], b[0][i], 1e-6) << i;
}

TEST_F(RenderTool, FailuresSayWhyAndLeaveNoFileBehind)
{
    writeInput("in.wav", 2, 5000);
    {
        std::ofstream precious(path("keep.wav"));
        precious << "an earlier good result";
    }
    const std::string in = "'" + path("in.wav") + "' ";
    const std::string keep = " '" + path("keep.wav") + "'";
    struct Case {
        std::string arguments;
        std::string mentions;
    } cases[] = {
        {"'" + path("missing.wav") + "'" + keep, "missing.wav"},
        {"--set Loudness=0.5 " + in + keep, "Loudness"},
        {"--set Ratio=2 " + in + keep, "0 to 1"},
        {"--program 40 " + in + keep, "40"},
        {"--program 'No Such Program' " + in + keep, "No Such Program"},
        {"--plugin '" + path("in.wav") + "' " + in + keep, "plug-in"},
        {"--plugin /nonexistent/plugin.so " + in + keep, "plug-in"},
        {"--block 0 " + in + keep, "--block"},
        {"--frobnicate " + in + keep, "--frobnicate"},
        {in, "OUTPUT"},
    };
    for (const Case& c : cases) {
        const ToolRun run = render(c.arguments);
        EXPECT_NE(run.exitCode, 0) << c.arguments;
        EXPECT_NE(run.errors.find("qg-render: error: "), std::string::npos) << run.errors;
        EXPECT_NE(run.errors.find(c.mentions), std::string::npos) << run.errors;
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
        EXPECT_EQ(contentOf(path("keep.wav")), "an earlier good result") << c.arguments;
    }
    const std::string leftovers = path("leftovers.txt");
    std::system(("ls -A '" + folder + "' > '" + leftovers + "'").c_str());
    EXPECT_EQ(contentOf(leftovers), "in.wav\nkeep.wav\nleftovers.txt\nstderr.txt\n");
}

TEST_F(RenderTool, InterruptedRenderLeavesNoPartialFile)
{
    writeInput("in.wav", 2, 48000 * 60);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execl(QG_RENDER_PATH, QG_RENDER_PATH, "--quiet", "--block", "1", path("in.wav").c_str(),
              path("out.wav").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    usleep(300000);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string leftovers = path("leftovers.txt");
    std::system(("ls -A '" + folder + "' > '" + leftovers + "'").c_str());
    EXPECT_EQ(contentOf(leftovers), "in.wav\nleftovers.txt\n");
}
