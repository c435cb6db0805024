// Arbitrary bytes through the SDL face's image reader, as the launcher and pooltool read BMP
// files other programs made. A file that is read gives a picture within the readers' limits; a
// refused one gives a reason and leaves the picture as it was; and every file the headless face
// reads (uncompressed 24 bits) the SDL face reads to the very same pixels.
// Seeds: fuzz/corpus/sdl_bmp, written by build/release/tests/write_bmp_seeds.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/platform/image_reader.h"
#include "engine/platform/sdl/sdl_image_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A block of exactly the input's size, so that a read past its end shows.
    const std::vector<uint8_t> file(data, data + size);
    static platform::SdlImageReader sdl;
    static platform::HeadlessImageReader headless;

    constexpr int kUntouched = -7;
    platform::Image image{kUntouched, kUntouched, {0xBEEF}};
    std::string reason;
    const bool read = sdl.read(file, &image, &reason);
    if (!read) {
        if (reason.empty() || image.width != kUntouched || image.height != kUntouched ||
            image.pixels != std::vector<uint16_t>{0xBEEF}) {
            std::abort();
        }
    } else if (image.width <= 0 || image.height <= 0 || image.width > platform::kMaxImageSide ||
               image.height > platform::kMaxImageSide ||
               int64_t{image.width} * image.height > platform::kMaxImagePixels ||
               image.pixels.size() != std::size_t(image.width) * std::size_t(image.height)) {
        std::abort();
    }

    platform::Image flat;
    std::string ignored;
    if (headless.read(file, &flat, &ignored) &&
        (!read || flat.width != image.width || flat.height != image.height ||
         flat.pixels != image.pixels)) {
        std::abort();
    }
    return 0;
}
