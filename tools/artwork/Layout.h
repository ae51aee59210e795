// Where the editor puts each control (frame pixels), so that the pictures line up with it.
#pragma once

namespace art {

struct Box {
  int x, y, w, h;
};

constexpr int kEditorWidth = 400;
constexpr int kEditorHeight = 309;
constexpr int kAboutHeight = 276;  // the about screen covers the window down to here

constexpr Box kTitleZone{96, 22, 208, 24};  // a click here opens the about screen
constexpr Box kProcessSwitch{262, 46, 106, 78};
constexpr Box kRatioKnob{50, 50, 70, 70};
constexpr Box kTimeKnob{28, 143, 114, 114};
constexpr Box kCompressionKnob{143, 143, 114, 114};
constexpr Box kOutputKnob{258, 143, 114, 114};
constexpr Box kMeterFace{150, 66, 100, 43};
constexpr Box kMeterOverlay{0, 0, 113, 46};

// The needle turns about (200, 155) and the meter adds half a pixel to reach pixel centres.
constexpr double kNeedlePivotX = 200.5;
constexpr double kNeedlePivotY = 155.5;
constexpr double kNeedleTipRadius = 86;

// Preset strip: the buttons' rectangles (one image each) and the hot spots drawn on the plate.
constexpr Box kSavePreset{55, 278, 12, 14};
constexpr Box kLoadPreset{119, 278, 12, 14};
constexpr Box kSaveBank{55, 293, 12, 14};
constexpr Box kLoadBank{119, 293, 12, 14};
constexpr Box kDefaultPreset{70, 280, 48, 10};
constexpr Box kDefaultBank{74, 295, 40, 10};
constexpr Box kStoreMemoA{302, 278, 12, 14};
constexpr Box kStoreMemoB{302, 293, 12, 14};
constexpr Box kRecallMemoA{327, 278, 12, 14};
constexpr Box kRecallMemoB{327, 293, 12, 14};
constexpr Box kStepper{270, 285, 31, 14};   // the control itself is one pixel narrower and lower
constexpr Box kProgramMenu{256, 286, 12, 12};  // invisible control: its look is on the plate
constexpr Box kNameField{138, 284, 114, 16};   // text only: the window behind it is on the plate
constexpr int kStripTop = 262;                 // top of the darker preset strip

}  // namespace art
