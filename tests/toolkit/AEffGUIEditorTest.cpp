// The editor binding reached through an effect's dispatcher, as a host reaches it.
#include "AEffGUIEditor.h"
#include "AudioEffectX.h"
#include "CKickButton.h"
#include "CKnob.h"
#include "support/ToolkitTestSupport.h"

#include <gtest/gtest.h>

using namespace qgui;
using namespace qgtest;

namespace {

std::vector<std::pair<VstInt32, VstInt32>> hostCalls; // opcode, index

VstIntPtr VSTCALLBACK recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float)
{
    if (opcode == audioMasterBeginEdit || opcode == audioMasterEndEdit)
        hostCalls.emplace_back(opcode, index);
    return 0;
}

class TestEffect : public AudioEffectX {
public:
    TestEffect() : AudioEffectX(recordingHost, 1, 12) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

class TestEditor : public AEffGUIEditor {
public:
    explicit TestEditor(AudioEffect* effect) : AEffGUIEditor(effect)
    {
        rect.right = 400;
        rect.bottom = 309;
    }
    bool open(void* parent) override
    {
        AEffGUIEditor::open(parent);
        frame = new CFrame(CRect(0, 0, 400, 309), parent, this);
        knob = new CKnob(CRect(0, 0, 50, 50), nullptr, 2, nullptr, nullptr);
        frame->addView(knob);
        frame->addView(new CKickButton(CRect(100, 0, 120, 20), nullptr, 1013, 20.0, nullptr));
        return true;
    }
    void close() override
    {
        knob = nullptr;
        AEffGUIEditor::close();
    }
    CKnob* knob = nullptr;
};

TEST(AEffGUIEditorTest, GesturesReachTheHostOnlyForParameterTags)
{
    hostCalls.clear();
    const int32_t savedMode = CFrame::getKnobMode();
    TestEffect effect;
    auto* editor = new TestEditor(&effect);
    effect.setEditor(editor);
    AEffect* e = effect.getAeffect();

    ERect* rect = nullptr;
    EXPECT_EQ(e->dispatcher(e, effEditGetRect, 0, 0, &rect, 0.0f), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 400);
    int parentWindow = 0;
    EXPECT_EQ(e->dispatcher(e, effEditOpen, 0, 0, &parentWindow, 0.0f), 1);
    ASSERT_NE(editor->getFrame(), nullptr);

    e->dispatcher(e, effSetEditKnobMode, 0, kLinearMode, nullptr, 0.0f);
    EXPECT_EQ(CFrame::getKnobMode(), kLinearMode);

    CFrame& frame = *editor->getFrame();
    mouseDown(frame, 25, 25);
    mouseMove(frame, 25, 5);
    mouseUp(frame, 25, 5);
    mouseDown(frame, 110, 10);
    mouseUp(frame, 110, 10);
    EXPECT_NEAR(editor->knob->getValue(), 0.1f, 1e-6);
    EXPECT_EQ(hostCalls, (std::vector<std::pair<VstInt32, VstInt32>>{{audioMasterBeginEdit, 2},
                                                                     {audioMasterEndEdit, 2}}));

    e->dispatcher(e, effEditIdle, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(e->dispatcher(e, effEditClose, 0, 0, nullptr, 0.0f), 0);
    EXPECT_EQ(editor->getFrame(), nullptr);
    e->dispatcher(e, effEditIdle, 0, 0, nullptr, 0.0f); // closed: nothing to do, no crash
    CFrame::setKnobMode(savedMode);
}

} // namespace
