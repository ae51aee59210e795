#include "CBitmap.h"

#include "CDrawContext.h"
#include "platform/PlatformHooks.h"

#include <utility>

namespace qgui {

CBitmap::CBitmap(int resourceId) : resourceId(resourceId)
{
    PixelImage loaded;
    if (platform::loadBitmap(resourceId, loaded) && !loaded.isEmpty()
        && loaded.pixels.size() == static_cast<size_t>(loaded.width) * static_cast<size_t>(loaded.height))
        image = std::move(loaded);
}

CBitmap::CBitmap(PixelImage pixels) : image(std::move(pixels))
{
    if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height))
        image = PixelImage();
}

void CBitmap::draw(CDrawContext& context, const CRect& dest, const CPoint& offset, float alpha) const
{
    if (isLoaded())
        context.drawBitmap(*this, dest, offset, alpha);
}

} // namespace qgui
