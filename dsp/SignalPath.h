// The compressor's running state: six filter sections, glides, noise, envelope and the published meter value.
#pragma once

#include "Biquad.h"
#include "NoiseGenerator.h"
#include "WorkingValues.h"

#include <atomic>

namespace dsp {

struct SignalPath {
    // Construction values; processing always sees the retuning of the first resume.
    Biquad meterSmoother{44100.0, Biquad::kLowpass, 2.0, 0.583, 0.0};
    Biquad fastSmoother{44100.0, Biquad::kLowpass, 5.0, 0.5, 0.0};
    Biquad slowSmoother{44100.0, Biquad::kLowpass, 20.0, 0.5, 0.0};
    Biquad envelopeFilter{44100.0, Biquad::kLowpass, 1.0, 0.1, 0.0};
    Biquad sidechainHighpassL{44100.0, Biquad::kHighpass, 40.0, 0.3, 0.0};
    Biquad sidechainHighpassR{44100.0, Biquad::kHighpass, 40.0, 0.3, 0.0};
    NoiseGenerator noise;

    double drive = 0.125;
    double inverseDrive = 8.0;
    double outputGain = 1.0;
    double denormalBias = 1e-17;  // sign flips every processed sample; keeps the glides off denormals
    double envelope = 0.0001;
    // Smoothed applied gain (1.0 = no reduction); written by the audio thread, read by the editor.
    std::atomic<double> meterGain{1.0};

    // Brings the meter smoother to rest at 1.0 so that the first block does not swing the needle.
    void warmUpMeter();
    // Fresh detector: glides at their targets, detector sections cleared, meter at rest.
    void suspend(const WorkingValues& values);
    // Retunes the sections for the host's rate (detector sections use 44100 outside 20000..200000).
    void resume(double hostRate, const WorkingValues& values);

    double meter() const { return meterGain.load(std::memory_order_relaxed); }
};

} // namespace dsp
