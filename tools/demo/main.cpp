// qg-demo: renders a synthesised drum-and-bass loop through a factory program and plots the levels.
#include "DrumAndBassLoop.h"
#include "LevelPlot.h"
#include "RenderSession.h"
#include "SoundFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kDefaultProgram = "Make it Pump";

const char* const kUsage =
    "usage: qg-demo [--out DIR] [--program N|NAME] [--plugin PATH] [--seconds S]\n"
    "Synthesises a drum-and-bass loop, renders it through a factory program of Quorvel Graywick\n"
    "and writes DIR/in.wav, DIR/out.wav and DIR/levels.png (input and output level over time).\n"
    "  --out DIR          output folder, made if missing (default: demo)\n"
    "  --program N|NAME   factory program by number or name (default: \"Make it Pump\")\n"
    "  --plugin PATH      the plug-in binary (default: QuorvelGraywick.so beside this program)\n"
    "  --seconds S        length of the loop, 1 to 600 (default: 8)\n";

int fail(const std::string& message, int code = 1)
{
    std::fprintf(stderr, "qg-demo: error: %s\n", message.c_str());
    return code;
}

double decibels(double linear)
{
    return linear > 1e-10 ? 20.0 * std::log10(linear) : -200.0;
}

// Stereo RMS level in dBFS over 50 ms windows every 10 ms.
std::vector<double> levelCurve(const demo::StereoBuffer& audio, double stepSeconds)
{
    const int window = static_cast<int>(0.05 * audio.sampleRate);
    const int step = static_cast<int>(stepSeconds * audio.sampleRate);
    std::vector<double> curve;
    for (std::size_t start = 0; start + window <= audio.left.size(); start += step) {
        double energy = 0.0;
        for (int i = 0; i < window; ++i) {
            const double l = audio.left[start + i], r = audio.right[start + i];
            energy += 0.5 * (l * l + r * r);
        }
        curve.push_back(decibels(std::sqrt(energy / window)));
    }
    return curve;
}

double peakOf(const demo::StereoBuffer& audio)
{
    double peak = 0.0;
    for (std::size_t i = 0; i < audio.left.size(); ++i)
        peak = std::max({peak, std::fabs(static_cast<double>(audio.left[i])),
                         std::fabs(static_cast<double>(audio.right[i]))});
    return peak;
}

double rmsOf(const demo::StereoBuffer& audio)
{
    double energy = 0.0;
    for (std::size_t i = 0; i < audio.left.size(); ++i)
        energy += 0.5 * (static_cast<double>(audio.left[i]) * audio.left[i] +
                         static_cast<double>(audio.right[i]) * audio.right[i]);
    return std::sqrt(energy / std::max<std::size_t>(1, audio.left.size()));
}

bool writeWav(const std::string& path, const demo::StereoBuffer& audio, std::string& error)
{
    render::SoundFileWriter writer;
    if (!writer.open(path, 2, audio.sampleRate, SF_FORMAT_WAV | SF_FORMAT_FLOAT, error))
        return false;
    const std::vector<std::vector<float>> planar = {audio.left, audio.right};
    return writer.write(planar, static_cast<int>(audio.left.size()), error) && writer.commit(error);
}

} // namespace

int main(int argc, char** argv)
{
    std::string folder = "demo", program = kDefaultProgram, pluginPath = render::defaultPluginPath();
    double seconds = 8.0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--seconds" && i + 1 < argc) {
            char* end = nullptr;
            seconds = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(seconds >= 1.0 && seconds <= 600.0))
                return fail("--seconds needs a number from 1 to 600", 2);
            continue;
        }
        if ((arg == "--out" || arg == "--program" || arg == "--plugin") && i + 1 < argc) {
            (arg == "--out" ? folder : arg == "--program" ? program : pluginPath) = argv[++i];
            continue;
        }
        return fail(arg[0] == '-' && arg.size() > 1 ? "'" + arg + "' is unknown or needs a value (see --help)"
                                                     : "unexpected argument '" + arg + "' (see --help)",
                    2);
    }

    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
        return fail("cannot make the folder '" + folder + "': " + ec.message());

    const demo::StereoBuffer input = demo::drumAndBassLoop(seconds);
    render::SessionSettings settings;
    settings.pluginPath = pluginPath;
    settings.channels = 2;
    settings.sampleRate = input.sampleRate;
    std::string error;
    std::unique_ptr<render::RenderSession> session = render::RenderSession::open(settings, error);
    if (!session)
        return fail(error);
    if (!session->selectProgram(program, error))
        return fail(error);
    const std::string programName = session->plugin().programName();
    session->start();

    demo::StereoBuffer output = input;
    std::vector<std::vector<float>> block(2, std::vector<float>(settings.blockSize));
    for (std::size_t start = 0; start < input.left.size(); start += settings.blockSize) {
        const int frames = static_cast<int>(std::min<std::size_t>(settings.blockSize, input.left.size() - start));
        std::copy_n(input.left.begin() + start, frames, block[0].begin());
        std::copy_n(input.right.begin() + start, frames, block[1].begin());
        session->process(block, frames);
        std::copy_n(block[0].begin(), frames, output.left.begin() + start);
        std::copy_n(block[1].begin(), frames, output.right.begin() + start);
    }

    const std::string inPath = folder + "/in.wav", outPath = folder + "/out.wav", plotPath = folder + "/levels.png";
    if (!writeWav(inPath, input, error) || !writeWav(outPath, output, error))
        return fail(error);
    const double step = 0.01;
    const std::vector<demo::LevelCurve> curves = {{"input", levelCurve(input, step), 0.55, 0.6, 0.7},
                                                  {"output", levelCurve(output, step), 0.85, 0.35, 0.05}};
    if (!demo::plotLevels(plotPath, "Drum-and-bass loop through \"" + programName + "\" (RMS, 50 ms)", curves, step,
                          error))
        return fail(error);

    const double peakIn = decibels(peakOf(input)), peakOut = decibels(peakOf(output));
    const double rmsIn = decibels(rmsOf(input)), rmsOut = decibels(rmsOf(output));
    std::printf("program:        %s\n", programName.c_str());
    std::printf("peak level:     in %6.2f dBFS, out %6.2f dBFS, change %+6.2f dB\n", peakIn, peakOut, peakOut - peakIn);
    std::printf("average (RMS):  in %6.2f dBFS, out %6.2f dBFS, change %+6.2f dB\n", rmsIn, rmsOut, rmsOut - rmsIn);
    std::printf("crest factor:   in %6.2f dB,   out %6.2f dB\n", peakIn - rmsIn, peakOut - rmsOut);
    std::printf("wrote %s, %s, %s\n", inPath.c_str(), outPath.c_str(), plotPath.c_str());
    return 0;
}
