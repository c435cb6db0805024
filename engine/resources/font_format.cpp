#include "engine/resources/font_format.h"

#include <cstdio>
#include <cstring>

#include "engine/resources/animation_format.h"
#include "engine/resources/little_endian.h"
#include "engine/base/messages.h"

namespace {

// Glyph bytes a header promises by its character range and cell size; 0 for an impossible one.
uint64_t glyphBytesFor(const FontHeader& header) {
    if (header.first > header.last || header.width % 8 != 0) return 0;
    return uint64_t{header.last - header.first + 1u} * header.height * (header.width / 8u);
}

}  // namespace

FontHeader ParseFontHeader(const uint8_t* bytes) {
    FontHeader header{};
    std::memcpy(header.tag, bytes, 3);
    header.unused = bytes[3];
    header.glyphBytes = LoadLE32(bytes + 4);
    header.glyphCount = LoadLE16(bytes + 8);
    header.first = LoadLE16(bytes + 10);
    header.last = LoadLE16(bytes + 12);
    header.width = LoadLE16(bytes + 14);
    header.height = LoadLE16(bytes + 16);
    header.kind = LoadLE16(bytes + 18);
    return header;
}

uint32_t FontBlockSize(const FontHeader& header) {
    uint8_t tag[kFontHeaderBytes] = {};
    std::memcpy(tag, header.tag, sizeof header.tag);
    const uint64_t expected = glyphBytesFor(header);
    // Only the low 16 bits of the size are ever read, so a larger font could not be loaded whole.
    if (FileManager::FileKind(tag) != kFileKindTff || header.first > header.last ||
        header.width % 8 != 0 || expected != header.glyphBytes || expected > kFontMaxGlyphBytes) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    return kFontHeaderBytes + header.glyphBytes;
}

bool ReadFontAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize) {
    if (!destination || destinationSize < kFontHeaderBytes) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    uint8_t raw[kFontHeaderBytes];
    if (Files().Read(raw, 1, sizeof raw, handle) != sizeof raw) {
        SetErrorCode(kErrRead);
        return false;
    }
    const FontHeader header = ParseFontHeader(raw);
    const uint32_t blockSize = FontBlockSize(header);
    if (blockSize == 0) return false;
    if (blockSize > destinationSize) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    std::memcpy(destination, raw, sizeof raw);
    const std::size_t glyphBytes = header.glyphBytes & 0xFFFFu;
    if (Files().Read(destination + kFontHeaderBytes, 1, glyphBytes, handle) != glyphBytes) {
        SetErrorCode(kErrRead);
        return false;
    }
    return true;
}

bool ReadFontFile(const char* name, uint8_t* destination, uint32_t destinationSize) {
    if (!name) {
        SetErrorCode(kErrOpen);
        return false;
    }
    char fileName[FileManager::kPathBytes] = {};
    std::snprintf(fileName, sizeof fileName, "%s", name);
    ForceExtension(fileName, sizeof fileName, "TFF");
    if (!destination) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    FileHandle handle = Files().Open(fileName, "rb");
    if (!handle) {
        SetErrorCode(kErrOpen);
        return false;
    }
    const bool ok = ReadFontAtPosition(handle, destination, destinationSize);
    Files().Close(handle);
    return ok;
}

const uint8_t* FontView::Glyph(int code) const {
    if (!glyphs || code < first || code > last) return nullptr;
    return glyphs + static_cast<std::size_t>(code - first) * GlyphBytes();
}

bool MakeFontView(const uint8_t* block, uint32_t blockSize, FontView* view) {
    if (!block || !view || blockSize < kFontHeaderBytes) return false;
    const FontHeader header = ParseFontHeader(block);
    if (header.kind != 0 || header.first > header.last || header.width % 8 != 0) return false;
    if (kFontHeaderBytes + glyphBytesFor(header) > blockSize) return false;
    view->first = header.first;
    view->last = header.last;
    view->width = header.width;
    view->height = header.height;
    view->glyphs = block + kFontHeaderBytes;
    return true;
}

int FormatFontInfo(const uint8_t* block, char* out, std::size_t outSize) {
    if (!block || !out || outSize == 0) return 0;
    const FontHeader header = ParseFontHeader(block);
    return std::snprintf(out, outSize,
                         "Memory:%lu     1st-Char:%d last-Char:%d    Size-X:%d Size-Y:%d",
                         static_cast<unsigned long>(header.glyphBytes), header.first, header.last,
                         header.width, header.height);
}

PictureFontHeader ParsePictureFontHeader(const uint8_t* bytes) {
    return {LoadLE16(bytes + 4), LoadLE16(bytes + 6), LoadLE32(bytes + 8), bytes + 12,
            LoadLE32(bytes + 780)};
}

uint32_t PictureFontBlockSize(const PictureFontHeader& header) {
    if (header.glyphBytes > kPictureFontMaxGlyphBytes) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    // A table entry and a width/height pair per glyph; at most 12 × 65,535 bytes.
    return kPictureFontTableOffset + header.glyphs * uint32_t{sizeof(uint8_t*) + 4} +
           header.glyphBytes;
}

bool ReadPictureFontAtPosition(FileHandle handle, long fontStart, const uint8_t* fontHeader,
                               uint8_t* destination, uint32_t destinationSize) {
    if (!destination || !fontHeader) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    uint8_t raw[kPictureFontHeaderBytes];
    if (Files().Read(raw, 1, sizeof raw, handle) != sizeof raw) {
        SetErrorCode(kErrRead);
        return false;
    }
    const PictureFontHeader header = ParsePictureFontHeader(raw);
    const uint32_t blockSize = PictureFontBlockSize(header);
    if (blockSize == 0) return false;
    if (blockSize > destinationSize) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    const uint16_t depth = header.depth == 19 ? 8 : header.depth;
    std::memcpy(destination, fontHeader, kFontHeaderBytes);
    std::memcpy(destination + kPictureFontCountOffset, &header.glyphs, 2);
    std::memcpy(destination + kPictureFontDepthOffset, &depth, 2);
    std::memcpy(destination + kPictureFontPaletteOffset, header.palette, 768);

    const uint32_t tableBytes = header.glyphs * uint32_t{sizeof(uint8_t*)};
    uint8_t* pictures = destination + kPictureFontTableOffset + tableBytes;
    return ReadFrameChain(
        handle, fontStart, header.firstGlyph, header.glyphs, depth == 16 ? 2u : 1u, pictures,
        blockSize - kPictureFontTableOffset - tableBytes, destination + kPictureFontTableOffset);
}

uint16_t PictureFontGlyphCount(const uint8_t* block) {
    uint16_t count = 0;
    if (block) std::memcpy(&count, block + kPictureFontCountOffset, sizeof count);
    return count;
}

const uint8_t* PictureFontGlyph(const uint8_t* block, uint32_t index) {
    if (!block || index >= PictureFontGlyphCount(block)) return nullptr;
    const uint8_t* glyph;
    std::memcpy(&glyph, block + kPictureFontTableOffset + std::size_t{index} * sizeof glyph,
                sizeof glyph);
    return glyph;
}
