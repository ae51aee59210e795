// Placeholder until the Win32 child window lands: no window can be made yet.
#include "platform/Platform.h"

namespace qgui {

std::unique_ptr<IPlatformFrame> platform::createPlatformFrame(IPlatformFrameCallback&, const CRect&, void*)
{
    return nullptr;
}

} // namespace qgui
