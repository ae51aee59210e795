#include "CPresetSystemEditor.h"

#include "CNewFileSelector.h"
#include "CPresetSystemEffect.h"
#include "LocalFiles.h"
#include "StateImages.h"
#include "UserStore.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kDefaultBankValue = "DefaultBank";
const char* const kDefaultPresetValue = "DefaultPreset";
const char* const kMemoAValue = "MemoA";
const char* const kMemoBValue = "MemoB";
const char* const kCurrentDirectoryValue = "CurrDir";
const char* const kCurrentBankValue = "CurrBank";
const char* const kCurrentPresetValue = "CurrPreset";

#ifdef _WIN32
constexpr const char* kPathSeparators = "\\/";
#else
constexpr const char* kPathSeparators = "/";
#endif

enum class ByteOrder { native, swapped, unknown };

ByteOrder imageByteOrder(const unsigned char* image, VstInt32 identifier)
{
    std::uint32_t stored = readWord(image, kImageIdentifierOffset);
    if (stored == static_cast<std::uint32_t>(identifier))
        return ByteOrder::native;
    if (stored == swapBytes32(static_cast<std::uint32_t>(identifier)))
        return ByteOrder::swapped;
    return ByteOrder::unknown;
}

// Copies one record out of an image; false at the first value outside 0..1.
bool readRecord(const unsigned char* source, ProgramRecord& record, bool swap)
{
    std::memcpy(record.name, source, sizeof record.name);
    for (int i = 0; i < kNumParams; ++i) {
        std::uint32_t word = readWord(source, static_cast<int>(sizeof record.name) + 4 * i);
        float value = wordToFloat(swap ? swapBytes32(word) : word);
        if (!isStoredValueInRange(value))
            return false;
        record.values[i] = value;
    }
    return true;
}

int imageSize(bool preset)
{
    return preset ? kPresetImageSize : kBankImageSize;
}

} // namespace

CPresetSystemEditor::CPresetSystemEditor(AudioEffect* effect) : AEffEditor(effect)
{
    readWorkingDirectory(currentDirectory, sizeof currentDirectory);
}

CPresetSystemEditor::~CPresetSystemEditor()
{
    // Also runs while a failed construction unwinds; nothing may escape a destructor.
    try {
        saveRecentPaths();
    } catch (...) {
    }
}

CPresetSystemEffect* CPresetSystemEditor::presetEffect() const
{
    // Null once the effect is being destroyed, since it deletes its editor last.
    return dynamic_cast<CPresetSystemEffect*>(effect);
}

void CPresetSystemEditor::setProgramNameDisplay(const char* /*name*/)
{
    // The name field and the program menu exist only while the window is open.
}

void CPresetSystemEditor::showBankInPanel()
{
    // The program menu and the name field exist only while the window is open.
}

void CPresetSystemEditor::applyProgramName(const char* name)
{
    setProgramNameDisplay(name);
    if (CPresetSystemEffect* fx = presetEffect())
        fx->renameCurrentProgram(name);
}

void CPresetSystemEditor::loadStoredDefaults()
{
    loadDefaultBank();
    loadDefaultPreset();
    loadRecentPaths();
}

void CPresetSystemEditor::presetFromData(const unsigned char* image, bool reversed)
{
    CPresetSystemEffect* fx = presetEffect();
    if (!fx || !image)
        return;
    ByteOrder order = imageByteOrder(image, fx->fileIdentifier());
    if (order == ByteOrder::unknown || image[kImageTypeOffset] != kPresetMarker)
        return;
    // A requested reversal and the automatic one cancel each other.
    bool swap = (order == ByteOrder::swapped) != reversed;
    ProgramRecord& record = fx->currentProgramRecord();
    const ProgramRecord saved = record;
    if (!readRecord(image + kImageRecordsOffset, record, swap)) {
        record = saved;
        return;
    }
    char name[kProgramNameLength + 1];
    readProgramName(record, name);
    applyProgramName(name);
    fx->selectProgram(fx->currentProgramIndex());
}

void CPresetSystemEditor::bankFromData(const unsigned char* image, bool reversed)
{
    CPresetSystemEffect* fx = presetEffect();
    if (!fx)
        return;
    fx->selectProgram(0);
    if (!image)
        return;
    ByteOrder order = imageByteOrder(image, fx->fileIdentifier());
    if (order == ByteOrder::unknown || image[kImageTypeOffset] != kBankMarker)
        return;
    bool swap = (order == ByteOrder::swapped) != reversed;
    std::vector<ProgramRecord> saved(kNumPresetPrograms);
    for (int k = 0; k < kNumPresetPrograms; ++k)
        saved[k] = fx->programRecord(k);
    for (int k = 0; k < kNumPresetPrograms; ++k) {
        const unsigned char* source = image + kImageRecordsOffset + k * static_cast<int>(sizeof(ProgramRecord));
        if (!readRecord(source, fx->programRecord(k), swap)) {
            for (int j = 0; j < kNumPresetPrograms; ++j)
                fx->programRecord(j) = saved[j];
            return;
        }
    }
    showBankInPanel();
    fx->selectProgram(0);
}

void CPresetSystemEditor::presetToData(unsigned char* image)
{
    CPresetSystemEffect* fx = presetEffect();
    if (!fx || !image)
        return;
    writeWord(image, kImageIdentifierOffset, static_cast<std::uint32_t>(fx->fileIdentifier()));
    image[kImageTypeOffset] = kPresetMarker;
    std::memcpy(image + kImageRecordsOffset, &fx->currentProgramRecord(), sizeof(ProgramRecord));
}

void CPresetSystemEditor::bankToData(unsigned char* image)
{
    CPresetSystemEffect* fx = presetEffect();
    if (!fx || !image)
        return;
    writeWord(image, kImageIdentifierOffset, static_cast<std::uint32_t>(fx->fileIdentifier()));
    image[kImageTypeOffset] = kBankMarker;
    for (int k = 0; k < kNumPresetPrograms; ++k)
        std::memcpy(image + kImageRecordsOffset + k * static_cast<int>(sizeof(ProgramRecord)), &fx->programRecord(k),
                    sizeof(ProgramRecord));
}

// --- files ---

bool CPresetSystemEditor::chooseFile(bool preset, bool save, bool reversed, std::string& fileName)
{
    using qgui::CNewFileSelector;
    auto release = [](CNewFileSelector* s) { s->forget(); };
    std::unique_ptr<CNewFileSelector, decltype(release)> selector(
        CNewFileSelector::create(nullptr, save ? CNewFileSelector::kSelectSaveFile : CNewFileSelector::kSelectFile),
        release);
    if (!selector)
        return false;
    const char* noun = preset ? "preset" : "bank";
    std::string title = std::string(save ? "Save " : "Load ") + noun;
    if (reversed)
        title += " (endian-reversed)";
    qgui::CFileExtension extension(preset ? "Quorvel Preset" : "Quorvel Bank", preset ? "qxp" : "qxb");
    selector->setTitle(title);
    selector->setInitialDirectory(currentDirectory);
    if (save) {
        selector->setDefaultExtension(extension);
        selector->setDefaultSaveName(preset ? currentPresetFile : currentBankFile);
    } else {
        selector->addFileExtension(extension);
    }
    bool chosen = selector->runModal() && selector->getNumSelectedFiles() == 1;
    std::string path = chosen ? selector->getSelectedFile(0) : "";
    selector.reset();
    if (!chosen)
        return false;

    char* fileField = preset ? currentPresetFile : currentBankFile;
    std::size_t separator = path.find_last_of(kPathSeparators);
    if (separator == std::string::npos) {
        // A bare name is opened in the current directory; the fields stay as they were.
        fileName = path;
        return fileName.size() < kPathTextSize;
    }
    std::size_t directoryLength = separator + 1;
    fileName = path.substr(directoryLength);
    // Paths the 257-byte fields cannot hold are refused whole.
    if (directoryLength >= kPathTextSize || fileName.size() >= kPathTextSize)
        return false;
    std::memcpy(currentDirectory, path.data(), directoryLength);
    currentDirectory[directoryLength] = 0;
    std::memcpy(fileField, fileName.c_str(), fileName.size() + 1);
    return true;
}

void CPresetSystemEditor::loadFile(bool preset, bool reversed)
{
    std::string fileName;
    if (!chooseFile(preset, false, reversed, fileName))
        return;
    std::vector<unsigned char> image(static_cast<std::size_t>(imageSize(preset)), 0);
    // Opening by the bare name after a failed directory change would read some other file.
    if (changeWorkingDirectory(currentDirectory)) {
        if (std::FILE* file = std::fopen(fileName.c_str(), "rb")) {
            std::size_t got = std::fread(image.data(), 1, image.size(), file);
            (void)got;  // a short file leaves the zeroed tail for the checks to judge
            std::fclose(file);
        }
    }
    if (preset)
        presetFromData(image.data(), reversed);
    else
        bankFromData(image.data(), reversed);
}

void CPresetSystemEditor::saveFile(bool preset)
{
    std::string fileName;
    if (!chooseFile(preset, true, false, fileName))
        return;
    std::vector<unsigned char> image(static_cast<std::size_t>(imageSize(preset)), 0);
    if (preset)
        presetToData(image.data());
    else
        bankToData(image.data());
    if (!changeWorkingDirectory(currentDirectory))
        return;
    // The old file is replaced only by a completely written new one.
    std::string temporary;
    std::FILE* file = createTemporaryFile(temporary);
    if (!file)
        return;
    bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    written = std::fflush(file) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || !replaceFile(temporary.c_str(), fileName.c_str()))
        std::remove(temporary.c_str());
}

void CPresetSystemEditor::loadBankFile(bool reversed)
{
    loadFile(false, reversed);
}

void CPresetSystemEditor::saveBankFile()
{
    saveFile(false);
}

void CPresetSystemEditor::loadPresetFile(bool reversed)
{
    loadFile(true, reversed);
}

void CPresetSystemEditor::savePresetFile()
{
    saveFile(true);
}

// --- user store ---

void CPresetSystemEditor::storeImageValue(const char* valueName, bool preset)
{
    std::vector<unsigned char> image(static_cast<std::size_t>(imageSize(preset)), 0);
    if (preset)
        presetToData(image.data());
    else
        bankToData(image.data());
    UserStoreKey key(UserStoreKey::Access::write);
    key.setBinary(valueName, image.data(), image.size());
}

void CPresetSystemEditor::loadImageValue(const char* valueName, bool preset)
{
    std::vector<unsigned char> image(static_cast<std::size_t>(imageSize(preset)), 0);
    {
        UserStoreKey key(UserStoreKey::Access::query);
        key.queryBinary(valueName, image.data(), image.size());
    }
    // A missing value leaves the image zero, which the identifier check refuses.
    if (preset)
        presetFromData(image.data(), false);
    else
        bankFromData(image.data(), false);
}

void CPresetSystemEditor::deleteStoredValue(const char* valueName)
{
    UserStoreKey key(UserStoreKey::Access::setValue);
    key.deleteValue(valueName);
}

void CPresetSystemEditor::storeDefaultBank()
{
    storeImageValue(kDefaultBankValue, false);
}

void CPresetSystemEditor::clearDefaultBank()
{
    deleteStoredValue(kDefaultBankValue);
}

void CPresetSystemEditor::loadDefaultBank()
{
    loadImageValue(kDefaultBankValue, false);
}

void CPresetSystemEditor::storeDefaultPreset()
{
    storeImageValue(kDefaultPresetValue, true);
}

void CPresetSystemEditor::clearDefaultPreset()
{
    deleteStoredValue(kDefaultPresetValue);
}

void CPresetSystemEditor::loadDefaultPreset()
{
    loadImageValue(kDefaultPresetValue, true);
}

void CPresetSystemEditor::storeMemoA()
{
    storeImageValue(kMemoAValue, true);
}

void CPresetSystemEditor::storeMemoB()
{
    storeImageValue(kMemoBValue, true);
}

void CPresetSystemEditor::recallMemoA()
{
    loadImageValue(kMemoAValue, true);
}

void CPresetSystemEditor::recallMemoB()
{
    loadImageValue(kMemoBValue, true);
}

void CPresetSystemEditor::saveRecentPaths()
{
    UserStoreKey key(UserStoreKey::Access::write);
    if (!key.isOpen())
        return;
    key.setText(kCurrentDirectoryValue, currentDirectory);
    key.setText(kCurrentBankValue, currentBankFile);
    key.setText(kCurrentPresetValue, currentPresetFile);
}

void CPresetSystemEditor::loadRecentPaths()
{
    char directory[kPathTextSize] = {};
    char bankFile[kPathTextSize] = {};
    char presetFile[kPathTextSize] = {};
    {
        UserStoreKey key(UserStoreKey::Access::query);
        key.queryText(kCurrentDirectoryValue, directory, sizeof directory);
        key.queryText(kCurrentBankValue, bankFile, sizeof bankFile);
        key.queryText(kCurrentPresetValue, presetFile, sizeof presetFile);
    }
    // Nothing stored empties the fields.
    std::memcpy(currentDirectory, directory, sizeof directory);
    std::memcpy(currentBankFile, bankFile, sizeof bankFile);
    std::memcpy(currentPresetFile, presetFile, sizeof presetFile);
}
