// Shared by the preset tests: an effect made in the test process, a private user store, a
// temporary folder, and byte-order helpers for building images of the other byte order.
#pragma once

#include "CPresetSystemEditor.h"
#include "Plugin.h"
#include "StateImages.h"

#include <memory>
#include <string>
#include <vector>

namespace presettest {

// A host callback that answers like a host and counts what the effect asks of it.
struct HostCounters {
    int updateDisplay = 0;
    int automate = 0;
};
HostCounters& hostCounters();
VstIntPtr VSTCALLBACK testHost(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

std::unique_ptr<Plugin> makePlugin();
CPresetSystemEditor& editorOf(Plugin& plugin);

// A new empty folder, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string& path() const { return folder; }
    // path() plus the platform's separator
    std::string withSeparator() const;

private:
    std::string folder;
};

// Isolates the per-user store for one test: the stored values are removed before and after,
// and off Windows the store lives in a temporary folder instead of the user's configuration.
class IsolatedUserStore {
public:
    IsolatedUserStore();
    ~IsolatedUserStore();

private:
    std::unique_ptr<TemporaryFolder> folder;
    std::string previous;
    bool hadPrevious = false;
};
void clearUserStore();

std::vector<unsigned char> fileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes);

// Byte-reverses the given 32-bit fields of an image.
void swapWords(std::vector<unsigned char>& image, int firstOffset, int count);
// The image the other byte order writes: identifier and every value reversed, names plain.
std::vector<unsigned char> otherByteOrderImage(std::vector<unsigned char> image);

std::vector<unsigned char> presetImage(CPresetSystemEditor& editor);
std::vector<unsigned char> bankImage(CPresetSystemEditor& editor);

std::string programName(Plugin& plugin, int index);

} // namespace presettest
