#include "SoundFile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace render {

SoundFileReader::~SoundFileReader()
{
    if (file)
        sf_close(file);
}

bool SoundFileReader::open(const std::string& path, std::string& error)
{
    file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file) {
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (info.frames < 0 || info.samplerate <= 0) {
        error = "'" + path + "' has no usable length or sample rate";
        return false;
    }
    return true;
}

template <typename Sample>
int SoundFileReader::read(std::vector<std::vector<Sample>>& planar, int frames)
{
    interleaved.resize(static_cast<std::size_t>(frames) * info.channels);
    const sf_count_t got = sf_readf_double(file, interleaved.data(), frames);
    for (sf_count_t i = 0; i < got; ++i)
        for (int c = 0; c < info.channels; ++c)
            planar[c][i] = static_cast<Sample>(interleaved[i * info.channels + c]);
    return static_cast<int>(got);
}

template int SoundFileReader::read<float>(std::vector<std::vector<float>>&, int);
template int SoundFileReader::read<double>(std::vector<std::vector<double>>&, int);

int majorFormatForName(const std::string& path)
{
    std::string extension = path.substr(path.find_last_of('.') == std::string::npos ? path.size()
                                                                                      : path.find_last_of('.') + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    struct Known {
        const char* extension;
        int format;
    } known[] = {{"wav", SF_FORMAT_WAV},   {"flac", SF_FORMAT_FLAC}, {"aif", SF_FORMAT_AIFF},
                 {"aiff", SF_FORMAT_AIFF}, {"w64", SF_FORMAT_W64},   {"caf", SF_FORMAT_CAF},
                 {"au", SF_FORMAT_AU},     {"ogg", SF_FORMAT_OGG},   {"rf64", SF_FORMAT_RF64}};
    for (const Known& k : known)
        if (extension == k.extension)
            return k.format;
    return 0;
}

SoundFileWriter::~SoundFileWriter()
{
    abandon();
}

bool SoundFileWriter::open(const std::string& path, int channels, double sampleRate, int inputFormat,
                           std::string& error)
{
    destination = path;
    channelCount = channels;
    const int major = majorFormatForName(path) ? majorFormatForName(path) : (inputFormat & SF_FORMAT_TYPEMASK);
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = static_cast<int>(sampleRate);
    // Keep the input's sample format where the container allows it; otherwise 24-bit or float.
    info.format = major | (inputFormat & SF_FORMAT_SUBMASK);
    if (!sf_format_check(&info))
        info.format = major | SF_FORMAT_PCM_24;
    if (!sf_format_check(&info))
        info.format = major | SF_FORMAT_FLOAT;
    if (!sf_format_check(&info))
        info.format = major | SF_FORMAT_VORBIS;
    if (!sf_format_check(&info)) {
        error = "cannot write '" + path + "': no sample format fits that file type";
        return false;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::vector<char> pattern(folder.begin(), folder.end());
    const std::string suffix = "." + base + ".partial-XXXXXX";
    pattern.insert(pattern.end(), suffix.begin(), suffix.end());
    pattern.push_back('\0');
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        error = "cannot create a file in the folder of '" + path + "'";
        return false;
    }
    temporary = pattern.data();
    // mkstemp makes the file private; the result should get the permissions of any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    // libsndfile takes the descriptor and closes it with the file.
    file = sf_open_fd(descriptor, SFM_WRITE, &info, SF_TRUE);
    if (!file) {
        close(descriptor);
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        abandon();
        return false;
    }
    // PCM output clips instead of wrapping around when the plug-in adds gain.
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return true;
}

template <typename Sample>
bool SoundFileWriter::write(const std::vector<std::vector<Sample>>& planar, int frames, std::string& error)
{
    interleaved.resize(static_cast<std::size_t>(frames) * channelCount);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channelCount; ++c)
            interleaved[static_cast<std::size_t>(i) * channelCount + c] = planar[c][i];
    if (sf_writef_double(file, interleaved.data(), frames) != frames) {
        error = "cannot write '" + destination + "': " + sf_strerror(file);
        return false;
    }
    return true;
}

template bool SoundFileWriter::write<float>(const std::vector<std::vector<float>>&, int, std::string&);
template bool SoundFileWriter::write<double>(const std::vector<std::vector<double>>&, int, std::string&);

bool SoundFileWriter::commit(std::string& error)
{
    const int closed = sf_close(file);
    file = nullptr;
    if (closed != 0) {
        error = "cannot finish '" + destination + "': " + sf_error_number(closed);
        abandon();
        return false;
    }
    if (std::rename(temporary.c_str(), destination.c_str()) != 0) {
        error = "cannot move the result into place as '" + destination + "'";
        abandon();
        return false;
    }
    temporary.clear();
    return true;
}

void SoundFileWriter::abandon()
{
    if (file) {
        sf_close(file);
        file = nullptr;
    }
    if (!temporary.empty()) {
        std::remove(temporary.c_str());
        temporary.clear();
    }
}

} // namespace render
