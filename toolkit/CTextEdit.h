// A one-line text field: shows its text and, when clicked, lets the user edit it in a native
// field (or through the test hook); a committed edit tells the listener.
#pragma once

#include "CParamDisplay.h"
#include "platform/IPlatformFrame.h"

#include <memory>
#include <string>

namespace qgui {

class CTextEdit : public CParamDisplay, private ITextEditOwner {
public:
    CTextEdit(const CRect& size, CControlListener* listener, int32_t tag, const std::string& text = std::string(),
              CBitmap* background = nullptr, int32_t style = 0);
    ~CTextEdit() override;
    CTextEdit(const CTextEdit&) = delete;
    CTextEdit& operator=(const CTextEdit&) = delete;

    virtual void setText(const std::string& newText);
    const std::string& getText() const { return text; }
    bool isEditing() const { return editing; }

    // Starts editing: false when there is no way to edit (no hook, no native field).
    bool beginTextEditing();

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    // Return starts editing while the field has the focus.
    int32_t onKeyDown(VstKeyCode& keyCode) override;
    void takeFocus() override;
    void looseFocus() override;
    bool isTypeOf(const char* type) const override;

protected:
    std::string getDisplayText() const override { return text; }

private:
    void platformTextEditEnded(const std::string& edited, bool commit) override;
    void commitText(const std::string& edited);
    TextEditRequest makeRequest() const;

    std::string text;
    std::unique_ptr<IPlatformTextEdit> platformEdit;
    bool editing = false;
    bool insideEndCallback = false;
};

} // namespace qgui
