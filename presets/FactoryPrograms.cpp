#include "FactoryPrograms.h"

namespace {
// Ratio steps are sixths computed in single precision.
constexpr float sixths(int k)
{
    return static_cast<float>(k) / 6.0f;
}
} // namespace

const FactoryProgram kFactoryPrograms[kNumPresetPrograms] = {
    {"Current", 1.0f, 0.5f, 0.5f, 0.5f, 0.0f},
    {"Default", 1.0f, 0.5f, 0.5f, 0.5f, 0.0f},
    {"CompressLite1", 1.0f, 0.0f, 0.5f, 0.5f, 0.15f},
    {"CompressLite2", 1.0f, sixths(1), 0.5f, 0.5f, 0.15f},
    {"CompressMed1", 1.0f, sixths(2), 0.5f, 0.5f, 0.15f},
    {"CompressMed2", 1.0f, 0.5f, 0.5f, 0.5f, 0.15f},
    {"CompressHeavy1", 1.0f, sixths(4), 0.5f, 0.5f, 0.15f},
    {"CompressHeavy2", 1.0f, sixths(5), 0.5f, 0.5f, 0.15f},
    {"SlowLim", 1.0f, 1.0f, 0.5f, 0.5f, 0.1f},
    {"FastLim", 1.0f, 1.0f, 0.2f, 0.5f, 0.1f},
    {"Leveller", 1.0f, 0.5f, 0.8f, 0.75f, 0.3f},
    {"Glue Things Together", 1.0f, 0.5f, 0.6f, 0.375f, 0.133f},
    {"Hats Smasher", 1.0f, 1.0f, 0.0f, 0.775f, 0.425f},
    {"Kick Fattener", 1.0f, sixths(5), 0.15f, 0.5f, 0.25f},
    {"Make it Pump", 1.0f, sixths(2), 0.0f, 0.65f, 0.183f},
    {"Snare Puncher", 1.0f, sixths(5), 0.35f, 0.375f, 0.166f},
    {"Kick", 1.0f, 0.5f, 0.3f, 0.5f, 0.133f},
    {"Pop Rock Vocal", 1.0f, 0.5f, 0.8f, 0.75f, 0.3f},
    {"Room Ambience", 1.0f, sixths(4), 0.7f, 0.275f, 0.166f},
    {"Snare Bottom", 1.0f, 0.5f, 0.35f, 0.225f, 0.133f},
    {"Snare Piccolo Top 1", 1.0f, sixths(4), 0.6f, 0.3f, 0.183f},
    {"Snare Piccolo Top 2", 1.0f, 0.5f, 0.4f, 0.5f, 0.216f},
    {"Stereo Drums Over", 1.0f, sixths(4), 0.55f, 0.6f, 0.233f},
    {"Stereo Toms", 1.0f, sixths(4), 0.5f, 0.625f, 0.233f},
    {"Vox", 0.5f, 0.5f, 0.35f, 0.5f, 0.1f},
    {"Genty Wips", 1.0f, 0.0f, 0.1f, 0.325f, 0.0f},
    {"Punchy Kick", 1.0f, 1.0f, 0.45f, 0.575f, 0.15f},
    {"Kick 2", 1.0f, sixths(5), 0.35f, 0.4f, 0.133f},
    {"Loud Bass", 1.0f, 0.5f, 0.15f, 0.675f, 0.2f},
    {"4k", 1.0f, sixths(2), 0.35f, 0.575f, 0.083f},
    {"Bus Comp 1", 0.5f, sixths(2), 0.4f, 0.525f, 0.116f},
    {"Bus Comp 2", 0.5f, sixths(5), 0.25f, 0.525f, 0.083f},
    {"Bus Comp 3", 1.0f, sixths(2), 0.15f, 0.625f, 0.083f},
};
