// bankFromData with any 2381 bytes (zero tail for short inputs); the byte after the image asks
// for the reversed reading.
#include "FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPresetSystemEditor& presets = fuzzing::editor();
    std::vector<unsigned char> image(kBankImageSize, 0);
    std::memcpy(image.data(), data, std::min<std::size_t>(size, image.size()));
    bool reversed = size > image.size() && (data[image.size()] & 1);
    presets.bankFromData(image.data(), reversed);
    fuzzing::require(fuzzing::plugin().currentProgramIndex() == 0, "a bank load ends on program 0");
    fuzzing::requireBankInRange();
    return 0;
}
