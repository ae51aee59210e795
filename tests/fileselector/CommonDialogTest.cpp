// The common open and save dialogs under Wine, on a virtual display, answered by a helper
// thread that finds the dialog by its title and presses its buttons.
#include "CNewFileSelector.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

using qgui::CFileExtension;
using qgui::CNewFileSelector;

namespace {

constexpr int kFilterCombo = 0x470;     // cmb1
constexpr int kFileNameCombo = 0x47c;   // cmb13, explorer style
constexpr int kFileNameEdit = 0x480;    // edt1

HWND waitForDialog(const wchar_t* title)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        if (HWND dialog = FindWindowW(L"#32770", title))
            return dialog;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

std::wstring firstFilter(HWND dialog)
{
    HWND combo = GetDlgItem(dialog, kFilterCombo);
    wchar_t text[256] = {};
    if (combo)
        SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

// Answers the dialog with the given title: OK with fileName, or cancel when it is empty.
struct DialogAnswer {
    DialogAnswer(const wchar_t* title, std::wstring fileName)
        : worker([this, title, fileName] {
              HWND dialog = waitForDialog(title);
              found = dialog != nullptr;
              if (!dialog)
                  return;
              filter = firstFilter(dialog);
              if (fileName.empty()) {
                  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
                  return;
              }
              HWND name = GetDlgItem(dialog, kFileNameCombo);
              if (!name)
                  name = GetDlgItem(dialog, kFileNameEdit);
              SetWindowTextW(name, fileName.c_str());
              PostMessageW(dialog, WM_COMMAND, IDOK, 0);
          })
    {
    }
    ~DialogAnswer()
    {
        if (worker.joinable())
            worker.join();
    }
    std::atomic<bool> found{false};
    std::wstring filter;
    std::thread worker;
};

std::string temporaryFolder()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

} // namespace

TEST(CommonDialog, OpenShowsTitleAndFilterAndCancels)
{
    CNewFileSelector* selector = CNewFileSelector::create(nullptr, CNewFileSelector::kSelectFile);
    selector->setTitle("Load preset (endian-reversed)");
    selector->addFileExtension(CFileExtension("Quorvel Preset", "qxp"));
    selector->setInitialDirectory(temporaryFolder());
    DialogAnswer answer(L"Load preset (endian-reversed)", L"");
    EXPECT_FALSE(selector->runModal());
    answer.worker.join();
    EXPECT_TRUE(answer.found);
    EXPECT_EQ(answer.filter, L"Quorvel Preset (*.qxp)");
    EXPECT_EQ(selector->getNumSelectedFiles(), 0);
    selector->forget();
}

TEST(CommonDialog, SaveReturnsThePathWithTheDefaultExtension)
{
    std::string folder = temporaryFolder();
    CNewFileSelector* selector = CNewFileSelector::create(nullptr, CNewFileSelector::kSelectSaveFile);
    selector->setTitle("Save bank");
    selector->setDefaultExtension(CFileExtension("Quorvel Bank", "qxb"));
    selector->setInitialDirectory(folder);
    std::wstring wideFolder(folder.begin(), folder.end());
    DialogAnswer answer(L"Save bank", wideFolder + L"qg-dialog-test");
    EXPECT_TRUE(selector->runModal());
    answer.worker.join();
    EXPECT_EQ(answer.filter, L"Quorvel Bank (*.qxb)");
    ASSERT_EQ(selector->getNumSelectedFiles(), 1);
    EXPECT_EQ(std::string(selector->getSelectedFile(0)), folder + "qg-dialog-test.qxb");
    selector->forget();
}
