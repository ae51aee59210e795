#include "CTextEdit.h"

#include "CFrame.h"
#include "VstKeys.h"
#include "platform/PlatformHooks.h"

#include <cstring>

namespace qgui {

namespace {
// A field never holds more than this (bytes of UTF-8); longer input is cut.
constexpr size_t kMaxTextLength = 255;

std::string limited(const std::string& s)
{
    if (s.size() <= kMaxTextLength)
        return s;
    size_t end = kMaxTextLength;
    // Cut before a UTF-8 continuation byte so that no character is split.
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xc0) == 0x80)
        --end;
    return s.substr(0, end);
}
} // namespace

CTextEdit::CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const std::string& text,
                     CBitmap* background, int32_t style)
    : CParamDisplay(size, listener, tag, background, style), text(limited(text))
{
    setWantsFocus(true);
}

CTextEdit::~CTextEdit()
{
    editing = false;
    platformEdit.reset();
}

void CTextEdit::setText(const std::string& newText)
{
    const std::string limitedText = limited(newText);
    if (limitedText == text)
        return;
    text = limitedText;
    setDirty();
}

TextEditRequest CTextEdit::makeRequest() const
{
    TextEditRequest request;
    request.rect = size;
    request.text = text;
    request.font = font;
    request.fontColor = fontColor;
    request.backColor = backColor;
    request.horizontalAlign = horiAlign;
    request.maxLength = static_cast<int>(kMaxTextLength);
    return request;
}

bool CTextEdit::beginTextEditing()
{
    if (editing)
        return true;
    if (const auto& hook = platform::textEditHook()) {
        editing = true;
        const std::optional<std::string> result = hook(makeRequest());
        editing = false;
        if (result)
            commitText(*result);
        return true;
    }
    CFrame* frame = getFrame();
    IPlatformFrame* platformFrame = frame ? frame->getPlatformFrame() : nullptr;
    if (!platformFrame)
        return false;
    platformEdit.reset();
    platformEdit = platformFrame->createTextEdit(*this, makeRequest());
    editing = platformEdit != nullptr;
    return editing;
}

void CTextEdit::commitText(const std::string& edited)
{
    setText(edited);
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
}

void CTextEdit::platformTextEditEnded(const std::string& edited, bool commit)
{
    if (!editing)
        return;
    editing = false;
    // The native field stays alive until the next edit or our destruction: it must not be
    // destroyed from inside its own notification.
    insideEndCallback = true;
    if (commit)
        commitText(edited);
    if (CFrame* frame = getFrame(); frame && frame->getFocusView() == this)
        frame->setFocusView(nullptr);
    insideEndCallback = false;
}

CMouseEventResult CTextEdit::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (platform::textEditHook()) {
        beginTextEditing();
    } else if (CFrame* frame = getFrame()) {
        if (frame->getFocusView() == this)
            beginTextEditing();
        else
            frame->setFocusView(this);
    }
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

int32_t CTextEdit::onKeyDown(VstKeyCode& keyCode)
{
    if (keyCode.virt != VKEY_RETURN && keyCode.virt != VKEY_ENTER)
        return -1;
    beginTextEditing();
    return 1;
}

void CTextEdit::takeFocus()
{
    beginTextEditing();
}

void CTextEdit::looseFocus()
{
    if (!editing || insideEndCallback)
        return;
    // Losing the focus commits what was typed.
    editing = false;
    const std::string edited = platformEdit ? platformEdit->getText() : text;
    platformEdit.reset();
    commitText(edited);
}

bool CTextEdit::isTypeOf(const char* type) const
{
    return std::strcmp(type, "CTextEdit") == 0 || CParamDisplay::isTypeOf(type);
}

} // namespace qgui
