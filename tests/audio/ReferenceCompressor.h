// An independent, deliberately plain model of the compressor, written from the documented steps, to compare
// whole rendered blocks against. It models the state after the host's resume; the meter is not modelled.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace reference {

class Section {
public:
    Section(double rate, bool lowpass, double frequency, double q) : rate(rate), lowpass(lowpass), f(frequency), q(q)
    {
        if (f > 0.499 * rate)
            f = 0.499 * rate;
        const double w = 6.283185307179586 * f / rate;
        const double k = lowpass ? 0.50001 : 0.5001;
        const double e = lowpass ? 8.0 : 6.0;
        const double p = std::pow(f / (k * rate), e);
        const double alpha = std::sin(w) / (2 * q * (1 - p));
        setFromAlpha(std::cos(w), alpha, lowpass);
    }

    void moveLowpass(double cutoff)
    {
        double fc = cutoff;
        if (fc < 0.001)
            fc = 0.001;
        else if (fc > 0.499 * rate)
            fc = 0.499 * rate;
        const double w = 6.283185307179586 * fc / rate;
        setFromAlpha(std::cos(w), std::sin(w) / (2 * q), true);
    }

    double run(double x)
    {
        double y = b[0] * x;
        y = y + b[1] * xh[0];
        y = y + b[2] * xh[1];
        y = y - a[0] * yh[0];
        y = y - a[1] * yh[1];
        y = (y + 1e-18) - 1e-18;
        xh[1] = xh[0];
        xh[0] = x;
        yh[1] = yh[0];
        yh[0] = y;
        return y;
    }

    void clear() { xh[0] = xh[1] = yh[0] = yh[1] = 0.0; }

private:
    void setFromAlpha(double cw, double alpha, bool lp)
    {
        const double a0 = 1 + alpha;
        a[0] = -2 * cw / a0;
        a[1] = (1 - alpha) / a0;
        const double c = lp ? 1 - cw : 1 + cw;
        b[0] = c * 0.5 / a0;
        b[1] = lp ? c / a0 : -c / a0;
        b[2] = b[0];
    }

    double rate;
    bool lowpass;
    double f, q;
    double b[3] = {}, a[2] = {};
    double xh[2] = {}, yh[2] = {};
};

inline double gainCurve(int ratio, double x)
{
    const double at = std::atan(1.2 * x);
    const double th = std::tanh(x);
    double transfer = 0.0;
    switch (ratio) {
    case 0: return 0.6 / (1 + 0.4 * x) + 0.4;
    case 1: return 0.8 / (1 + 0.4 * x) + 0.2;
    case 2: transfer = 0.3 * (0.92 * at / 1.2 + 0.08 * x) + 0.7 * (0.9 * x / (1 + 0.35 * x) + 0.1 * x); break;
    case 3: transfer = 0.65 * (0.95 * at / 1.2 + 0.05 * x) + 0.35 * (0.95 * x / (1 + 0.35 * x) + 0.05 * x); break;
    case 4: transfer = 0.97 * at / 1.2 + 0.03 * x; break;
    case 5: transfer = 0.5 * (0.982 * at / 1.2 + 0.018 * x) + 0.5 * (0.982 * th + 0.018 * x); break;
    default: transfer = 0.99 * th + 0.01 * x; break;
    }
    return transfer / x;
}

inline double valve(int ratio, double y)
{
    static const double scaleIn[7] = {1 / 22.4, 0.06313513950340426, 0.125, 0.1767783906095319, 0.25,
                                      1 / 2.82, 1 / 2.8};
    static const double scaleOut[7] = {22.4, 15.839039999999997, 8.0, 5.6568, 4.0, 2.82, 2.8};
    if (y >= 0)
        return scaleOut[ratio] * std::atan(scaleIn[ratio] * y);
    return scaleOut[ratio] * std::tanh(-0.64 * scaleIn[ratio] * y) / -0.64;
}

class Compressor {
public:
    explicit Compressor(double hostRate)
        : rate(hostRate >= 20000 && hostRate <= 200000 ? hostRate : 44100.0), highL(rate, false, 40, 0.3),
          highR(rate, false, 40, 0.3), fast(rate, true, 5, 0.5), slow(rate, true, 2, 0.5), envelopeLp(rate, true, 1, 0.1)
    {
    }

    void setParameter(int index, float value)
    {
        const double v = value;
        switch (index) {
        case 0: mode = static_cast<int>(2.0 * v + 0.5); break;
        case 2: ratio = static_cast<int>(6.0 * v + 0.5); break;
        case 4: timeConstant = 0.005 * std::pow(100.0, v); break;
        case 5: driveTarget = 0.125 * std::pow(1024.0, static_cast<int>(40.0 * std::pow(v, 0.7071) + 0.5) / 40.0); break;
        case 6: outputTarget = std::pow(31.622776601683793, static_cast<int>(60.0 * v + 0.5) / 60.0); break;
        default: break;
        }
    }

    // What the host's first resume leaves (the targets are copied into the glides).
    void start()
    {
        drive = driveTarget;
        output = outputTarget;
        bias = 1e-17;
    }

    // effMainsChanged 0 then 1: detector cleared, envelope at its start value; the noise runs on.
    void suspendAndResume()
    {
        for (Section* s : {&highL, &highR, &fast, &slow, &envelopeLp})
            s->clear();
        envelope = 0.0001;
        start();
    }

    template <typename Sample>
    void stereo(const Sample* inL, const Sample* inR, Sample* outL, Sample* outR, int frames)
    {
        const int blockRatio = ratio;
        for (int i = 0; i < frames; ++i) {
            glide();
            const double l = finiteOrZero(inL[i]), r = finiteOrZero(inR[i]);
            const double nl = noise();
            const double f = nl + l * drive;
            const double nr = noise();
            const double k = nr + r * drive;
            const double hl = highL.run(f), hr = highR.run(k);
            const double g = gain((hr * hr + hl * hl) * 0.7071);
            double yl = g * f, yr = g * k;
            if (mode == 2) {
                yl = valve(blockRatio, yl);
                yr = valve(blockRatio, yr);
            }
            outL[i] = static_cast<Sample>(yl * (1 / drive) * output);
            outR[i] = static_cast<Sample>(yr * (1 / drive) * output);
        }
    }

    template <typename Sample>
    void mono(const Sample* in, Sample* outL, Sample* outR, int frames)
    {
        const int blockRatio = ratio;
        for (int i = 0; i < frames; ++i) {
            glide();
            const double f = noise() + finiteOrZero(in[i]) * drive;
            const double g = gain(std::fabs(highL.run(f)));
            double y = g * f;
            if (mode == 2)
                y = valve(blockRatio, y);
            outL[i] = outR[i] = static_cast<Sample>(y * (1 / drive) * output);
        }
    }

    int mode = 1, ratio = 3;

private:
    static double finiteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

    void glide()
    {
        bias = -bias;
        drive = drive + ((driveTarget - drive) * 0.001 + bias);
        output = output + ((outputTarget - output) * 0.001 + bias);
    }

    double noise()
    {
        s1 = ((((s1 >> 9) ^ s1) >> 6) & 0x1FFF) ^ (s1 << 13);
        s2 = ((((s2 >> 2) ^ s2) >> 7) & 0xFFFFF) ^ (s2 << 20);
        s3 = ((((s3 >> 6) ^ s3) >> 8) & 0x1FFFF) ^ (s3 << 17);
        const double r = static_cast<double>(s1 ^ s2 ^ s3);
        return (2 * (r * 2.3283064365e-10) - 1) * 1e-10;
    }

    double gain(double detector)
    {
        const double a = fast.run(detector), b = slow.run(detector);
        const double rise = 0.2 * (a > 1e-6 ? a : 1e-6) / (b > 1e-6 ? b : 1e-6);
        envelopeLp.moveLowpass((4 * rise / (rise + 1) + 0.1) * 0.7 / timeConstant);
        const int steps = detector > envelope ? 10 : 1;
        for (int s = 0; s < steps; ++s)
            envelope = envelopeLp.run(detector);
        if (std::isnan(envelope))
            envelope = 0;
        if (envelope < 0.001)
            envelope = 0.001;
        const double g = gainCurve(ratio, std::sqrt(envelope));
        return std::isnan(g) ? 0.0 : g;
    }

    double rate;
    Section highL, highR, fast, slow, envelopeLp;
    std::uint32_t s1 = 592, s2 = 153768, s3 = 1526;
    double timeConstant = 0.005, driveTarget = 0.125, outputTarget = 1.0;
    double drive = 0.125, output = 1.0, bias = 1e-17, envelope = 0.0001;
};

} // namespace reference
