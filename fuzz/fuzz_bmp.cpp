// 24-bit BMP files from arbitrary bytes, as the pool tool reads pictures others have written.
// Whatever decodes must survive the trip back through the writer unchanged: written again it
// decodes to the same pixels, and the corner pixels agree with the bytes the header points at.
// A refused file leaves the outputs as they were.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/resources/bmp.h"
#include "engine/resources/little_endian.h"

namespace {

uint16_t Rgb565(const uint8_t* bgr) {
    return static_cast<uint16_t>((bgr[2] & 0xF8) << 8 | (bgr[1] & 0xFC) << 3 | bgr[0] >> 3);
}

// The pixel at column x of picture row y (0 at the top), straight from the stored bytes.
uint16_t StoredPixel(const std::vector<uint8_t>& file, int width, int height, bool topDown, int x,
                     int y) {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const auto row = static_cast<std::size_t>(topDown ? y : height - 1 - y);
    return Rgb565(file.data() + LoadLE32(file.data() + 10) + row * rowBytes + std::size_t(x) * 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A block of exactly the input's size, so that a read past its end shows.
    const std::vector<uint8_t> file(data, data + size);

    constexpr int kUntouched = -7;
    int width = kUntouched;
    int height = kUntouched;
    std::vector<uint16_t> pixels(3, 0xBEEF);
    if (!DecodeBmp24(file, width, height, pixels)) {
        if (width != kUntouched || height != kUntouched || pixels.size() != 3 ||
            pixels[0] != 0xBEEF) {
            std::abort();
        }
        return 0;
    }

    if (width <= 0 || height <= 0 || pixels.size() != std::size_t(width) * std::size_t(height)) {
        std::abort();
    }
    const bool topDown = static_cast<int32_t>(LoadLE32(file.data() + 22)) < 0;
    for (int y : {0, height - 1}) {
        for (int x : {0, width - 1}) {
            if (pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] !=
                StoredPixel(file, width, height, topDown, x, y)) {
                std::abort();
            }
        }
    }

    const std::vector<uint8_t> written = EncodeBmp24(pixels.data(), width, height);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (written.size() != 54 + rowBytes * std::size_t(height)) std::abort();

    int widthAgain = 0;
    int heightAgain = 0;
    std::vector<uint16_t> again;
    if (!DecodeBmp24(written, widthAgain, heightAgain, again) || widthAgain != width ||
        heightAgain != height || again != pixels) {
        std::abort();
    }
    return 0;
}
