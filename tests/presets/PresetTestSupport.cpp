#include "PresetTestSupport.h"

#include "UserStore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace presettest {

HostCounters& hostCounters()
{
    static HostCounters counters;
    return counters;
}

VstIntPtr VSTCALLBACK testHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float)
{
    switch (opcode) {
    case audioMasterVersion: return kVstVersion;
    case audioMasterUpdateDisplay: ++hostCounters().updateDisplay; return 1;
    case audioMasterAutomate: ++hostCounters().automate; return 0;
    default: return 0;
    }
}

std::unique_ptr<Plugin> makePlugin()
{
    return std::make_unique<Plugin>(&testHost);
}

CPresetSystemEditor& editorOf(Plugin& plugin)
{
    auto* editor = dynamic_cast<CPresetSystemEditor*>(plugin.getEditor());
    if (!editor)
        throw std::runtime_error("the effect has no preset editor");
    return *editor;
}

TemporaryFolder::TemporaryFolder()
{
    std::random_device random;
    fs::path base = fs::temp_directory_path();
    for (;;) {
        fs::path candidate = base / ("qg-presets-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            folder = candidate.string();
            break;
        }
    }
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder, ignored);
}

std::string TemporaryFolder::withSeparator() const
{
#ifdef _WIN32
    return folder + "\\";
#else
    return folder + "/";
#endif
}

void clearUserStore()
{
    UserStoreKey key(UserStoreKey::Access::setValue);
    for (const char* name : {"DefaultBank", "DefaultPreset", "MemoA", "MemoB", "CurrDir", "CurrBank", "CurrPreset"})
        key.deleteValue(name);
}

IsolatedUserStore::IsolatedUserStore()
{
#ifndef _WIN32
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        previous = value;
        hadPrevious = true;
    }
    folder = std::make_unique<TemporaryFolder>();
    setenv("XDG_CONFIG_HOME", folder->path().c_str(), 1);
#endif
    clearUserStore();
}

IsolatedUserStore::~IsolatedUserStore()
{
    clearUserStore();
#ifndef _WIN32
    if (hadPrevious)
        setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
#endif
}

std::vector<unsigned char> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

void writeFileBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void swapWords(std::vector<unsigned char>& image, int firstOffset, int count)
{
    for (int i = 0; i < count; ++i)
        swapWordInPlace(image.data(), firstOffset + 4 * i);
}

std::vector<unsigned char> otherByteOrderImage(std::vector<unsigned char> image)
{
    swapWords(image, kImageIdentifierOffset, 1);
    int records = static_cast<int>((image.size() - kImageRecordsOffset) / sizeof(ProgramRecord));
    for (int k = 0; k < records; ++k)
        swapWords(image, kImageRecordsOffset + k * static_cast<int>(sizeof(ProgramRecord)) + kProgramNameLength,
                  kNumParams);
    return image;
}

std::vector<unsigned char> presetImage(CPresetSystemEditor& editor)
{
    std::vector<unsigned char> image(kPresetImageSize, 0);
    editor.presetToData(image.data());
    return image;
}

std::vector<unsigned char> bankImage(CPresetSystemEditor& editor)
{
    std::vector<unsigned char> image(kBankImageSize, 0);
    editor.bankToData(image.data());
    return image;
}

std::string programName(Plugin& plugin, int index)
{
    char name[kProgramNameLength + 1];
    readProgramName(plugin.programRecord(index), name);
    return name;
}

} // namespace presettest
