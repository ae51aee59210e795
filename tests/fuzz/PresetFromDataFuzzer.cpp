// presetFromData with any 77 bytes (a short input leaves a zero tail, as a short file does);
// the byte after the image asks for the reversed reading.
#include "FuzzSupport.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CPresetSystemEditor& presets = fuzzing::editor();
    unsigned char image[kPresetImageSize] = {};
    std::memcpy(image, data, std::min<std::size_t>(size, sizeof image));
    bool reversed = size > sizeof image && (data[sizeof image] & 1);
    int index = fuzzing::plugin().currentProgramIndex();
    presets.presetFromData(image, reversed);
    fuzzing::require(fuzzing::plugin().currentProgramIndex() == index, "a preset load keeps the program");
    fuzzing::requireBankInRange();
    return 0;
}
