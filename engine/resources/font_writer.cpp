#include "engine/resources/font_writer.h"

#include <algorithm>

#include "engine/resources/animation_writer.h"
#include "engine/resources/font_format.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"

namespace {

void putFontHeader(std::vector<uint8_t>& out, uint32_t glyphBytes, uint32_t count, uint16_t first,
                   uint16_t last, uint16_t width, uint16_t height, uint16_t kind) {
    out.insert(out.end(), {'T', 'F', 'F', 0});
    AppendLE32(out, glyphBytes);
    AppendLE16(out, static_cast<uint16_t>(count));
    AppendLE16(out, first);
    AppendLE16(out, last);
    AppendLE16(out, width);
    AppendLE16(out, height);
    AppendLE16(out, kind);
}

}  // namespace

std::vector<uint8_t> EncodeTff(uint16_t first, uint16_t last, uint16_t width, uint16_t height,
                               const std::vector<uint8_t>& glyphs) {
    const uint32_t count = last >= first ? uint32_t{last} - first + 1u : 0u;
    const uint32_t glyphBytes = count * height * (width / 8u);
    std::vector<uint8_t> out;
    putFontHeader(out, glyphBytes, count, first, last, width, height, 0);
    const std::size_t copied = std::min<std::size_t>(glyphs.size(), glyphBytes);
    out.insert(out.end(), glyphs.begin(), glyphs.begin() + static_cast<std::ptrdiff_t>(copied));
    out.resize(kFontHeaderBytes + glyphBytes, 0);
    return out;
}

std::vector<uint8_t> EncodePictureFont(uint16_t first, uint16_t depth,
                                       const std::vector<PictureGlyph>& glyphs, int mode,
                                       const std::vector<uint8_t>& palette) {
    const uint32_t count = static_cast<uint32_t>(glyphs.size());
    uint32_t glyphBytes = 0;
    uint16_t width = 0, height = 0;
    std::vector<EncodedFrame> frames;
    for (const PictureGlyph& glyph : glyphs) {
        glyphBytes += static_cast<uint32_t>(glyph.pixels.size());
        width = std::max(width, glyph.width);
        height = std::max(height, glyph.height);
        EncodedFrame frame{static_cast<uint16_t>(mode), glyph.width, glyph.height, glyph.pixels};
        if (mode == 1) frame.data = EncodeByteRuns(glyph.pixels.data(), glyph.pixels.size());
        frames.push_back(std::move(frame));
    }

    std::vector<uint8_t> out;
    const uint16_t last = static_cast<uint16_t>(first + (count ? count - 1 : 0));
    putFontHeader(out, glyphBytes, count, first, last, width, height, 1);
    out.insert(out.end(), {'T', 'A', 'F', 0});
    AppendLE16(out, depth);
    AppendLE16(out, static_cast<uint16_t>(count));
    AppendLE32(out, glyphBytes);
    std::vector<uint8_t> colours = palette;
    colours.resize(kPaletteBytes, 0);
    out.insert(out.end(), colours.begin(), colours.end());
    AppendLE32(out, kFontHeaderBytes + kPictureFontHeaderBytes);
    AppendLE16(out, 0);
    AppendFrameChain(out, 0, frames);
    return out;
}
