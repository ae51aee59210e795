// Replaceable answers to the questions the toolkit otherwise puts to the window system, so that
// tests (and a program without windows) can answer popup menus, text fields and bitmap loads.
// Each setter returns the previous hook; an empty hook means "ask the platform".
#pragma once

#include "IPlatformFrame.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace qgui {

struct PixelImage;

namespace platform {

// Returns the chosen entry index or -1 when dismissed.
using PopupMenuHook = std::function<int(const PopupMenuRequest&)>;
// Returns the edited text (committed) or nothing (cancelled).
using TextEditHook = std::function<std::optional<std::string>(const TextEditRequest&)>;
// Returns false when no bitmap of that id exists.
using BitmapLoaderHook = std::function<bool(int id, PixelImage& out)>;
// Makes the window of a new frame instead of createPlatformFrame.
using PlatformFrameHook =
    std::function<std::unique_ptr<IPlatformFrame>(IPlatformFrameCallback& frame, const CRect& size, void* parent)>;

PopupMenuHook setPopupMenuHook(PopupMenuHook hook);
TextEditHook setTextEditHook(TextEditHook hook);
BitmapLoaderHook setBitmapLoaderHook(BitmapLoaderHook hook);
PlatformFrameHook setPlatformFrameHook(PlatformFrameHook hook);

const PopupMenuHook& popupMenuHook();
const TextEditHook& textEditHook();

// The hook if set, else the module's resources.
bool loadBitmap(int id, PixelImage& out);
// The hook if set, else createPlatformFrame.
std::unique_ptr<IPlatformFrame> makePlatformFrame(IPlatformFrameCallback& frame, const CRect& size, void* parent);

} // namespace platform
} // namespace qgui
