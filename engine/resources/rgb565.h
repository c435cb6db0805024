#pragma once
// The pages' 16-bit colours as 8-bit channels, the one rule every picture file the game writes
// (screenshots, exported photos) follows: each channel keeps its bits at the top of the byte,
// the low bits stay zero.

#include <cstdint>

struct Rgb888 {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

constexpr Rgb888 Rgb565To888(uint16_t c) {
    return {static_cast<uint8_t>((c >> 8) & 0xF8), static_cast<uint8_t>((c & 0x07E0) >> 3),
            static_cast<uint8_t>((c & 0x1F) << 3)};
}
