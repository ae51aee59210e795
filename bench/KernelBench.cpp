// Cost per frame of each kernel, and of the transcendental work alone (the floor) for comparison.
#include "Kernels.h"
#include "RatioCurves.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kRate = 44100.0;
constexpr int kBlock = 512;
constexpr int kSignalFrames = kRate * 4;

enum class Programme { Steady, Attacks };

// Steady: a sustained two-tone signal. Attacks: a hit every 100 ms that decays fast, so the envelope
// keeps re-entering its ten-step attack.
const std::vector<double>& signal(Programme programme, int channel)
{
    static std::vector<double> cache[2][2];
    std::vector<double>& s = cache[programme == Programme::Attacks][channel];
    if (s.empty()) {
        s.resize(kSignalFrames);
        for (int i = 0; i < kSignalFrames; ++i) {
            const double t = i / kRate;
            const double tone = std::sin(6.283185307179586 * (110.0 + 55.0 * channel) * t) +
                                0.5 * std::sin(6.283185307179586 * 1234.0 * t);
            const double hit = programme == Programme::Attacks ? std::exp(-std::fmod(t, 0.1) * 60.0) : 0.5;
            s[i] = 0.5 * tone * hit;
        }
    }
    return s;
}

struct KernelSetup {
    dsp::SignalPath path;
    dsp::WorkingValues values;

    explicit KernelSetup(bool valve)
    {
        values.processMode = valve ? dsp::kModeValve : dsp::kModeClear;
        values.ratioIndex = 3;
        values.timeConstant = 0.05;
        values.driveTarget = 8.0;
        values.outputGainTarget = 1.0;
        path.warmUpMeter();
        path.suspend(values);
        path.resume(kRate, values);
    }
};

template <typename Sample>
void kernelBench(benchmark::State& state, bool stereo, bool valve, Programme programme)
{
    KernelSetup setup(valve);
    std::vector<Sample> inL(signal(programme, 0).begin(), signal(programme, 0).end());
    std::vector<Sample> inR(signal(programme, 1).begin(), signal(programme, 1).end());
    std::vector<Sample> outL(kBlock), outR(kBlock);
    int offset = 0;
    for (auto _ : state) {
        const dsp::BlockChannels<Sample> io{inL.data() + offset, inR.data() + offset, outL.data(), outR.data()};
        if (stereo)
            dsp::processStereoBlock(setup.path, setup.values, io, kBlock);
        else
            dsp::processMonoBlock(setup.path, setup.values, io, kBlock);
        benchmark::DoNotOptimize(outL.data());
        benchmark::DoNotOptimize(outR.data());
        benchmark::ClobberMemory();
        offset = (offset + kBlock) % (kSignalFrames - kBlock);
    }
    state.counters["ns_per_frame"] =
        benchmark::Counter(static_cast<double>(kBlock) * 1e-9, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

// The transcendental work one sample needs at least: a sine and cosine of the envelope cutoff, a square root
// and one curve evaluation, as independent work over an array (no sample waits for the previous one).
void floorBench(benchmark::State& state)
{
    std::vector<double> cutoff(kBlock), level(kBlock);
    for (int i = 0; i < kBlock; ++i) {
        cutoff[i] = 6.283185307179586 * (10.0 + 0.37 * i) / kRate;
        level[i] = 0.01 + 0.003 * i;
    }
    for (auto _ : state) {
        double sum = 0.0;
        for (int i = 0; i < kBlock; ++i)
            sum += std::sin(cutoff[i]) + std::cos(cutoff[i]) + dsp::curveGain(3, std::sqrt(level[i]));
        benchmark::DoNotOptimize(sum);
    }
    state.counters["ns_per_frame"] =
        benchmark::Counter(static_cast<double>(kBlock) * 1e-9, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

// Registration order, which the closing table keeps whatever order the runs took.
std::vector<std::string>& registeredNames()
{
    static std::vector<std::string> names;
    return names;
}

void registerAll()
{
    registeredNames().push_back("floor");
    benchmark::RegisterBenchmark("floor", floorBench);
    for (bool stereo : {true, false})
        for (bool isDouble : {true, false})
            for (bool valve : {false, true})
                for (Programme programme : {Programme::Steady, Programme::Attacks}) {
                    const std::string name = std::string(stereo ? "stereo" : "mono") + "/" +
                                             (isDouble ? "double" : "float") + "/" + (valve ? "Valve" : "Clear") +
                                             "/" + (programme == Programme::Steady ? "steady" : "attacks");
                    registeredNames().push_back(name);
                    if (isDouble)
                        benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& s) {
                            kernelBench<double>(s, stereo, valve, programme);
                        });
                    else
                        benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& s) {
                            kernelBench<float>(s, stereo, valve, programme);
                        });
                }
}

// Collects each run's ns/frame and closes with a table of ratios to the floor.
class FloorRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions the median stands for the benchmark; without, the single run does.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median)
                continue;
            auto it = run.counters.find("ns_per_frame");
            if (it == run.counters.end())
                continue;
            const std::string name = run.run_name.function_name;
            auto known = std::find_if(results.begin(), results.end(),
                                      [&](const Result& r) { return r.name == name; });
            if (known == results.end())
                results.push_back({name, it->second.value, median});
            else if (median || !known->fromMedian)
                *known = {name, it->second.value, median};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        auto floor = std::find_if(results.begin(), results.end(), [](const Result& r) { return r.name == "floor"; });
        if (floor == results.end() || floor->nsPerFrame <= 0.0)
            return;
        const double floorNs = floor->nsPerFrame;
        std::printf("\n%-32s %10s %10s\n", "kernel", "ns/frame", "x floor");
        for (const std::string& name : registeredNames()) {
            auto r = std::find_if(results.begin(), results.end(), [&](const Result& x) { return x.name == name; });
            if (r != results.end())
                std::printf("%-32s %10.2f %10.2f\n", r->name.c_str(), r->nsPerFrame, r->nsPerFrame / floorNs);
        }
        std::fflush(stdout);
    }

private:
    struct Result {
        std::string name;
        double nsPerFrame;
        bool fromMedian;
    };
    std::vector<Result> results;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    FloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
