// Per-block processing for Clear and Valve (the kernels) and for Off, in float and double sample variants.
// Channels come resolved by the caller; an output may be the same buffer as an input or as the other output.
#pragma once

#include "SignalPath.h"
#include "WorkingValues.h"

namespace dsp {

template <typename Sample>
struct BlockChannels {
    const Sample* inLeft;
    const Sample* inRight;  // unused by the mono kernel
    Sample* outLeft;
    Sample* outRight;
};

// Two inputs share one gain derived from their summed power.
template <typename Sample>
void processStereoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames);

// The left input alone drives the gain; both outputs receive the same samples.
template <typename Sample>
void processMonoBlock(SignalPath& path, WorkingValues& values, const BlockChannels<Sample>& channels, int frames);

// Off: copies bit for bit and lets the meter relax toward no reduction; nothing else advances.
template <typename Sample>
void passThroughBlock(SignalPath& path, const BlockChannels<Sample>& channels, int frames);

} // namespace dsp
