#include "PlatformHooks.h"

#include "Platform.h"

#include <utility>

namespace qgui::platform {

namespace {
// Set by tests before any window exists; read on the window thread.
PopupMenuHook& popupMenuSlot()
{
    static PopupMenuHook hook;
    return hook;
}
TextEditHook& textEditSlot()
{
    static TextEditHook hook;
    return hook;
}
BitmapLoaderHook& bitmapLoaderSlot()
{
    static BitmapLoaderHook hook;
    return hook;
}
PlatformFrameHook& platformFrameSlot()
{
    static PlatformFrameHook hook;
    return hook;
}
} // namespace

PopupMenuHook setPopupMenuHook(PopupMenuHook hook)
{
    return std::exchange(popupMenuSlot(), std::move(hook));
}

TextEditHook setTextEditHook(TextEditHook hook)
{
    return std::exchange(textEditSlot(), std::move(hook));
}

BitmapLoaderHook setBitmapLoaderHook(BitmapLoaderHook hook)
{
    return std::exchange(bitmapLoaderSlot(), std::move(hook));
}

PlatformFrameHook setPlatformFrameHook(PlatformFrameHook hook)
{
    return std::exchange(platformFrameSlot(), std::move(hook));
}

const PopupMenuHook& popupMenuHook()
{
    return popupMenuSlot();
}

const TextEditHook& textEditHook()
{
    return textEditSlot();
}

bool loadBitmap(int id, PixelImage& out)
{
    if (const auto& hook = bitmapLoaderSlot())
        return hook(id, out);
    return loadResourceBitmap(id, out);
}

std::unique_ptr<IPlatformFrame> makePlatformFrame(IPlatformFrameCallback& frame, const CRect& size, void* parent)
{
    if (const auto& hook = platformFrameSlot())
        return hook(frame, size, parent);
    return createPlatformFrame(frame, size, parent);
}

} // namespace qgui::platform
