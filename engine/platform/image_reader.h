#pragma once
// The image-file seam: the bytes of a bitmap file made into RGB565 pixels, as the window
// system's bitmap loader made them for the original. The SDL2 face reads every kind of BMP
// that Windows reads through SDL's loader; the headless face reads uncompressed 24-bit BMPs,
// the kind every file of the generated data set and every picture the programs write is.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A picture in the engine's pixel form: RGB565, rows top first, no padding.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
};

// No reader hands out a picture with a side beyond 16 bits (the sides of the in-memory form)
// or with more pixels than this: 8192 × 4096, far beyond any picture the programs show, and
// small enough that a damaged header cannot make a reader ask for gigabytes before the data
// run out.
constexpr int kMaxImageSide = 65535;
constexpr int64_t kMaxImagePixels = int64_t{1} << 25;

class ImageReader {
  public:
    virtual ~ImageReader() = default;
    // The picture a whole file holds. False, with `image` untouched and the reason in `reason`,
    // for a file the reader cannot read.
    virtual bool read(std::span<const uint8_t> file, Image* image, std::string* reason) = 0;
};

// Reads an uncompressed 24-bit BMP (bottom-up or top-down rows, any header from the 40-byte
// one on) of at most the sizes above into RGB565, dropping the low bits of each channel: blue =
// byte 0 >> 3, green = byte 1 >> 2, red = byte 2 >> 3. False, with `image` untouched, for anything
// else or a file that does not hold what its header says; the last row needs no padding behind it.
bool DecodeBmp24Image(std::span<const uint8_t> file, Image* image);

// The headless face's reader: DecodeBmp24Image.
class HeadlessImageReader final : public ImageReader {
  public:
    bool read(std::span<const uint8_t> file, Image* image, std::string* reason) override;
};

}  // namespace platform
