// No native dialog on this platform yet: every selector is cancelled.
#include "NativeFileDialog.h"

namespace qgui {

bool runNativeFileDialog(const CNewFileSelector& /*selector*/, std::vector<std::string>& /*chosen*/)
{
    return false;
}

} // namespace qgui
