// qg-render: renders an audio file through a VST2 plug-in from the command line.
#include "RenderOptions.h"
#include "RenderSession.h"
#include "SoundFile.h"

#include <chrono>
#include <csignal>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace render;

namespace {

// Removed by the signal handler so that an interrupted render leaves no partial file.
char temporaryToRemove[4096];

extern "C" void removeTemporaryAndExit(int signalNumber)
{
    if (temporaryToRemove[0])
        unlink(temporaryToRemove);
    _exit(128 + signalNumber);
}

int fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "qg-render: error: %s\n", message.c_str());
    return code;
}

class ProgressBar {
public:
    ProgressBar(long long total, bool enabled) : total(total), enabled(enabled && total > 0 && isatty(2)) {}

    void show(long long done)
    {
        if (!enabled)
            return;
        const int percent = static_cast<int>(done * 100 / total);
        if (percent == shown)
            return;
        shown = percent;
        char bar[41];
        const int filled = percent * 40 / 100;
        for (int i = 0; i < 40; ++i)
            bar[i] = i < filled ? '#' : '.';
        bar[40] = '\0';
        std::fprintf(stderr, "\r[%s] %3d%%", bar, percent);
        if (done >= total)
            std::fprintf(stderr, "\n");
        std::fflush(stderr);
    }

private:
    long long total;
    bool enabled;
    int shown = -1;
};

int listPlugin(const RenderOptions& options)
{
    SessionSettings settings;
    settings.pluginPath = options.pluginPath;
    std::string error;
    std::unique_ptr<RenderSession> session = RenderSession::open(settings, error);
    if (!session)
        return fail(error);
    vsthost::HostedPlugin& plugin = session->plugin();
    std::printf("%s\nparameters:\n", plugin.name().c_str());
    for (VstInt32 i = 0; i < plugin.effect()->numParams; ++i)
        std::printf("  %2d  %-14s %s\n", i, plugin.parameterName(i).c_str(), plugin.parameterDisplay(i).c_str());
    std::printf("programs:\n");
    for (VstInt32 i = 0; i < 128; ++i) {
        const std::string name = plugin.programNameIndexed(i);
        if (name.empty())
            break;
        std::printf("  %2d  %s\n", i, name.c_str());
    }
    return 0;
}

template <typename Sample>
int renderFile(const RenderOptions& options, SoundFileReader& reader, RenderSession& session)
{
    SoundFileWriter writer;
    std::string error;
    if (!writer.open(options.output, reader.channels(), reader.sampleRate(), reader.format(), error))
        return fail(error);
    std::strncpy(temporaryToRemove, writer.temporaryPath(), sizeof temporaryToRemove - 1);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        std::signal(signalNumber, removeTemporaryAndExit);

    const int block = options.blockSize;
    std::vector<std::vector<Sample>> channels(reader.channels(), std::vector<Sample>(block));
    ProgressBar progress(reader.frames(), !options.quiet);
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t startedCpu = std::clock();
    long long done = 0;
    for (;;) {
        const int frames = reader.read(channels, block);
        if (frames <= 0)
            break;
        session.process(channels, frames);
        if (!writer.write(channels, frames, error))
            return fail(error);
        done += frames;
        progress.show(done);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    const double cpuSeconds = static_cast<double>(std::clock() - startedCpu) / CLOCKS_PER_SEC;
    if (!writer.commit(error))
        return fail(error);
    temporaryToRemove[0] = '\0';
    if (!options.quiet) {
        const double audio = done / reader.sampleRate();
        // CPU time as well: on a busy machine the wall clock says more about the other processes.
        std::fprintf(stderr, "qg-render: %.1f s of audio in %.2f s (%.0fx real time; %.2f s CPU, %.0fx) -> %s\n",
                     audio, seconds, seconds > 0 ? audio / seconds : 0.0, cpuSeconds,
                     cpuSeconds > 0 ? audio / cpuSeconds : 0.0, options.output.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    RenderOptions options;
    std::string error;
    if (!parseRenderOptions(argc, argv, options, error))
        return fail(error, 2);
    if (options.help) {
        std::fputs(kRenderUsage, stdout);
        return 0;
    }
    if (options.pluginPath.empty())
        options.pluginPath = defaultPluginPath();
    if (options.list)
        return listPlugin(options);

    SoundFileReader reader;
    if (!reader.open(options.input, error))
        return fail(error);
    SessionSettings settings;
    settings.pluginPath = options.pluginPath;
    settings.channels = reader.channels();
    settings.monoLayout = options.monoLayout;
    settings.sampleRate = reader.sampleRate();
    settings.blockSize = options.blockSize;
    settings.doublePrecision = options.doublePrecision;
    std::unique_ptr<RenderSession> session = RenderSession::open(settings, error);
    if (!session)
        return fail(error);
    if (!options.program.empty() && !session->selectProgram(options.program, error))
        return fail(error);
    for (const std::string& assignment : options.assignments)
        if (!session->setParameter(assignment, error))
            return fail(error);
    session->start();
    return options.doublePrecision ? renderFile<double>(options, reader, *session)
                                   : renderFile<float>(options, reader, *session);
}
