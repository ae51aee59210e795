#include "RenderSession.h"

#include "ProgramChunk.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace render {

namespace {

constexpr VstInt32 kOurUniqueId = ('Q' << 24) | ('G' << 16) | ('W' << 8) | 'K';
// Speaker arrangement types of the VST 2.4 interface.
constexpr VstInt32 kArrangementMono = 0;
constexpr VstInt32 kArrangementStereo = 1;

std::string trimmedLower(std::string text)
{
    text.erase(0, text.find_first_not_of(" \t"));
    text.erase(text.find_last_not_of(" \t") + 1);
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A whole decimal number in [0, limit), else -1.
int indexFrom(const std::string& text, int limit)
{
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), ::isdigit))
        return -1;
    const int value = std::atoi(text.c_str());
    return value < limit ? value : -1;
}

} // namespace

std::string defaultPluginPath()
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = length > 0 ? std::string(self, static_cast<std::size_t>(length)) : std::string();
    folder = folder.substr(0, folder.find_last_of('/') + 1);
    return folder + "QuorvelGraywick.so";
}

std::unique_ptr<RenderSession> RenderSession::open(const SessionSettings& settings, std::string& error)
{
    if (settings.channels < 1 || settings.channels > 2) {
        error = "only mono and stereo audio can be rendered (the file has " + std::to_string(settings.channels) +
                " channels)";
        return nullptr;
    }
    std::unique_ptr<RenderSession> session(new RenderSession());
    session->config = settings;
    const bool stereoIn = settings.channels == 2;
    const bool stereoOut = stereoIn || settings.monoLayout == MonoLayout::OneInTwoOut;
    vsthost::HostSettings host;
    host.sampleRate = static_cast<float>(settings.sampleRate);
    host.blockSize = settings.blockSize;
    host.pinAnswer = [stereoIn, stereoOut](VstInt32 index, VstIntPtr isOutput) -> VstIntPtr {
        if (index == 0)
            return 0;
        const bool connected = index == 1 && (isOutput ? stereoOut : stereoIn);
        return connected ? 0 : 1;
    };
    std::string loadError;
    session->hosted = vsthost::HostedPlugin::load(settings.pluginPath, loadError, host);
    if (!session->hosted) {
        error = "cannot load the plug-in: " + loadError;
        return nullptr;
    }
    AEffect* effect = session->hosted->effect();
    if (!(effect->flags & effFlagsCanReplacing) || effect->numOutputs < 1 || effect->numInputs < 1) {
        error = "the plug-in cannot process audio in place of its input (no processReplacing)";
        return nullptr;
    }
    if (settings.doublePrecision && !(effect->flags & effFlagsCanDoubleReplacing)) {
        error = "the plug-in does not process 64-bit samples; leave out --double";
        return nullptr;
    }
    VstSpeakerArrangement in{}, out{};
    in.type = stereoIn ? kArrangementStereo : kArrangementMono;
    in.numChannels = stereoIn ? 2 : 1;
    out.type = stereoOut ? kArrangementStereo : kArrangementMono;
    out.numChannels = stereoOut ? 2 : 1;
    session->hosted->dispatch(effSetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&in), &out);

    // The plug-in may have more pins than the file has channels: give every pin a buffer.
    const int pins = std::max({effect->numInputs, effect->numOutputs, 2});
    session->scratchFloat.assign(pins * 2, std::vector<float>(settings.blockSize));
    session->scratchDouble.assign(settings.doublePrecision ? pins * 2 : 0, std::vector<double>(settings.blockSize));
    return session;
}

bool RenderSession::selectProgram(const std::string& program, std::string& error)
{
    if (hosted->effect()->uniqueID != kOurUniqueId) {
        error = "--program works only with Quorvel Graywick (it selects through that plug-in's state chunk)";
        return false;
    }
    int index = indexFrom(program, kProgramCount);
    if (index < 0) {
        const std::string wanted = trimmedLower(program);
        for (int i = 0; i < kProgramCount && index < 0; ++i)
            if (trimmedLower(hosted->programNameIndexed(i)) == wanted)
                index = i;
    }
    if (index < 0) {
        error = "no program '" + program + "' (give 0 to 32 or one of the names that --list shows)";
        return false;
    }
    void* current = nullptr;
    const VstIntPtr size = hosted->dispatch(effGetChunk, 0, 0, &current);
    if (size != static_cast<VstIntPtr>(kStateChunkSize) || !current) {
        error = "the plug-in gave no state chunk of the expected size, so no program can be selected";
        return false;
    }
    // Copy before writing back: the plug-in reuses its chunk buffer for setChunk.
    std::vector<unsigned char> chunk = stateChunkSelecting(
        hosted->effect()->uniqueID, index, static_cast<const unsigned char*>(current) + kRecordsOffset);
    if (hosted->dispatch(effSetChunk, 0, static_cast<VstIntPtr>(chunk.size()), chunk.data()) != 0) {
        error = "the plug-in refused the state chunk that selects program " + std::to_string(index);
        return false;
    }
    return true;
}

std::vector<std::string> RenderSession::parameterNames()
{
    std::vector<std::string> names;
    for (VstInt32 i = 0; i < hosted->effect()->numParams; ++i)
        names.push_back(hosted->parameterName(i));
    return names;
}

bool RenderSession::setParameter(const std::string& assignment, std::string& error)
{
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        error = "--set needs Name=value or index=value, not '" + assignment + "'";
        return false;
    }
    const std::string key = assignment.substr(0, equals);
    const std::string valueText = assignment.substr(equals + 1);
    const int count = hosted->effect()->numParams;
    int index = indexFrom(key, count);
    if (index < 0) {
        const std::string wanted = trimmedLower(key);
        const std::vector<std::string> names = parameterNames();
        for (int i = 0; i < count && index < 0; ++i)
            if (!wanted.empty() && trimmedLower(names[i]) == wanted)
                index = i;
    }
    if (index < 0) {
        error = "unknown parameter '" + key + "' (give a name that --list shows or an index 0 to " +
                std::to_string(count - 1) + ")";
        return false;
    }
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(valueText.c_str(), &end);
    if (valueText.empty() || *end != '\0' || errno != 0 || !(value >= 0.0 && value <= 1.0)) {
        error = "--set " + assignment + ": the value must be a number from 0 to 1";
        return false;
    }
    hosted->setParameter(index, static_cast<float>(value));
    return true;
}

void RenderSession::start()
{
    hosted->start(static_cast<float>(config.sampleRate), config.blockSize);
}

template <typename Sample>
void RenderSession::processBlock(std::vector<std::vector<Sample>>& channels,
                                 std::vector<std::vector<Sample>>& scratch, int frames)
{
    const std::size_t pins = scratch.size() / 2;
    std::vector<Sample*> inputs(pins), outputs(pins);
    for (std::size_t i = 0; i < pins; ++i) {
        inputs[i] = scratch[i].data();
        outputs[i] = scratch[pins + i].data();
        std::fill(scratch[i].begin(), scratch[i].begin() + frames, Sample(0));
    }
    for (std::size_t c = 0; c < channels.size(); ++c)
        std::copy(channels[c].begin(), channels[c].begin() + frames, scratch[c].begin());
    hosted->process(inputs.data(), outputs.data(), frames);
    for (std::size_t c = 0; c < channels.size(); ++c)
        std::copy(scratch[pins + c].begin(), scratch[pins + c].begin() + frames, channels[c].begin());
}

void RenderSession::process(std::vector<std::vector<float>>& channels, int frames)
{
    processBlock(channels, scratchFloat, frames);
}

void RenderSession::process(std::vector<std::vector<double>>& channels, int frames)
{
    processBlock(channels, scratchDouble, frames);
}

} // namespace render
