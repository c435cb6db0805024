// TBF writer for 16-bit pictures.

#include "engine/resources/image_writer.h"

#include <algorithm>
#include <cstddef>

#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"

namespace {

constexpr std::size_t kMaxByteRun = 255;
constexpr std::size_t kMaxRepeat = 32767;   // largest non-negative control word
constexpr std::size_t kMaxLiteral = 32768;  // -32768 is the most negative one

std::size_t RunLength(const uint16_t* pixels, std::size_t at, std::size_t count) {
    std::size_t end = at + 1;
    while (end < count && pixels[end] == pixels[at]) ++end;
    return end - at;
}

// Mode 1 works on the little-endian byte stream of the pixels.
void EncodeByteRuns(const uint16_t* pixels, std::size_t count, std::vector<uint8_t>& out) {
    const std::size_t bytes = count * 2;
    auto byteAt = [pixels](std::size_t i) {
        return static_cast<uint8_t>(i & 1 ? pixels[i / 2] >> 8 : pixels[i / 2] & 0xFF);
    };
    std::size_t i = 0;
    while (i < bytes) {
        const uint8_t value = byteAt(i);
        std::size_t run = 1;
        while (i + run < bytes && run < kMaxByteRun && byteAt(i + run) == value) ++run;
        out.push_back(static_cast<uint8_t>(run));
        out.push_back(value);
        i += run;
    }
}

class WordRunEncoder {
  public:
    explicit WordRunEncoder(std::vector<uint8_t>& out) : out_(out) {}

    void literal(uint16_t pixel) {
        if (literalCount_ == kMaxLiteral) closeLiteral();
        if (literalCount_ == 0) {
            controlAt_ = out_.size();
            AppendLE16(out_, 0);  // patched when the run is closed
        }
        AppendLE16(out_, pixel);
        ++literalCount_;
    }

    void repeat(uint16_t pixel, std::size_t count) {
        closeLiteral();
        while (count > 0) {
            const std::size_t part = std::min(count, kMaxRepeat);
            AppendLE16(out_, static_cast<uint16_t>(part));
            AppendLE16(out_, pixel);
            count -= part;
        }
    }

    bool inLiteral() const { return literalCount_ > 0; }

    void closeLiteral() {
        if (literalCount_ == 0) return;
        const auto control = static_cast<uint16_t>(-static_cast<int32_t>(literalCount_));
        StoreLE16(out_.data() + controlAt_, control);
        literalCount_ = 0;
    }

  private:
    std::vector<uint8_t>& out_;
    std::size_t controlAt_ = 0;
    std::size_t literalCount_ = 0;
};

// A repeat costs 4 bytes, a pixel inside a literal run 2 and opening a literal run 2 more.
// So runs of three or more are repeats; a pair is a repeat only when no literal run is open
// and the pixels after it do not open one either.
void EncodeWordRuns(const uint16_t* pixels, std::size_t count, std::vector<uint8_t>& out) {
    WordRunEncoder encoder(out);
    std::size_t i = 0;
    while (i < count) {
        const std::size_t run = RunLength(pixels, i, count);
        bool asRepeat = run >= 3;
        if (run == 2 && !encoder.inLiteral()) {
            const std::size_t next = i + 2;
            asRepeat = next >= count || RunLength(pixels, next, count) >= 2;
        }
        if (asRepeat) {
            encoder.repeat(pixels[i], run);
        } else {
            for (std::size_t k = 0; k < run; ++k) encoder.literal(pixels[i + k]);
        }
        i += run;
    }
    encoder.closeLiteral();
}

}  // namespace

std::vector<uint8_t> EncodeTbf(const uint16_t* pixels, uint16_t width, uint16_t height, int mode) {
    const std::size_t count = std::size_t{width} * height;
    if (mode != kTbfByteRuns && mode != kTbfWordRuns) mode = kTbfRaw;
    std::vector<uint8_t> out{'T', 'B', 'F', 0};
    AppendLE16(out, 16);
    AppendLE16(out, static_cast<uint16_t>(mode));
    AppendLE32(out, static_cast<uint32_t>(count * 2));
    AppendLE16(out, width);
    AppendLE16(out, height);
    if (count == 0 || !pixels) return out;

    switch (mode) {
        case kTbfByteRuns:
            EncodeByteRuns(pixels, count, out);
            break;
        case kTbfWordRuns:
            EncodeWordRuns(pixels, count, out);
            break;
        default:
            for (std::size_t i = 0; i < count; ++i) AppendLE16(out, pixels[i]);
            break;
    }
    return out;
}
