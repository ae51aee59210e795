// setChunk with any bytes: at the size given, and as a full-size chunk to reach the later checks.
#include "FuzzSupport.h"

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::FuzzEffect& effect = fuzzing::plugin();
    std::vector<unsigned char> exact(data, data + size);
    effect.setChunk(exact.empty() ? nullptr : exact.data(), static_cast<VstInt32>(size));

    std::vector<unsigned char> chunk(kStateChunkSize, 0);
    std::memcpy(chunk.data(), data, std::min<std::size_t>(size, kStateChunkSize));
    VstInt32 answer = effect.setChunk(chunk.data(), kStateChunkSize);
    fuzzing::require(answer == 0 || answer == -1, "setChunk answers 0 or -1");
    fuzzing::require(effect.currentProgramIndex() >= 0 && effect.currentProgramIndex() < kNumPresetPrograms,
                     "the current index stays 0..32");
    for (int i = 0; i < kNumParams; ++i) {
        float value = effect.getParameter(i);
        fuzzing::require(value >= 0.0f && value <= 1.0f, "parameters stay in 0..1");
    }

    // Handing back the buffer getChunk returned gives the same state. (The first time it may
    // clamp the current record, if the chunk above left it unselected with values beyond 0..1.)
    for (int round = 0; round < 2; ++round) {
        void* own = nullptr;
        VstInt32 length = effect.getChunk(&own);
        fuzzing::require(length == kStateChunkSize && own, "getChunk gives the whole bank");
        std::vector<unsigned char> before(static_cast<unsigned char*>(own),
                                          static_cast<unsigned char*>(own) + length);
        fuzzing::require(effect.setChunk(own, length) == 0, "own chunk accepted");
        void* again = nullptr;
        effect.getChunk(&again);
        fuzzing::require(round == 0 || std::memcmp(again, before.data(), before.size()) == 0, "own chunk round trip");
    }
    return 0;
}
