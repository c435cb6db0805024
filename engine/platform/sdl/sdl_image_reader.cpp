#include "engine/platform/sdl/sdl_image_reader.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

namespace platform {

namespace {

constexpr std::size_t kMostRowPadding = 3;

// A header field as SDL reads it: the bytes past the end of the data count as zeros, as they
// do for SDL's reads from memory.
uint32_t Field(std::span<const uint8_t> data, std::size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const std::size_t where = at + static_cast<std::size_t>(i);
        if (where < data.size()) value |= uint32_t{data[where]} << (8 * i);
    }
    return value;
}

// Empty for a size the readers hand out, else why not.
std::string SizeReason(int64_t width, int64_t height) {
    if (width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels)
        return {};
    return "a picture of " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels is too large";
}

// The sides the header claims, read before SDL makes a surface of that size: a damaged header
// must not make it ask for gigabytes that the file could never fill.
std::string OversizeReason(std::span<const uint8_t> data) {
    int64_t width = 0;
    int64_t height = 0;
    if (Field(data, 14, 4) == 12) {  // the OS/2 core header: unsigned 16-bit sides
        width = Field(data, 18, 2);
        height = Field(data, 20, 2);
    } else {
        width = static_cast<int32_t>(Field(data, 18, 4));
        height = static_cast<int32_t>(Field(data, 22, 4));
        if (height < 0) height = -height;  // top-down rows
    }
    return SizeReason(width, height);
}

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

std::string SdlReason(const char* fallback) {
    const char* said = SDL_GetError();
    return said && *said ? said : fallback;
}

}  // namespace

bool SdlImageReader::read(std::span<const uint8_t> file, Image* image, std::string* reason) {
    if (file.empty()) {
        *reason = "the file is empty";
        return false;
    }
    if (file.size() > static_cast<std::size_t>(INT_MAX) - kMostRowPadding) {
        *reason = "the file is too large";
        return false;
    }
    // SDL reads every row with its padding, the last one too. A file whose last row stops at its
    // last pixel (which the 24-bit rule has always read) gets that padding here: at most three
    // zero bytes behind its end.
    std::vector<uint8_t> padded(file.size() + kMostRowPadding, 0);
    std::copy(file.begin(), file.end(), padded.begin());
    if (std::string oversize = OversizeReason(padded); !oversize.empty()) {
        *reason = std::move(oversize);
        return false;
    }
    SDL_ClearError();
    SDL_RWops* in = SDL_RWFromConstMem(padded.data(), static_cast<int>(padded.size()));
    if (!in) {
        *reason = SdlReason("the file cannot be opened");
        return false;
    }
    const Surface loaded(SDL_LoadBMP_RW(in, 1));
    if (!loaded) {
        *reason = SdlReason("not a BMP SDL can read");
        return false;
    }
    if (std::string oversize = SizeReason(loaded->w, loaded->h); !oversize.empty()) {
        *reason = std::move(oversize);
        return false;
    }
    // Eight bits a channel first, whatever the file held (SDL widens narrower channels to the
    // nearest 8-bit level), then the low bits dropped exactly as the 24-bit rule drops
    // them: the same file gives the same pixels on either face.
    const Surface rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
    if (!rgb || SDL_LockSurface(rgb.get()) != 0) {
        *reason = SdlReason("the picture cannot be converted");
        return false;
    }
    const auto width = static_cast<std::size_t>(rgb->w);
    const auto height = static_cast<std::size_t>(rgb->h);
    std::vector<uint16_t> pixels(width * height);
    for (std::size_t y = 0; y < height; ++y) {
        const auto* row = static_cast<const uint8_t*>(rgb->pixels) + y * std::size_t(rgb->pitch);
        uint16_t* out = pixels.data() + y * width;
        for (std::size_t x = 0; x < width; ++x) {
            uint32_t c = 0;
            std::memcpy(&c, row + x * 4, sizeof c);
            const uint32_t red = (c >> 16) & 0xFF;
            const uint32_t green = (c >> 8) & 0xFF;
            const uint32_t blue = c & 0xFF;
            out[x] = static_cast<uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
        }
    }
    SDL_UnlockSurface(rgb.get());
    image->width = rgb->w;
    image->height = rgb->h;
    image->pixels = std::move(pixels);
    return true;
}

}  // namespace platform
