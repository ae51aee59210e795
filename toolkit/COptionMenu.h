// A control that pops up a list of entries and takes the index of the chosen one as its value.
#pragma once

#include "CParamDisplay.h"
#include "CReferenceCounter.h"

#include <string>
#include <vector>

namespace qgui {

class CMenuItem : public CBaseObject {
public:
    enum Flags : int32_t {
        kNoFlags = 0,
        kDisabled = 1 << 0,
        kTitle = 1 << 1,
        kChecked = 1 << 2,
        kSeparator = 1 << 3,
    };

    explicit CMenuItem(const std::string& title, int32_t flags = kNoFlags) : title(title), flags(flags) {}

    void setTitle(const std::string& newTitle) { title = newTitle; }
    const std::string& getTitle() const { return title; }
    int32_t getFlags() const { return flags; }
    void setChecked(bool state) { flags = state ? (flags | kChecked) : (flags & ~kChecked); }
    bool isChecked() const { return (flags & kChecked) != 0; }
    bool isEnabled() const { return (flags & (kDisabled | kTitle)) == 0; }
    bool isSeparator() const { return (flags & kSeparator) != 0 || title == "-"; }

private:
    std::string title;
    int32_t flags;
};

class COptionMenu : public CParamDisplay {
public:
    COptionMenu(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background = nullptr,
                CBitmap* backgroundWhenClicked = nullptr, int32_t style = 0);
    ~COptionMenu() override;
    COptionMenu(const COptionMenu&) = delete;
    COptionMenu& operator=(const COptionMenu&) = delete;

    // Takes over the caller's reference; index -1 appends.
    CMenuItem* addEntry(CMenuItem* item, int32_t index = -1);
    CMenuItem* addEntry(const std::string& title, int32_t index = -1, int32_t flags = CMenuItem::kNoFlags);
    bool removeEntry(int32_t index);
    void removeAllEntry();
    CMenuItem* getEntry(int32_t index) const;
    int32_t getNbEntries() const { return static_cast<int32_t>(items.size()); }

    bool setCurrent(int32_t index);
    int32_t getCurrentIndex() const;
    CMenuItem* getCurrent() const { return getEntry(getCurrentIndex()); }
    void setNbItemsPerColumn(int32_t count) { itemsPerColumn = count; }
    int32_t getNbItemsPerColumn() const { return itemsPerColumn; }

    // Shows the popup (through the test hook or the window) and applies the choice: the value
    // becomes the entry's index and the listener hears of it. False when nothing was chosen.
    bool popup();

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    void draw(CDrawContext& context) override;
    bool isTypeOf(const char* type) const override;

protected:
    std::string getDisplayText() const override;

private:
    void updateRange();

    std::vector<CMenuItem*> items;
    CBitmap* backgroundWhenClicked;
    int32_t itemsPerColumn = 0;
    bool showingPopup = false;
};

} // namespace qgui
