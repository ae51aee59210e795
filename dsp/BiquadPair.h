// Two sections stepped together, one in each lane of a two-double vector. Every lane performs exactly the
// operations of Biquad::step in the same order, so the pair gives the bits of the two sections stepped one
// after the other, at half the instructions.
#pragma once

#include "Biquad.h"

namespace dsp {

using DoublePair = double __attribute__((vector_size(16)));

inline DoublePair bothLanes(double value)
{
    return DoublePair{value, value};
}

class BiquadPair {
public:
    BiquadPair(const Biquad& first, const Biquad& second)
    {
        const Biquad::Coefficients c = first.coefficients(), d = second.coefficients();
        b0 = DoublePair{c.b0, d.b0};
        b1 = DoublePair{c.b1, d.b1};
        b2 = DoublePair{c.b2, d.b2};
        a1 = DoublePair{c.a1, d.a1};
        a2 = DoublePair{c.a2, d.a2};
        const Biquad::History h = first.history(), k = second.history();
        x1 = DoublePair{h.x1, k.x1};
        x2 = DoublePair{h.x2, k.x2};
        y1 = DoublePair{h.y1, k.y1};
        y2 = DoublePair{h.y2, k.y2};
    }

    // Only the histories change while stepping.
    void storeHistoryInto(Biquad& first, Biquad& second) const
    {
        first.setHistory({x1[0], x2[0], y1[0], y2[0]});
        second.setHistory({x1[1], x2[1], y1[1], y2[1]});
    }

    void storeFirstHistoryInto(Biquad& first) const { first.setHistory({x1[0], x2[0], y1[0], y2[0]}); }

    DoublePair step(DoublePair x)
    {
        DoublePair y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        y = (y + bothLanes(1e-18)) - bothLanes(1e-18);
        y2 = y1;
        y1 = y;
        x2 = x1;
        x1 = x;
        return y;
    }

private:
    DoublePair b0, b1, b2, a1, a2;
    DoublePair x1, x2, y1, y2;
};

} // namespace dsp
