// Placeholder until the GDI+ back-end lands: nothing can be drawn yet.
#include "CDrawContext.h"
#include "platform/Platform.h"

namespace qgui {

std::unique_ptr<CDrawContext> platform::createDrawContext(PixelImage&)
{
    return nullptr;
}

} // namespace qgui
