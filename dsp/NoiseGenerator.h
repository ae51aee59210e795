// Three-word xorshift noise, scaled to +-1e-10: keeps the detector sections busy during digital silence.
#pragma once

#include <cstdint>

namespace dsp {

class NoiseGenerator {
public:
    NoiseGenerator(std::uint32_t seed1 = 592, std::uint32_t seed2 = 153768, std::uint32_t seed3 = 1526)
        : s1(seed1), s2(seed2), s3(seed3)
    {
    }

    // Next raw word, 0..4294967295.
    std::uint32_t nextWord()
    {
        s1 = ((((s1 >> 9) ^ s1) >> 6) & 0x1FFFu) ^ (s1 << 13);
        s2 = ((((s2 >> 2) ^ s2) >> 7) & 0xFFFFFu) ^ (s2 << 20);
        s3 = ((((s3 >> 6) ^ s3) >> 8) & 0x1FFFFu) ^ (s3 << 17);
        return s1 ^ s2 ^ s3;
    }

    // Next noise value in [-1e-10, 1e-10).
    double next() { return (2 * (static_cast<double>(nextWord()) * 2.3283064365e-10) - 1) * 1e-10; }

private:
    std::uint32_t s1, s2, s3;
};

} // namespace dsp
