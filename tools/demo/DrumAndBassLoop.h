// A deterministic drum-and-bass loop synthesised from scratch: kick, snare, hats and a detuned bass.
#pragma once

#include <vector>

namespace demo {

struct StereoBuffer {
    double sampleRate = 44100.0;
    std::vector<float> left, right;
};

// Two-step pattern at 174 BPM, the given length in seconds, peaking just below full scale.
StereoBuffer drumAndBassLoop(double seconds, double sampleRate = 44100.0);

} // namespace demo
