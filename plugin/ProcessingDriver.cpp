// The effect's audio side: state transitions, and per block the channel choice and the kernel or Off copy.
#include "Plugin.h"

namespace {
constexpr auto kRelaxed = std::memory_order_relaxed;
}

void Plugin::suspend()
{
    signalPath.suspend(working);
    clearEditorMeter();
}

void Plugin::resume()
{
    signalPath.resume(getSampleRate(), working);
    refreshEditorMeter();
}

void Plugin::setSampleRate(float rate)
{
    // The sections take a new rate only at the next resume.
    AudioEffect::setSampleRate(rate);
    setInitialDelay(0);
}

// The meter needle is reset through the editor once one exists; until then there is nothing to tell.
void Plugin::clearEditorMeter() {}
void Plugin::refreshEditorMeter() {}

template <typename Sample>
dsp::BlockChannels<Sample> Plugin::resolveChannels(Sample** inputs, Sample** outputs)
{
    // The host answers the pin queries; a missing second buffer counts as an unconnected pin.
    Sample* inRight = isInputConnected(1) && stereoInput() && inputs[1] ? inputs[1] : inputs[0];
    Sample* outRight = isOutputConnected(1) && stereoOutput() && outputs[1] ? outputs[1] : outputs[0];
    return {inputs[0], inRight, outputs[0], outRight};
}

template <typename Sample>
void Plugin::processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames)
{
    if (!inputs || !outputs || !inputs[0] || !outputs[0])
        return;
    const dsp::BlockChannels<Sample> channels = resolveChannels(inputs, outputs);
    if (working.processMode.load(kRelaxed) == dsp::kModeOff) {
        dsp::passThroughBlock(signalPath, channels, sampleFrames);
        return;
    }
    if (stereoInput() && isInputConnected(1)) {
        dsp::processStereoBlock(signalPath, working, resolveChannels(inputs, outputs), sampleFrames);
        return;
    }
    Sample* outRight = isOutputConnected(1) && stereoOutput() && outputs[1] ? outputs[1] : outputs[0];
    dsp::processMonoBlock(signalPath, working, dsp::BlockChannels<Sample>{inputs[0], inputs[0], outputs[0], outRight},
                          sampleFrames);
}

void Plugin::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processBlock(inputs, outputs, sampleFrames);
}

void Plugin::processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames)
{
    processBlock(inputs, outputs, sampleFrames);
}
