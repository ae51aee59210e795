// The back-end entry points; each back-end's sources define them (chosen by CMake, one set
// per platform).
#pragma once

#include "IPlatformFrame.h"

#include <memory>

namespace qgui {

struct PixelImage;

namespace platform {

// A window for a frame: a child of parent (an HWND on Windows; ignored by the in-memory
// back-end) covering size. Null when the window cannot be made.
std::unique_ptr<IPlatformFrame> createPlatformFrame(IPlatformFrameCallback& frame, const CRect& size,
                                                    void* parent);

// A drawing context that renders into target, which must outlive it and keep its size.
std::unique_ptr<CDrawContext> createDrawContext(PixelImage& target);

// The bitmap resource with this id from the module that holds the code; false when missing.
bool loadResourceBitmap(int id, PixelImage& out);

} // namespace platform
} // namespace qgui
