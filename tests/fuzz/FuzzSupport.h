// Shared by the fuzz targets: one preset-system effect made on a private user store, and a loud
// stop when an invariant breaks, so libFuzzer records the input.
#pragma once

#include "CPresetSystemEditor.h"
#include "CPresetSystemEffect.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzing {

// Points XDG_CONFIG_HOME at a new temporary folder; returns the store's value folder.
const char* useTemporaryUserStore();

// The preset system without the signal path: parameters are clamped and stored as the plug-in does.
class FuzzEffect : public CPresetSystemEffect {
public:
    explicit FuzzEffect(audioMasterCallback host);
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void processReplacing(float**, float**, VstInt32) override {}

private:
    float parameters[kNumParams] = {};
};

FuzzEffect& plugin();
CPresetSystemEditor& editor();

inline void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Every stored value of every record lies in 0..1, which image loads promise.
void requireBankInRange();

} // namespace fuzzing
