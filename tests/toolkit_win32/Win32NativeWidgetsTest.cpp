// The frame window's native popup menu and in-place text field, answered by real keys.
#include "COptionMenu.h"
#include "CTextEdit.h"
#include "FrameTestSupport.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

using Win32NativeWidgetsTest = WindowedFrameTest;

PopupMenuRequest threeEntries()
{
    PopupMenuRequest request;
    for (const char* title : {"Default", "Vocal", "Drums"}) {
        PopupMenuEntry entry;
        entry.title = title;
        request.entries.push_back(entry);
    }
    request.where = CPoint(30, 30);
    request.currentIndex = 0;
    return request;
}

// While the menu's own loop runs, a thread timer plays the user's keys into it; a second,
// later timer closes any menu still open, so no test can wait for ever.
std::vector<WPARAM> pendingMenuKeys;
HWND menuOwner = nullptr;

void CALLBACK typeMenuKeys(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    for (WPARAM key : pendingMenuKeys) {
        PostMessageW(menuOwner, WM_KEYDOWN, key, 1);
        PostMessageW(menuOwner, WM_KEYUP, key, 0xC0000001);
    }
}

void CALLBACK closeMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    EndMenu();
}

// Runs action (which opens a menu) while the keys are played into the menu.
void withMenuKeys(HWND owner, std::vector<WPARAM> keys, const std::function<void()>& action)
{
    pendingMenuKeys = std::move(keys);
    menuOwner = owner;
    const UINT_PTR typing = SetTimer(nullptr, 0, 100, &typeMenuKeys);
    const UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, &closeMenu);
    action();
    KillTimer(nullptr, typing);
    KillTimer(nullptr, watchdog);
}

int runMenu(CFrame& frame, HWND owner, const PopupMenuRequest& request, std::vector<WPARAM> keys)
{
    int chosen = -2;
    withMenuKeys(owner, std::move(keys), [&] { chosen = frame.getPlatformFrame()->popupMenu(request); });
    return chosen;
}

TEST_F(Win32NativeWidgetsTest, PopupMenuAnswersTheChosenEntryOrMinusOne)
{
    EXPECT_EQ(runMenu(*frame, window, threeEntries(), {VK_ESCAPE}), -1);
    EXPECT_EQ(runMenu(*frame, window, threeEntries(), {VK_DOWN, VK_DOWN, VK_RETURN}), 1);
    EXPECT_EQ(frame->getPlatformFrame()->popupMenu(PopupMenuRequest{}), -1); // nothing to show
}

class EditRecorder : public ITextEditOwner {
public:
    void platformTextEditEnded(const std::string& text, bool commit) override
    {
        endings.push_back({text, commit});
    }
    std::vector<std::pair<std::string, bool>> endings;
};

TextEditRequest nameField(const std::string& text, int maxLength = 24)
{
    TextEditRequest request;
    request.rect = CRect(10, 120, 150, 138);
    request.text = text;
    request.fontColor = CColor{230, 220, 190, 255};
    request.backColor = CColor{30, 30, 30, 255};
    request.maxLength = maxLength;
    return request;
}

void typeInto(HWND field, const std::wstring& text)
{
    for (wchar_t c : text)
        SendMessageW(field, WM_CHAR, c, 1);
}

TEST_F(Win32NativeWidgetsTest, TextFieldCommitsOnReturnOnceAndCancelsOnEscape)
{
    struct Case {
        WPARAM endKey;
        bool commit;
    } cases[] = {{VK_RETURN, true}, {VK_ESCAPE, false}};
    for (const Case& c : cases) {
        EditRecorder owner;
        auto edit = frame->getPlatformFrame()->createTextEdit(owner, nameField("Vocal"));
        ASSERT_NE(edit, nullptr);
        HWND field = GetFocus();
        ASSERT_NE(field, window);
        EXPECT_EQ(GetParent(field), window);
        EXPECT_TRUE(IsWindowVisible(field));
        typeInto(field, L"Lead"); // replaces the selected text
        EXPECT_EQ(edit->getText(), "Lead");
        SendMessageW(field, WM_KEYDOWN, c.endKey, 1);
        ASSERT_EQ(owner.endings.size(), 1u);
        EXPECT_EQ(owner.endings[0].first, "Lead");
        EXPECT_EQ(owner.endings[0].second, c.commit);
        EXPECT_FALSE(IsWindowVisible(field));
        // Nothing after the end: not the lost focus, not a second Return.
        SendMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
        SetFocus(host->handle());
        EXPECT_EQ(owner.endings.size(), 1u);
        edit.reset();
        EXPECT_FALSE(IsWindow(field));
    }
}

TEST_F(Win32NativeWidgetsTest, TextFieldCommitsWhenItLosesTheFocusAndKeepsUtf8WithinItsLimit)
{
    EditRecorder owner;
    auto edit = frame->getPlatformFrame()->createTextEdit(owner, nameField(u8"Gr\u00fc\u00dfe", 7));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->getText(), u8"Gr\u00fc\u00dfe"); // 7 bytes of UTF-8
    SendMessageW(GetFocus(), WM_KEYDOWN, VK_END, 1);
    typeInto(GetFocus(), L"n");
    // "Grüßen" is 8 bytes; the field reports what fits, never half a character.
    EXPECT_EQ(edit->getText().size(), 7u);
    SetFocus(window);
    ASSERT_EQ(owner.endings.size(), 1u);
    EXPECT_TRUE(owner.endings[0].second);
    EXPECT_EQ(owner.endings[0].first, u8"Gr\u00fc\u00dfe");
}

TEST_F(Win32NativeWidgetsTest, ClosingTheFrameWhileEditingReportsNothing)
{
    EditRecorder owner;
    auto edit = frame->getPlatformFrame()->createTextEdit(owner, nameField("Drums"));
    ASSERT_NE(edit, nullptr);
    frame->close();
    frame = nullptr;
    EXPECT_TRUE(owner.endings.empty());
    EXPECT_EQ(edit->getText(), "");
    edit.reset();
}

class ChangeCounter : public CControlListener {
public:
    void valueChanged(CControl*) override { ++changes; }
    int changes = 0;
};

TEST_F(Win32NativeWidgetsTest, ANameFieldEditsInPlaceAfterAClickAndCommitsOnAClickElsewhere)
{
    ChangeCounter listener;
    auto* name = new CTextEdit(CRect(10, 120, 150, 138), &listener, 1000, "Default");
    frame->addView(name);

    send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 128);
    send(WM_LBUTTONUP, 0, 30, 128);
    HWND field = GetFocus();
    ASSERT_NE(field, window);
    ASSERT_EQ(GetParent(field), window);
    typeInto(field, L"Bass");
    SendMessageW(field, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(name->getText(), "Bass");
    EXPECT_EQ(listener.changes, 1);

    // Editing again, then a click on another view of the frame ends it with what was typed.
    send(WM_LBUTTONDOWN, MK_LBUTTON, 30, 128);
    send(WM_LBUTTONUP, 0, 30, 128);
    field = GetFocus();
    ASSERT_EQ(GetParent(field), window);
    typeInto(field, L"Keys");
    send(WM_LBUTTONDOWN, MK_LBUTTON, 50, 50);
    send(WM_LBUTTONUP, 0, 50, 50);
    EXPECT_EQ(name->getText(), "Keys");
    EXPECT_EQ(listener.changes, 2);
    EXPECT_FALSE(IsWindow(field) && IsWindowVisible(field));
}

TEST_F(Win32NativeWidgetsTest, AnOptionMenuTakesTheEntryChosenInItsNativePopup)
{
    ChangeCounter listener;
    auto* menu = new COptionMenu(CRect(150, 130, 162, 142), &listener, 1012);
    for (const char* title : {"Default", "Vocal", "Drums"})
        menu->addEntry(title);
    frame->addView(menu);
    withMenuKeys(window, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, [&] {
        send(WM_LBUTTONDOWN, MK_LBUTTON, 155, 135);
        send(WM_LBUTTONUP, 0, 155, 135);
    });
    EXPECT_EQ(menu->getCurrentIndex(), 2);
    EXPECT_EQ(listener.changes, 1);
    withMenuKeys(window, {VK_ESCAPE}, [&] { send(WM_LBUTTONDOWN, MK_LBUTTON, 155, 135); });
    EXPECT_EQ(menu->getCurrentIndex(), 2);
    EXPECT_EQ(listener.changes, 1);
}

} // namespace
