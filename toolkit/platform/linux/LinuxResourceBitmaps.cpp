// Placeholder until the pictures are embedded in the Linux build: no resource is found.
#include "platform/Platform.h"

namespace qgui {

bool platform::loadResourceBitmap(int, PixelImage&)
{
    return false;
}

} // namespace qgui
