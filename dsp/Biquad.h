// Second-order recursive section (direct form I, double precision) with low-pass or high-pass response.
#pragma once

#include <cmath>

namespace dsp {

class Biquad {
public:
    enum Response { kHighpass = 1, kLowpass = 8 };

    // gainDb is accepted for symmetry with the sections' construction; neither response uses it.
    Biquad(double sampleRate, Response response, double frequency, double q, double gainDb = 0.0);

    // Stores the rate as given; only the frequency bound uses 44100 for rates outside 20000..200000.
    void setSampleRate(double rate);
    void setFrequency(double f);
    void setQ(double value);
    void update();
    void reset() { x1 = x2 = y1 = y2 = 0.0; }

    struct Coefficients {
        double b0, b1, b2, a1, a2;
    };

    // Plain low-pass coefficients for a cutoff bounded to 0.001 Hz .. 0.499 x rate; called every sample.
    void setLowpassCutoff(double f)
    {
        freq = f;
        setCoefficients(lowpassCoefficients(f, rate, quality));
    }
    // The same coefficients without a section, so that a kernel can compute them ahead of the steps:
    // the angle of the bounded cutoff, then the coefficients from its cosine and sine.
    static Coefficients lowpassCoefficients(double f, double rate, double q);
    static double lowpassAngle(double f, double rate)
    {
        // Both bounds are tested unconditionally so that loops over many cutoffs compile without branches.
        const double highest = 0.499 * rate;
        const double belowTop = f > highest ? highest : f;
        const double fc = f < 0.001 ? 0.001 : belowTop;
        return 6.283185307179586 * fc / rate;
    }
    static Coefficients lowpassFromAngle(double cw, double sw, double q)
    {
        const double alpha = sw / (2 * q);
        const double a0 = 1 + alpha;
        Coefficients c;
        c.a1 = -2 * cw / a0;
        c.a2 = (1 - alpha) / a0;
        // Halving is exact (1 - cw is 0 or at least 2^-53, a0 >= 1), so the half of b1 has the bits of
        // (1 - cw) * 0.5 / a0 at one division less.
        c.b1 = (1 - cw) / a0;
        c.b0 = c.b1 * 0.5;
        c.b2 = c.b0;
        return c;
    }
    void setCoefficients(const Coefficients& c)
    {
        b0 = c.b0;
        b1 = c.b1;
        b2 = c.b2;
        a1 = c.a1;
        a2 = c.a2;
    }
    // Stores a cutoff whose coefficients were set with setCoefficients.
    void noteLowpassCutoff(double f) { freq = f; }

    // y = b0 x + b1 x1 + b2 x2 - a1 y1 - a2 y2, then a flush that turns magnitudes below ~1e-34 into 0
    // so that a decaying section never produces denormals.
    double step(double x) { return advance(flush(sum(x)), x); }

    // Four steps with the input held at x; same result and history as four calls of step(x).
    double stepHeld4(double x)
    {
        step(x);
        step(x);
        step(x);
        return step(x);
    }

    // Same result and history as step(x), for sections whose output varies slowly: 1e-18 is less than half
    // the spacing of doubles of magnitude 2^-5 or more, so the flush leaves them unchanged. A well predicted
    // branch is shorter than the flush's two additions on the section's recursion.
    double stepSmooth(double x)
    {
        double y = sum(x);
        if (!(std::fabs(y) >= 0.03125))
            y = flush(y);
        return advance(y, x);
    }
    double stepSmoothHeld4(double x)
    {
        stepSmooth(x);
        stepSmooth(x);
        stepSmooth(x);
        return stepSmooth(x);
    }

    double sampleRate() const { return rate; }
    double frequency() const { return freq; }
    double q() const { return quality; }
    Response response() const { return type; }

    Coefficients coefficients() const { return {b0, b1, b2, a1, a2}; }
    struct History {
        double x1, x2, y1, y2;
    };
    History history() const { return {x1, x2, y1, y2}; }
    void setHistory(const History& h)
    {
        x1 = h.x1;
        x2 = h.x2;
        y1 = h.y1;
        y2 = h.y2;
    }

private:
    double sum(double x) const { return b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2; }
    static double flush(double y) { return (y + 1e-18) - 1e-18; }
    double advance(double y, double x)
    {
        y2 = y1;
        y1 = y;
        x2 = x1;
        x1 = x;
        return y;
    }

    double rate;
    Response type;
    double freq;
    double quality;
    double b0 = 0.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double x1 = 0.0, x2 = 0.0, y1 = 0.0, y2 = 0.0;
};

} // namespace dsp
