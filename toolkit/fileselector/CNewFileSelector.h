// A modal open or save dialog. On Windows it is the system's common dialog; where the platform
// has none the selector answers "cancelled". Tests answer it through setTestAnswer.
#pragma once

#include "CFileExtension.h"
#include "CReferenceCounter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qgui {

class CFrame;

class CNewFileSelector : public CBaseObject {
public:
    enum Style {
        kSelectFile,      // open one existing file
        kSelectSaveFile,  // choose a name to save under
    };

    // The creator holds the first reference and calls forget() when done.
    static CNewFileSelector* create(CFrame* parent = nullptr, Style style = kSelectFile);

    void setTitle(const std::string& text) { title = text; }
    void setInitialDirectory(const std::string& path) { initialDirectory = path; }
    void setDefaultSaveName(const std::string& name) { defaultSaveName = name; }
    void setDefaultExtension(const CFileExtension& extension);
    void addFileExtension(const CFileExtension& extension) { extensions.push_back(extension); }
    void setAllowMultiFileSelection(bool state) { multipleFiles = state; }
    // The native window the dialog belongs to (an HWND on Windows); none by default.
    void setOwnerWindow(void* window) { ownerWindow = window; }

    // Runs the dialog to its end; false when the user cancelled.
    bool runModal();
    int getNumSelectedFiles() const { return static_cast<int>(selected.size()); }
    // Null for an index out of range.
    const char* getSelectedFile(int index) const;

    Style getStyle() const { return style; }
    const std::string& getTitle() const { return title; }
    const std::string& getInitialDirectory() const { return initialDirectory; }
    const std::string& getDefaultSaveName() const { return defaultSaveName; }
    const std::vector<CFileExtension>& getFileExtensions() const { return extensions; }
    const CFileExtension* getDefaultExtension() const { return defaultExtension ? &*defaultExtension : nullptr; }
    bool getAllowMultiFileSelection() const { return multipleFiles; }
    CFrame* getParent() const { return parent; }
    void* getOwnerWindow() const { return ownerWindow; }

    // Replaces the dialog for the whole process: the answer is the chosen path, or nothing to
    // cancel. An empty function brings the dialog back.
    using TestAnswer = std::function<std::optional<std::string>(const CNewFileSelector&)>;
    static void setTestAnswer(TestAnswer answer);

private:
    CNewFileSelector(CFrame* parent, Style style) : parent(parent), style(style) {}
    ~CNewFileSelector() override = default;

    CFrame* parent;
    Style style;
    std::string title;
    std::string initialDirectory;
    std::string defaultSaveName;
    std::vector<CFileExtension> extensions;
    std::optional<CFileExtension> defaultExtension;
    bool multipleFiles = false;
    void* ownerWindow = nullptr;
    std::vector<std::string> selected;
};

} // namespace qgui
