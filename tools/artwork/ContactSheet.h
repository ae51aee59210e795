// Review images: every picture on one sheet, and the editor as a host would show it.
#pragma once

#include "Catalogue.h"

namespace art {

// Each picture labelled with its id, size and frame count; strips laid out frame by frame.
Surface drawContactSheet(const std::vector<Picture>& pictures);

// The window as the editor composes it (needle and program name included), beside the same
// window with the about screen open, magnified by scale.
Surface drawEditorPreview(const std::vector<Picture>& pictures, double scale);

}  // namespace art
