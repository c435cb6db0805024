#include "engine/resources/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "engine/resources/rgb565.h"

namespace {

struct Sink {
    std::string* out;
    char message[160];
};

void AppendBytes(png_structp png, png_bytep data, png_size_t size) {
    static_cast<Sink*>(png_get_io_ptr(png))->out->append(reinterpret_cast<const char*>(data), size);
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
    Sink* sink = static_cast<Sink*>(png_get_error_ptr(png));
    std::snprintf(sink->message, sizeof sink->message, "%s", message ? message : "libpng error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Between setjmp and a longjmp from libpng nothing with a destructor may live: the rows and the
// output are owned by the caller.
bool Encode(const uint16_t* pixels, int width, int height, int pitch, uint8_t* row, Sink* sink) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, sink, &OnError, &OnWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, sink, &AppendBytes, &Flush);
    // The game's pictures are flat areas and sharp edges: the fastest level already packs
    // them well, and a screenshot must not hold up the frame it is taken in.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
                 PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        const uint16_t* line = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        for (int x = 0; x < width; ++x) {
            const Rgb888 c = Rgb565To888(line[x]);
            row[3 * x] = c.red;
            row[3 * x + 1] = c.green;
            row[3 * x + 2] = c.blue;
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::string EncodePngRgb565(const uint16_t* pixels, int width, int height, int pitch,
                            std::string* why) {
    if (!pixels || width <= 0 || height <= 0 || pitch < width || width > 65535 || height > 65535) {
        *why = "no picture";
        return {};
    }
    std::string out;
    std::vector<uint8_t> row(static_cast<std::size_t>(width) * 3);
    Sink sink{&out, {}};
    if (!Encode(pixels, width, height, pitch, row.data(), &sink)) {
        *why = sink.message[0] ? sink.message : "libpng cannot start";
        return {};
    }
    return out;
}
