// Feeds arbitrary bytes to the font readers: the size query, the font reader into a block of
// the queried size, and the typed loader by name and from an open handle.
#include <cstdint>
#include <cstdlib>

#include "engine/memory/memory.h"
#include "engine/memory/typed_loaders.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/font_format.h"
#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr const char* kName = "fuzz.tff";

// Reads every byte a loaded font offers, so that a pointer past its block shows. Only the
// typed loader lays out picture fonts; the plain reader copies any kind as it stands.
unsigned touch(const uint8_t* font, bool pictureLayout) {
    if (!font) return 0;
    unsigned sum = 0;
    FontView view;
    if (MakeFontView(font, MemBlockSize(font), &view)) {
        for (int code = view.first; code <= view.last; ++code) {
            const uint8_t* glyph = view.Glyph(code);
            for (uint32_t i = 0; i < view.GlyphBytes(); ++i) sum += glyph[i];
        }
    } else if (pictureLayout && ParseFontHeader(font).kind != 0) {
        for (uint32_t g = 0; g < PictureFontGlyphCount(font); ++g) {
            const uint8_t* glyph = PictureFontGlyph(font, g);
            const uint32_t width = glyph[0] | glyph[1] << 8;
            const uint32_t height = glyph[2] | glyph[3] << 8;
            const uint32_t bytes = width * height * (font[22] == 16 ? 2u : 1u);
            for (uint32_t i = 0; i < bytes; ++i) sum += glyph[4 + i];
        }
    }
    char line[128];
    FormatFontInfo(font, line, sizeof line);
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput(kName, data, size)) std::abort();

    SetErrorCode(0);
    const uint32_t blockSize = LoadedSize(kName, kSizeTff);
    if (blockSize != 0) {
        auto* block = static_cast<uint8_t*>(MemAlloc(blockSize));
        if (block && ReadFontFile(kName, block, blockSize)) touch(block, false);
        MemFree(block);
    }

    SetErrorCode(0);
    uint8_t* font = nullptr;
    tff_adr(nullptr, kName, &font);
    touch(font, true);
    MemFree(font);

    SetErrorCode(0);
    if (FileHandle handle = Files().Open(kName, "rb")) {
        tff_adr(handle, kName, &font);
        touch(font, true);
        MemFree(font);
        Files().Close(handle);
    }

    if (MemAllocatedBytes() != 0 || Files().OpenCount() != 0) std::abort();
    return 0;
}
