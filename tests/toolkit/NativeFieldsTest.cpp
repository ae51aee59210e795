// Text fields and menus through a window back-end (a fake one here): the asynchronous text
// field contract and the native popup, as a Windows window provides them.
#include "COptionMenu.h"
#include "CKickButton.h"
#include "CTextEdit.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

struct FakeWindow;

class FakeTextEdit : public IPlatformTextEdit {
public:
    FakeTextEdit(ITextEditOwner& owner, FakeWindow& window, std::string text)
        : owner(owner), window(window), text(std::move(text))
    {
    }
    ~FakeTextEdit() override;
    std::string getText() const override { return text; }
    // The user ends the edit (Return: commit; Escape: cancel).
    void end(bool commit)
    {
        insideCallback = true;
        owner.platformTextEditEnded(text, commit);
        insideCallback = false;
    }

    ITextEditOwner& owner;
    FakeWindow& window;
    std::string text;
    bool insideCallback = false;
};

struct FakeWindow : IPlatformFrame {
    void* getNativeHandle() const override { return nullptr; }
    CRect getSize() const override { return CRect(0, 0, 400, 309); }
    bool setSize(const CRect&) override { return false; }
    void invalidRect(const CRect&) override {}
    void updateNow() override {}
    bool startTimer(uint32_t) override { return true; }
    void stopTimer() override {}
    bool isTimerRunning() const override { return false; }
    void setMouseCapture(bool captured) override { captures.push_back(captured); }
    void takeFocus() override {}
    int popupMenu(const PopupMenuRequest& request) override
    {
        lastMenu = request;
        return menuAnswer;
    }
    std::unique_ptr<IPlatformTextEdit> createTextEdit(ITextEditOwner& owner, const TextEditRequest& request) override
    {
        auto edit = std::make_unique<FakeTextEdit>(owner, *this, request.text);
        openEdit = edit.get();
        return edit;
    }
    bool copyPixels(PixelImage&) const override { return false; }

    FakeTextEdit* openEdit = nullptr;
    bool destroyedInsideCallback = false;
    PopupMenuRequest lastMenu;
    int menuAnswer = -1;
    std::vector<bool> captures;
};

FakeTextEdit::~FakeTextEdit()
{
    if (insideCallback)
        window.destroyedInsideCallback = true;
    if (window.openEdit == this)
        window.openEdit = nullptr;
}

class NativeFieldsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = platform::setPlatformFrameHook([this](IPlatformFrameCallback&, const CRect&, void*) {
            auto fake = std::make_unique<FakeWindow>();
            window = fake.get();
            return fake;
        });
        frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
        field = new CTextEdit(CRect(138, 284.5, 252, 299.5), &listener, 1000, "Init");
        frame->addView(field);
    }
    void TearDown() override
    {
        frame->close();
        platform::setPlatformFrameHook(std::move(previous));
    }

    platform::PlatformFrameHook previous;
    FakeWindow* window = nullptr;
    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
    CTextEdit* field = nullptr;
};

TEST_F(NativeFieldsTest, ReturnCommitsAndTheFieldOutlivesItsOwnNotification)
{
    mouseDown(*frame, 150, 290);
    ASSERT_NE(window->openEdit, nullptr);
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(frame->getFocusView(), field);
    window->openEdit->text = "Bright Drums";
    window->openEdit->end(true);
    EXPECT_FALSE(window->destroyedInsideCallback);
    EXPECT_EQ(field->getText(), "Bright Drums");
    EXPECT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(frame->getFocusView(), nullptr);
    window->openEdit->end(true); // a late second notification changes nothing
    EXPECT_EQ(listener.changes.size(), 1u);
}

TEST_F(NativeFieldsTest, EscapeCancelsAndAClickElsewhereCommits)
{
    mouseDown(*frame, 150, 290);
    window->openEdit->text = "Discarded";
    window->openEdit->end(false);
    EXPECT_EQ(field->getText(), "Init");
    EXPECT_TRUE(listener.changes.empty());

    mouseDown(*frame, 150, 290);
    ASSERT_NE(window->openEdit, nullptr);
    window->openEdit->text = "Kept";
    mouseDown(*frame, 20, 20); // the field loses the focus
    EXPECT_EQ(field->getText(), "Kept");
    EXPECT_EQ(listener.changes.size(), 1u);
    EXPECT_EQ(window->openEdit, nullptr) << "the native field is gone";
}

TEST_F(NativeFieldsTest, ClosingTheWindowWhileEditingLeavesNothingBehind)
{
    mouseDown(*frame, 150, 290);
    ASSERT_NE(window->openEdit, nullptr);
    frame->close();
    frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor);
}

TEST_F(NativeFieldsTest, MenusPopUpThroughTheWindowAndDragsCaptureTheMouse)
{
    auto* menu = new COptionMenu(CRect(256, 286, 268, 298), &listener, 1012);
    menu->addEntry("A");
    menu->addEntry("-");
    menu->addEntry("C");
    frame->addView(menu);
    window->menuAnswer = 1; // a separator cannot be chosen
    mouseDown(*frame, 260, 290);
    EXPECT_EQ(window->lastMenu.entries.size(), 3u);
    EXPECT_TRUE(window->lastMenu.entries[1].separator);
    EXPECT_EQ(menu->getCurrentIndex(), 0);
    window->menuAnswer = 2;
    mouseDown(*frame, 260, 290);
    EXPECT_EQ(menu->getCurrentIndex(), 2);

    window->captures.clear();
    frame->addView(new CKickButton(CRect(0, 0, 20, 20), nullptr, 5, 20.0, nullptr));
    mouseDown(*frame, 5, 5);
    mouseUp(*frame, 5, 5);
    EXPECT_EQ(window->captures, (std::vector<bool>{true, false}));
}

} // namespace
