#include "COptionMenu.h"

#include "CBitmap.h"
#include "CFrame.h"
#include "platform/PlatformHooks.h"

#include <cmath>
#include <cstring>

namespace qgui {

COptionMenu::COptionMenu(const CRect& size, CControlListener* listener, int32_t tag, CBitmap* background,
                         CBitmap* backgroundWhenClicked, int32_t style)
    : CParamDisplay(size, listener, tag, background, style), backgroundWhenClicked(backgroundWhenClicked)
{
    if (backgroundWhenClicked)
        backgroundWhenClicked->remember();
    updateRange();
}

COptionMenu::~COptionMenu()
{
    removeAllEntry();
    if (backgroundWhenClicked)
        backgroundWhenClicked->forget();
}

void COptionMenu::updateRange()
{
    vmin = 0.0f;
    vmax = items.empty() ? 0.0f : static_cast<float>(items.size() - 1);
    bounceValue();
}

CMenuItem* COptionMenu::addEntry(CMenuItem* item, int32_t index)
{
    if (!item)
        return nullptr;
    if (index < 0 || index > getNbEntries())
        items.push_back(item);
    else
        items.insert(items.begin() + index, item);
    updateRange();
    return item;
}

CMenuItem* COptionMenu::addEntry(const std::string& title, int32_t index, int32_t flags)
{
    return addEntry(new CMenuItem(title, flags), index);
}

bool COptionMenu::removeEntry(int32_t index)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    items[static_cast<size_t>(index)]->forget();
    items.erase(items.begin() + index);
    updateRange();
    return true;
}

void COptionMenu::removeAllEntry()
{
    for (CMenuItem* item : items)
        item->forget();
    items.clear();
    updateRange();
}

CMenuItem* COptionMenu::getEntry(int32_t index) const
{
    if (index < 0 || index >= getNbEntries())
        return nullptr;
    return items[static_cast<size_t>(index)];
}

bool COptionMenu::setCurrent(int32_t index)
{
    if (index < 0 || index >= getNbEntries())
        return false;
    value = static_cast<float>(index);
    setDirty();
    return true;
}

int32_t COptionMenu::getCurrentIndex() const
{
    if (items.empty())
        return -1;
    return static_cast<int32_t>(std::floor(value + 0.5f));
}

bool COptionMenu::popup()
{
    if (items.empty() || showingPopup)
        return false;
    PopupMenuRequest request;
    request.where = CPoint(size.left, size.bottom);
    request.currentIndex = getCurrentIndex();
    request.entriesPerColumn = itemsPerColumn;
    for (size_t i = 0; i < items.size(); ++i) {
        const CMenuItem* item = items[i];
        PopupMenuEntry entry;
        entry.title = item->getTitle();
        entry.separator = item->isSeparator();
        entry.enabled = item->isEnabled();
        entry.checked = item->isChecked()
                        || ((style & kCheckStyle) && static_cast<int32_t>(i) == request.currentIndex);
        request.entries.push_back(entry);
    }

    const bool wasAttached = isAttached();
    showingPopup = true;
    setDirty();
    // A native menu runs its own message loop, in which the window may close: hold the menu.
    remember();
    int chosen = -1;
    if (const auto& hook = platform::popupMenuHook())
        chosen = hook(request);
    else if (CFrame* frame = getFrame(); frame && frame->getPlatformFrame())
        chosen = frame->getPlatformFrame()->popupMenu(request);
    showingPopup = false;
    setDirty();
    const bool closedMeanwhile = wasAttached && !isAttached();
    forget();
    if (closedMeanwhile)
        return false;

    const CMenuItem* item = getEntry(chosen);
    if (!item || !item->isEnabled() || item->isSeparator())
        return false;
    beginEdit();
    value = static_cast<float>(chosen);
    if (listener)
        listener->valueChanged(this);
    endEdit();
    if (isDirty())
        invalid();
    return true;
}

CMouseEventResult COptionMenu::onMouseDown(CPoint&, const CButtonState& buttons)
{
    if (!buttons.isLeftButton() && !buttons.isRightButton())
        return kMouseEventNotHandled;
    popup();
    return kMouseDownEventHandledButDontNeedMovedOrUpEvents;
}

void COptionMenu::draw(CDrawContext& context)
{
    if (showingPopup && backgroundWhenClicked) {
        backgroundWhenClicked->draw(context, size, backOffset);
        setDirty(false);
        return;
    }
    CParamDisplay::draw(context);
}

std::string COptionMenu::getDisplayText() const
{
    const CMenuItem* item = getCurrent();
    return item ? item->getTitle() : std::string();
}

bool COptionMenu::isTypeOf(const char* type) const
{
    return std::strcmp(type, "COptionMenu") == 0 || CParamDisplay::isTypeOf(type);
}

} // namespace qgui
