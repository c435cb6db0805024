// 24-bit BMP writer; the reader is the headless face's bitmap loader.

#include "engine/resources/bmp.h"

#include <cstddef>
#include <utility>

#include "engine/platform/image_reader.h"
#include "engine/resources/little_endian.h"
#include "engine/resources/rgb565.h"

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
            const Rgb888 c = Rgb565To888(line[x]);
            out.push_back(c.blue);
            out.push_back(c.green);
            out.push_back(c.red);
        }
        out.resize(out.size() + (rowBytes - w * 3), 0);
    }
    return out;
}

bool DecodeBmp24(const std::vector<uint8_t>& file, int& width, int& height,
                 std::vector<uint16_t>& rgb565) {
    platform::Image image;
    if (!platform::DecodeBmp24Image(file, &image)) return false;
    width = image.width;
    height = image.height;
    rgb565 = std::move(image.pixels);
    return true;
}
