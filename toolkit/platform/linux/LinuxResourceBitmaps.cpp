// Bitmaps from the pictures built into the binary (Linux has no resource section).
#include "EmbeddedBitmaps.h"
#include "platform/DecodedPixels.h"
#include "platform/Platform.h"

namespace qgui {

bool platform::loadResourceBitmap(int id, PixelImage& out)
{
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    if (!qgres::findBitmap(id, &data, &size))
        return false;
    qgres::DecodedBitmap decoded;
    if (!qgres::decodeBmpFile(data, size, decoded))
        return false;
    toPixelImage(decoded, out);
    return true;
}

} // namespace qgui
