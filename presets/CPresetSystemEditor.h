// Editor side of the preset system: preset and bank images, files, the per-user stored defaults
// and memories, and the recent paths. Everything here works without an open window; panel updates
// that need one are skipped while there is none.
#pragma once

#include "AEffEditor.h"

#include <string>

class CPresetSystemEffect;

constexpr int kPathTextSize = 257;  // 256 characters and a terminator

class CPresetSystemEditor : public AEffEditor {
public:
    explicit CPresetSystemEditor(AudioEffect* effect);
    // Writes the recent paths to the user store.
    ~CPresetSystemEditor() override;

    // Shows the name in the panel's name field and the menu's current entry.
    virtual void setProgramNameDisplay(const char* name);
    virtual void loadStoredDefaults();

    // Images: bank 2381 bytes, preset 77 bytes. reversed asks for every value byte-reversed.
    virtual void bankFromData(const unsigned char* image, bool reversed);
    virtual void bankToData(unsigned char* image);
    virtual void presetFromData(const unsigned char* image, bool reversed);
    virtual void presetToData(unsigned char* image);

    virtual void loadBankFile(bool reversed);
    virtual void saveBankFile();
    virtual void storeDefaultBank();
    virtual void clearDefaultBank();
    virtual void loadDefaultBank();
    virtual void loadPresetFile(bool reversed);
    virtual void savePresetFile();
    virtual void storeDefaultPreset();
    virtual void clearDefaultPreset();
    virtual void loadDefaultPreset();
    virtual void storeMemoA();
    virtual void storeMemoB();
    virtual void recallMemoA();
    virtual void recallMemoB();
    virtual void saveRecentPaths();
    virtual void loadRecentPaths();

    // Renames the current program and shows the new name.
    void applyProgramName(const char* name);

    const char* getCurrentDirectory() const { return currentDirectory; }
    const char* getCurrentBankFile() const { return currentBankFile; }
    const char* getCurrentPresetFile() const { return currentPresetFile; }

protected:
    CPresetSystemEffect* presetEffect() const;

    char currentDirectory[kPathTextSize] = {};
    char currentBankFile[kPathTextSize] = {};
    char currentPresetFile[kPathTextSize] = {};

private:
    // preset: the 77-byte preset image and its files; otherwise the 2381-byte bank image.
    void storeImageValue(const char* valueName, bool preset);
    void loadImageValue(const char* valueName, bool preset);
    void deleteStoredValue(const char* valueName);
    void loadFile(bool preset, bool reversed);
    void saveFile(bool preset);
    // Runs the selector; for a usable choice updates the directory and file name fields and
    // returns the name to open in the current directory.
    bool chooseFile(bool preset, bool save, bool reversed, std::string& fileName);
    // Every menu title and the name field after a whole bank arrived (needs a window).
    void showBankInPanel();
};
