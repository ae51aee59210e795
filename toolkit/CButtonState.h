// Mouse buttons and modifier keys of an event, and what a view answers to a mouse event.
#pragma once

#include <cstdint>

namespace qgui {

enum CButton : int32_t {
    kLButton = 1 << 1,
    kMButton = 1 << 2,
    kRButton = 1 << 3,
    kShift = 1 << 4,
    kControl = 1 << 5,
    kAlt = 1 << 6,
    kApple = 1 << 7,
    kButton4 = 1 << 8,
    kButton5 = 1 << 9,
    kDoubleClick = 1 << 10,
};

constexpr int32_t kMouseButtonMask = kLButton | kMButton | kRButton | kButton4 | kButton5;
constexpr int32_t kModifierMask = kShift | kControl | kAlt | kApple;

class CButtonState {
public:
    constexpr CButtonState(int32_t state = 0) : state(state) {}

    constexpr int32_t getButtonState() const { return state; }
    constexpr bool isLeftButton() const { return (state & kLButton) != 0; }
    constexpr bool isRightButton() const { return (state & kRButton) != 0; }
    constexpr bool isDoubleClick() const { return (state & kDoubleClick) != 0; }
    constexpr int32_t getModifierState() const { return state & kModifierMask; }
    constexpr int32_t operator&(int32_t mask) const { return state & mask; }
    constexpr bool operator==(const CButtonState& o) const { return state == o.state; }
    constexpr bool operator!=(const CButtonState& o) const { return state != o.state; }
    constexpr operator int32_t() const { return state; }

private:
    int32_t state;
};

enum CMouseEventResult {
    kMouseEventNotImplemented = 0,
    kMouseEventHandled,
    kMouseEventNotHandled,
    kMouseDownEventHandledButDontNeedMovedOrUpEvents,
    kMouseMoveEventHandledButDontNeedMoreEvents,
};

// The process-wide way knobs follow a drag; a host may change it (effSetEditKnobMode).
enum CKnobMode : int32_t {
    kCircularMode = 0,
    kRelativCircularMode = 1,
    kLinearMode = 2,
};

} // namespace qgui
