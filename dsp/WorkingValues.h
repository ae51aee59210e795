// Values derived from the parameters. Written by setParameter on any thread, read by the kernels every
// sample: relaxed atomics, one store per change, no lock.
#pragma once

#include <atomic>

namespace dsp {

enum ProcessModeValue { kModeOff = 0, kModeClear = 1, kModeValve = 2 };

struct WorkingValues {
    std::atomic<int> processMode{kModeOff};
    std::atomic<int> ratioIndex{0};
    std::atomic<double> timeConstant{0.005};   // seconds; divides the envelope filter's cutoff
    std::atomic<double> driveTarget{0.125};    // linear factor before detection and gain
    std::atomic<double> outputGainTarget{1.0}; // linear make-up gain
};

} // namespace dsp
