// A VST2 plug-in loaded for offline rendering: channel layout, program and parameters, then blocks of audio.
#pragma once

#include "Host.h"

#include <memory>
#include <string>
#include <vector>

namespace render {

enum class MonoLayout { OneInTwoOut, OneInOneOut };

struct SessionSettings {
    std::string pluginPath;
    int channels = 2;  // of the audio file: 1 or 2
    MonoLayout monoLayout = MonoLayout::OneInTwoOut;
    double sampleRate = 44100.0;
    int blockSize = 512;
    bool doublePrecision = false;
};

class RenderSession {
public:
    // Null with a one-line reason in error.
    static std::unique_ptr<RenderSession> open(const SessionSettings& settings, std::string& error);

    // "N" or a program name, for Quorvel Graywick only; false with a reason.
    bool selectProgram(const std::string& program, std::string& error);
    // "Name=value" or "index=value", value normalised 0..1; false with a reason.
    bool setParameter(const std::string& assignment, std::string& error);
    std::vector<std::string> parameterNames();

    // Starts processing (effMainsChanged 1) after the settings are made.
    void start();
    // One block of planar channels in place; frames <= block size. The buffers hold file channels only.
    void process(std::vector<std::vector<float>>& channels, int frames);
    void process(std::vector<std::vector<double>>& channels, int frames);

    vsthost::HostedPlugin& plugin() { return *hosted; }
    const SessionSettings& settings() const { return config; }

private:
    RenderSession() = default;
    template <typename Sample>
    void processBlock(std::vector<std::vector<Sample>>& channels, std::vector<std::vector<Sample>>& scratch, int frames);

    SessionSettings config;
    std::unique_ptr<vsthost::HostedPlugin> hosted;
    std::vector<std::vector<float>> scratchFloat;
    std::vector<std::vector<double>> scratchDouble;
};

// Where the Quorvel Graywick binary lies when the tool runs from the build's bin folder.
std::string defaultPluginPath();

} // namespace render
