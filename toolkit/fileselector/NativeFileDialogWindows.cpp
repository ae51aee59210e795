// The common open and save dialogs of comdlg32. Texts cross as 8-bit text of the ANSI code page.
#include "NativeFileDialog.h"

#include "CNewFileSelector.h"

#include <windows.h>
#include <commdlg.h>

namespace qgui {

namespace {

constexpr DWORD kPathCharacters = 32768;

std::wstring toWide(const std::string& text)
{
    if (text.empty())
        return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

std::string toNarrow(const wchar_t* wide)
{
    int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, -1, &text[0], length, nullptr, nullptr);
    text.resize(static_cast<std::size_t>(length - 1));
    return text;
}

// "Description (*.ext)\0*.ext\0" per extension, closed by one more terminator.
std::wstring filterText(const CNewFileSelector& selector)
{
    std::wstring filter;
    for (const CFileExtension& extension : selector.getFileExtensions()) {
        std::wstring pattern = L"*." + toWide(extension.getExtension());
        filter += toWide(extension.getDescription()) + L" (" + pattern + L")";
        filter.push_back(L'\0');
        filter += pattern;
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    return filter;
}

} // namespace

bool runNativeFileDialog(const CNewFileSelector& selector, std::vector<std::string>& chosen)
{
    std::wstring title = toWide(selector.getTitle());
    std::wstring directory = toWide(selector.getInitialDirectory());
    std::wstring filter = filterText(selector);
    std::wstring defaultExtension;
    if (const CFileExtension* extension = selector.getDefaultExtension())
        defaultExtension = toWide(extension->getExtension());

    std::wstring file(kPathCharacters, L'\0');
    std::wstring defaultName = toWide(selector.getDefaultSaveName());
    if (selector.getStyle() == CNewFileSelector::kSelectSaveFile && defaultName.size() < kPathCharacters)
        file.replace(0, defaultName.size(), defaultName);

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = static_cast<HWND>(selector.getOwnerWindow());
    dialog.lpstrFilter = filter.size() > 1 ? filter.c_str() : nullptr;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = kPathCharacters;
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
    // The caller decides about the working directory itself.
    dialog.Flags = OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

    BOOL ok;
    if (selector.getStyle() == CNewFileSelector::kSelectSaveFile) {
        dialog.Flags |= OFN_OVERWRITEPROMPT;
        ok = GetSaveFileNameW(&dialog);
    } else {
        dialog.Flags |= OFN_FILEMUSTEXIST;
        ok = GetOpenFileNameW(&dialog);
    }
    if (!ok)
        return false;
    chosen.push_back(toNarrow(file.c_str()));
    return true;
}

} // namespace qgui
