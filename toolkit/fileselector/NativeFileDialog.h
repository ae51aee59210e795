// The platform's own file dialog behind CNewFileSelector; one source per platform.
#pragma once

#include <string>
#include <vector>

namespace qgui {

class CNewFileSelector;

// Runs the dialog for the selector's settings; false when cancelled or when there is none.
bool runNativeFileDialog(const CNewFileSelector& selector, std::vector<std::string>& chosen);

} // namespace qgui
