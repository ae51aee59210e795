// Option menu and text field answered through the platform hooks, and the plain splash screen.
#include "COptionMenu.h"
#include "CSplashScreen.h"
#include "CTextEdit.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

using namespace qgui;
using namespace qgtest;

namespace {

class HooksTest : public ::testing::Test {
protected:
    void SetUp() override { frame = new CFrame(CRect(0, 0, 400, 309), nullptr, &editor); }
    void TearDown() override
    {
        frame->close();
        platform::setPopupMenuHook(nullptr);
        platform::setTextEditHook(nullptr);
    }

    RecordingEditor editor;
    RecordingListener listener;
    CFrame* frame = nullptr;
};

TEST_F(HooksTest, MenuShowsItsEntriesInColumnsAndTakesTheChosenIndex)
{
    auto* menu = new COptionMenu(CRect(256, 286, 268, 298), &listener, 1012, nullptr, nullptr, kCheckStyle);
    for (int i = 0; i < 33; ++i)
        menu->addEntry("Program " + std::to_string(i));
    menu->setNbItemsPerColumn(16);
    menu->setCurrent(3);
    frame->addView(menu);

    PopupMenuRequest seen;
    platform::setPopupMenuHook([&](const PopupMenuRequest& request) {
        seen = request;
        return 7;
    });
    EXPECT_EQ(mouseDown(*frame, 260, 290), kMouseDownEventHandledButDontNeedMovedOrUpEvents);
    ASSERT_EQ(seen.entries.size(), 33u);
    EXPECT_EQ(seen.entries[32].title, "Program 32");
    EXPECT_EQ(seen.currentIndex, 3);
    EXPECT_TRUE(seen.entries[3].checked);
    EXPECT_FALSE(seen.entries[4].checked);
    EXPECT_EQ(seen.entriesPerColumn, 16);
    EXPECT_EQ(menu->getCurrentIndex(), 7);
    EXPECT_EQ(menu->getCurrent()->getTitle(), "Program 7");
    EXPECT_EQ(listener.changes, (std::vector<std::pair<int32_t, float>>{{1012, 7.0f}}));

    platform::setPopupMenuHook([](const PopupMenuRequest&) { return -1; });
    mouseDown(*frame, 260, 290);
    EXPECT_EQ(menu->getCurrentIndex(), 7) << "dismissed: nothing changes";
    EXPECT_EQ(listener.changes.size(), 1u);
}

TEST_F(HooksTest, MenuWithNoTextStyleAndAMissingPictureDrawsNothing)
{
    ScopedBitmaps none({});
    auto* missing = new CBitmap(19128);
    EXPECT_FALSE(missing->isLoaded());
    COptionMenu menu(CRect(256, 286, 268, 298), &listener, 1012, missing, nullptr, 0x1e00);
    missing->forget();
    menu.addEntry("Init");
    RecordingDrawContext context;
    menu.draw(context);
    EXPECT_TRUE(context.calls.empty());
}

TEST_F(HooksTest, TextEditCommitsTheEditedTextAndIgnoresACancel)
{
    auto* field = new CTextEdit(CRect(138, 284.5, 252, 299.5), &listener, 1000, "Init");
    frame->addView(field);
    TextEditRequest seen;
    platform::setTextEditHook([&](const TextEditRequest& request) -> std::optional<std::string> {
        seen = request;
        return std::string("Warm Vocal");
    });
    mouseDown(*frame, 150, 290);
    EXPECT_EQ(seen.text, "Init");
    EXPECT_EQ(seen.rect, CRect(138, 284.5, 252, 299.5));
    EXPECT_EQ(field->getText(), "Warm Vocal");
    EXPECT_EQ(listener.changes.size(), 1u);

    platform::setTextEditHook([](const TextEditRequest&) -> std::optional<std::string> { return std::nullopt; });
    mouseDown(*frame, 150, 290);
    EXPECT_EQ(field->getText(), "Warm Vocal");
    EXPECT_EQ(listener.changes.size(), 1u);
}

TEST_F(HooksTest, TextEditKeepsAtMost255BytesWithoutSplittingACharacter)
{
    CTextEdit field(CRect(0, 0, 100, 20), nullptr, 1000);
    field.setText(std::string(254, 'a') + "\xc3\xa9" + "tail"); // é across the limit
    EXPECT_EQ(field.getText(), std::string(254, 'a'));
}

TEST_F(HooksTest, TextEditWithAMissingPictureDrawsOnlyItsText)
{
    ScopedBitmaps none({});
    auto* missing = new CBitmap(19128);
    CTextEdit field(CRect(138, 284.5, 252, 299.5), nullptr, 1000, "Init", missing, 0);
    missing->forget();
    field.setBackColor(CColor{189, 207, 218, 255});
    field.setFontColor(CColor{36, 36, 32, 255});
    field.setFont(kNormalFontSmall);
    RecordingDrawContext context;
    field.draw(context);
    ASSERT_EQ(context.calls.size(), 1u);
    EXPECT_EQ(context.calls[0].kind, DrawCall::String);
    EXPECT_EQ(context.calls[0].text, "Init");
    EXPECT_EQ(context.calls[0].color, (CColor{36, 36, 32, 255}));
    EXPECT_EQ(context.calls[0].font, kNormalFontSmall);
    EXPECT_EQ(context.calls[0].align, kCenterText);

    CTextEdit boxed(CRect(0, 0, 50, 20), nullptr, 1000, "x");
    RecordingDrawContext boxedContext;
    boxed.draw(boxedContext);
    ASSERT_EQ(boxedContext.calls.size(), 3u) << "without a picture: fill, frame, text";
    EXPECT_EQ(boxedContext.calls[0].drawStyle, kDrawFilled);
}

TEST_F(HooksTest, SplashScreenOpensOnALeftClickAndClosesOnAClickOnThePicture)
{
    ScopedBitmaps bitmaps({{12200, {400, 276, CColor{90, 60, 30, 255}}}});
    auto* picture = new CBitmap(12200);
    auto* splash = new CSplashScreen(CRect(96, 22, 304, 46), &listener, 13, picture, CRect(0, 0, 400, 276));
    picture->forget();
    frame->addView(splash);
    const int views = frame->getNbViews();

    EXPECT_EQ(mouseDown(*frame, 100, 30, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(frame->getModalView(), nullptr);
    mouseDown(*frame, 100, 30);
    mouseUp(*frame, 100, 30);
    EXPECT_EQ(splash->getValue(), 1.0f);
    ASSERT_NE(frame->getModalView(), nullptr);
    frame->idle();
    EXPECT_EQ(framePixels(*frame).colorAt(10, 200), (CColor{90, 60, 30, 255}));

    mouseDown(*frame, 10, 200);
    mouseUp(*frame, 10, 200);
    EXPECT_EQ(splash->getValue(), 0.0f);
    EXPECT_EQ(frame->getModalView(), nullptr);
    EXPECT_EQ(frame->getNbViews(), views);
}

} // namespace
