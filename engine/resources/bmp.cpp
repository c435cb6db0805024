// 24-bit BMP writer and reader.

#include "engine/resources/bmp.h"

#include <cstddef>
#include <utility>

#include "engine/resources/little_endian.h"

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kPixelOffset = kFileHeaderBytes + kInfoHeaderBytes;
constexpr uint32_t kPixelsPerMetre = 76200;
constexpr int64_t kMaxSide = 65535;  // our pictures store their sides in 16 bits

uint64_t RowBytes(uint64_t width) {
    return (width * 3 + 3) & ~uint64_t{3};
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const uint16_t* rgb565, int width, int height) {
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide ||
        (!rgb565 && width > 0 && height > 0)) {
        return {};
    }
    const auto w = static_cast<std::size_t>(width);
    const auto h = static_cast<std::size_t>(height);
    const auto rowBytes = static_cast<std::size_t>(RowBytes(w));
    if (uint64_t{rowBytes} * h > UINT32_MAX - kPixelOffset) return {};
    const auto imageBytes = static_cast<uint32_t>(rowBytes * h);

    std::vector<uint8_t> out;
    out.reserve(kPixelOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    AppendLE32(out, kPixelOffset + imageBytes);
    AppendLE32(out, 0);  // two reserved words
    AppendLE32(out, kPixelOffset);
    AppendLE32(out, kInfoHeaderBytes);
    AppendLE32(out, static_cast<uint32_t>(width));
    AppendLE32(out, static_cast<uint32_t>(height));
    AppendLE16(out, 1);   // planes
    AppendLE16(out, 24);  // bits per pixel
    AppendLE32(out, 0);   // no compression
    AppendLE32(out, imageBytes);
    AppendLE32(out, kPixelsPerMetre);
    AppendLE32(out, kPixelsPerMetre);
    AppendLE32(out, 0);  // colours used
    AppendLE32(out, 0);  // important colours

    for (std::size_t row = h; row-- > 0;) {
        const uint16_t* line = rgb565 + row * w;
        for (std::size_t x = 0; x < w; ++x) {
            const uint16_t c = line[x];
            out.push_back(static_cast<uint8_t>((c & 0x1F) << 3));
            out.push_back(static_cast<uint8_t>((c & 0x07E0) >> 3));
            out.push_back(static_cast<uint8_t>((c >> 8) & 0xF8));
        }
        out.resize(out.size() + (rowBytes - w * 3), 0);
    }
    return out;
}

bool DecodeBmp24(const std::vector<uint8_t>& file, int& width, int& height,
                 std::vector<uint16_t>& rgb565) {
    if (file.size() < kPixelOffset || file[0] != 'B' || file[1] != 'M') return false;
    const uint32_t pixelOffset = LoadLE32(file.data() + 10);
    const uint32_t infoBytes = LoadLE32(file.data() + 14);
    const auto w = static_cast<int32_t>(LoadLE32(file.data() + 18));
    const auto h = static_cast<int32_t>(LoadLE32(file.data() + 22));
    const uint32_t planes = LoadLE16(file.data() + 26);
    const uint32_t bits = LoadLE16(file.data() + 28);
    const uint32_t compression = LoadLE32(file.data() + 30);
    // 40 is the plain info header; the later V4/V5 headers only add fields after it.
    if (infoBytes < kInfoHeaderBytes || uint64_t{kFileHeaderBytes} + infoBytes > pixelOffset ||
        planes != 1 || bits != 24 || compression != 0) {
        return false;
    }
    const bool topDown = h < 0;
    const int64_t rows = topDown ? -int64_t{h} : int64_t{h};
    if (w <= 0 || rows == 0 || w > kMaxSide || rows > kMaxSide) return false;
    const uint64_t rowBytes = RowBytes(static_cast<uint64_t>(w));
    // The last row needs no padding behind it.
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
    width = w;
    height = static_cast<int>(rows);
    rgb565 = std::move(pixels);
    return true;
}
