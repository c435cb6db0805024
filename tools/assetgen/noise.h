#pragma once
// Deterministic noise for the generator: an integer hash, smooth value noise and fractal sums.
// The generator draws every random choice from these (or from its own Rng), never from the
// game's random generator.

#include <cmath>
#include <cstdint>

namespace gen {

inline uint32_t Hash(uint32_t x) {
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}
inline uint32_t Hash(int x, int y, uint32_t seed) {
    return Hash(static_cast<uint32_t>(x) * 0x9E3779B1u ^ Hash(static_cast<uint32_t>(y) + seed));
}
// 0..1
inline float Hash01(int x, int y, uint32_t seed) {
    return static_cast<float>(Hash(x, y, seed) & 0xFFFFFF) / 16777215.0f;
}

// Smooth value noise in 0..1 with lattice spacing `cell`; period (in cells, 0 = none) makes it
// wrap horizontally, for seamless strips.
inline float ValueNoise(float x, float y, float cell, uint32_t seed, int period = 0) {
    const float fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const float tx = fx - static_cast<float>(ix), ty = fy - static_cast<float>(iy);
    const float sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    auto corner = [&](int cx, int cy) {
        if (period > 0) cx = ((cx % period) + period) % period;
        return Hash01(cx, cy, seed);
    };
    const float a = corner(ix, iy), b = corner(ix + 1, iy);
    const float c = corner(ix, iy + 1), d = corner(ix + 1, iy + 1);
    return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

inline float Fractal(float x, float y, float cell, uint32_t seed, int octaves = 4) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * ValueNoise(x, y, cell, seed + static_cast<uint32_t>(i) * 101u);
        norm += amp;
        amp *= 0.5f;
        cell *= 0.5f;
    }
    return sum / norm;
}

// A small deterministic generator for choices (its own state, seeded per picture).
class Rng {
  public:
    explicit Rng(uint32_t seed) : state_(Hash(seed + 0x51ED27u)) {}
    uint32_t Next() {
        state_ = Hash(state_ + 0x6D2B79F5u);
        return state_;
    }
    int Int(int lo, int hi) {  // lo..hi inclusive
        return lo + static_cast<int>(Next() % static_cast<uint32_t>(hi - lo + 1));
    }
    float Real(float lo, float hi) {
        return lo + (hi - lo) * static_cast<float>(Next() & 0xFFFFFF) / 16777215.0f;
    }

  private:
    uint32_t state_;
};

}  // namespace gen
