#include "engine/platform/image_reader.h"

#include <cstddef>
#include <utility>

namespace platform {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;

uint32_t Le16(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8;
}

uint32_t Le32(const uint8_t* p) {
    return Le16(p) | Le16(p + 2) << 16;
}

}  // namespace

bool DecodeBmp24Image(std::span<const uint8_t> file, Image* image) {
    if (file.size() < kFileHeaderBytes + kInfoHeaderBytes || file[0] != 'B' || file[1] != 'M')
        return false;
    const uint32_t pixelOffset = Le32(file.data() + 10);
    const uint32_t infoBytes = Le32(file.data() + 14);
    const auto w = static_cast<int32_t>(Le32(file.data() + 18));
    const auto h = static_cast<int32_t>(Le32(file.data() + 22));
    const uint32_t planes = Le16(file.data() + 26);
    const uint32_t bits = Le16(file.data() + 28);
    const uint32_t compression = Le32(file.data() + 30);
    // 40 is the plain info header; the later V4/V5 headers only add fields after it.
    if (infoBytes < kInfoHeaderBytes || uint64_t{kFileHeaderBytes} + infoBytes > pixelOffset ||
        planes != 1 || bits != 24 || compression != 0) {
        return false;
    }
    const bool topDown = h < 0;
    const int64_t rows = topDown ? -int64_t{h} : int64_t{h};
    if (w <= 0 || rows == 0 || w > kMaxImageSide || rows > kMaxImageSide ||
        w * rows > kMaxImagePixels) {
        return false;
    }
    const uint64_t rowBytes = (uint64_t(w) * 3 + 3) & ~uint64_t{3};
    const uint64_t needed =
        uint64_t{pixelOffset} + rowBytes * static_cast<uint64_t>(rows - 1) + uint64_t(w) * 3;
    if (needed > file.size()) return false;

    const auto cols = static_cast<std::size_t>(w);
    const auto count = static_cast<std::size_t>(rows);
    std::vector<uint16_t> pixels(cols * count);
    for (std::size_t y = 0; y < count; ++y) {
        const std::size_t stored = topDown ? y : count - 1 - y;
        const uint8_t* in = file.data() + pixelOffset + stored * rowBytes;
        uint16_t* out = pixels.data() + y * cols;
        for (std::size_t x = 0; x < cols; ++x, in += 3) {
            out[x] = static_cast<uint16_t>((in[2] >> 3) << 11 | (in[1] >> 2) << 5 | in[0] >> 3);
        }
    }
    image->width = w;
    image->height = static_cast<int>(rows);
    image->pixels = std::move(pixels);
    return true;
}

bool HeadlessImageReader::read(std::span<const uint8_t> file, Image* image, std::string* reason) {
    if (DecodeBmp24Image(file, image)) return true;
    *reason = "not an uncompressed 24-bit BMP";
    return false;
}

}  // namespace platform
