// Audio files through libsndfile: a reader, and a writer that never leaves a partial file behind.
#pragma once

#include <sndfile.h>

#include <string>
#include <vector>

namespace render {

class SoundFileReader {
public:
    ~SoundFileReader();
    bool open(const std::string& path, std::string& error);
    int channels() const { return info.channels; }
    double sampleRate() const { return info.samplerate; }
    long long frames() const { return info.frames; }
    int format() const { return info.format; }
    // Planar read of up to frames frames; returns the number read (0 at the end).
    template <typename Sample>
    int read(std::vector<std::vector<Sample>>& planar, int frames);

private:
    SNDFILE* file = nullptr;
    SF_INFO info{};
    std::vector<double> interleaved;
};

// Writes into a temporary file beside the destination and renames it into place on commit; a writer
// destroyed without commit removes the temporary file.
class SoundFileWriter {
public:
    ~SoundFileWriter();
    bool open(const std::string& path, int channels, double sampleRate, int inputFormat, std::string& error);
    template <typename Sample>
    bool write(const std::vector<std::vector<Sample>>& planar, int frames, std::string& error);
    bool commit(std::string& error);
    void abandon();
    // The temporary file's name while one is open, for removal from a signal handler.
    const char* temporaryPath() const { return temporary.c_str(); }

private:
    SNDFILE* file = nullptr;
    std::string destination;
    std::string temporary;
    int channelCount = 0;
    std::vector<double> interleaved;
};

// Major format for a file name's extension, 0 when unknown.
int majorFormatForName(const std::string& path);

} // namespace render
