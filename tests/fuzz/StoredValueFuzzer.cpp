// Reading a stored value the user store holds: the first byte picks the value, the rest is its
// content as found on disk, of any length and without any terminator.
#include "FuzzSupport.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct StoredValue {
    const char* name;
    void (CPresetSystemEditor::*read)();
};

const StoredValue kValues[] = {
    {"MemoA", &CPresetSystemEditor::recallMemoA},
    {"MemoB", &CPresetSystemEditor::recallMemoB},
    {"DefaultPreset", &CPresetSystemEditor::loadDefaultPreset},
    {"DefaultBank", &CPresetSystemEditor::loadDefaultBank},
    {"CurrDir", &CPresetSystemEditor::loadRecentPaths},
    {"CurrBank", &CPresetSystemEditor::loadRecentPaths},
    {"CurrPreset", &CPresetSystemEditor::loadRecentPaths},
};
constexpr std::size_t kNumValues = sizeof kValues / sizeof kValues[0];

bool terminatedWithin(const char* text, std::size_t size)
{
    return std::memchr(text, 0, size) != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    CPresetSystemEditor& presets = fuzzing::editor();
    const StoredValue& value = kValues[data[0] % kNumValues];
    std::string path = std::string(fuzzing::useTemporaryUserStore()) + "/" + value.name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    fuzzing::require(file != nullptr, "the fuzz store is writable");
    std::fwrite(data + 1, 1, size - 1, file);
    std::fclose(file);

    (presets.*value.read)();
    std::remove(path.c_str());

    fuzzing::requireBankInRange();
    fuzzing::require(terminatedWithin(presets.getCurrentDirectory(), kPathTextSize), "directory terminated");
    fuzzing::require(terminatedWithin(presets.getCurrentBankFile(), kPathTextSize), "bank file terminated");
    fuzzing::require(terminatedWithin(presets.getCurrentPresetFile(), kPathTextSize), "preset file terminated");
    return 0;
}
