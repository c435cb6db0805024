// ZSoft PCX version 5 pictures with run-length encoding, and their 256-colour palette.

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"
#include "engine/base/messages.h"

namespace {

constexpr uint8_t kZsoft = 10;
constexpr uint8_t kVersion5 = 5;
constexpr uint8_t kPaletteMarker = 12;
constexpr uint8_t kRunMark = 0xC0;

// Most bytes n bytes of run-length data can expand to: a two-byte run gives at most 63.
uint64_t MaxExpansion(uint64_t dataBytes, uint8_t encoding) {
    return encoding ? dataBytes / 2 * 63 + (dataBytes & 1) : dataBytes;
}

// Expands runs from in into total bytes of out; false when the data end first. Runs are
// not split at line ends: the picture is one stream, and only the part past the end is cut.
bool ExpandRuns(const uint8_t* in, std::size_t inBytes, uint8_t* out, uint32_t total) {
    std::size_t at = 0;
    uint32_t written = 0;
    while (written < total) {
        if (at >= inBytes) return false;
        const uint8_t byte = in[at++];
        if ((byte & kRunMark) != kRunMark) {
            out[written++] = byte;
            continue;
        }
        if (at >= inBytes) return false;
        const uint32_t count = std::min<uint32_t>(byte & 0x3F, total - written);
        std::memset(out + written, in[at++], count);
        written += count;
    }
    return true;
}

// Opens name with the PCX extension forced; 0 (error 8) when that fails.
FileHandle OpenPcx(const char* name) {
    char path[FileManager::kPathBytes];
    if (!name || std::strlen(name) >= sizeof path) {
        SetErrorCode(kErrOpen);
        return nullptr;
    }
    std::strcpy(path, name);
    ForceExtension(path, sizeof path, "PCX");
    FileHandle handle = Files().Open(path, "rb");
    if (!handle) SetErrorCode(kErrOpen);
    return handle;
}

// Decodes the whole file image into destination; returns the bits per pixel or 0.
int DecodePcx(const std::vector<uint8_t>& file, uint8_t* destination, uint32_t destinationSize) {
    PcxLayout layout;
    const PcxCheck check = ParsePcxHeader(file.data(), file.size(), layout);
    if (check == PcxCheck::kNotVersion5) {
        SetErrorCode(kErrPcxFormat);
        return 0;
    }
    if (check != PcxCheck::kOk ||
        uint64_t{layout.pixelBytes} + kImageHeaderBytes > destinationSize) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    const uint16_t width = layout.bytesPerLine;
    const auto height = static_cast<uint16_t>(layout.height);
    std::memcpy(destination, &width, 2);
    std::memcpy(destination + 2, &height, 2);

    uint8_t* const pixels = destination + kImageHeaderBytes;
    const uint8_t* const data = file.data() + kPcxHeaderBytes;
    const std::size_t dataBytes = file.size() - kPcxHeaderBytes;
    if (layout.encoding) {
        if (!ExpandRuns(data, dataBytes, pixels, layout.pixelBytes)) {
            SetErrorCode(kErrRead);
            return 0;
        }
    } else {
        // Unencoded lines are stored as they are (the header check made sure they are there).
        std::memcpy(pixels, data, layout.pixelBytes);
    }

    // An odd visible width leaves one padding byte at the end of each plane's part of a line;
    // it is cleared so that it never shows as a stray pixel.
    if (layout.visibleWidth & 1) {
        const uint32_t lineBytes = uint32_t{layout.planes} * layout.bytesPerLine;
        for (uint32_t y = 0; y < layout.height; ++y) {
            for (uint32_t plane = 0; plane < layout.planes; ++plane) {
                pixels[y * lineBytes + (plane + 1) * layout.bytesPerLine - 1] = 0;
            }
        }
    }
    return 8 * layout.planes;
}

}  // namespace

PcxCheck ParsePcxHeader(const uint8_t* header, uint64_t fileLength, PcxLayout& layout) {
    if (header[0] != kZsoft || header[1] != kVersion5) return PcxCheck::kNotVersion5;
    const uint16_t xmin = LoadLE16(header + 4);
    const uint16_t ymin = LoadLE16(header + 6);
    const uint16_t xmax = LoadLE16(header + 8);
    const uint16_t ymax = LoadLE16(header + 10);
    layout.encoding = header[2];
    layout.planes = header[65];
    layout.bytesPerLine = LoadLE16(header + 66);
    if (xmax < xmin || ymax < ymin || layout.planes == 0 || layout.bytesPerLine == 0) {
        return PcxCheck::kBadSizes;
    }
    layout.visibleWidth = uint32_t{xmax} - xmin + 1;
    layout.height = uint32_t{ymax} - ymin + 1;
    const uint64_t pixelBytes = uint64_t{layout.height} * layout.planes * layout.bytesPerLine;
    // The height is stored in 16 bits in front of the pixels, and the block size in 32 bits.
    if (layout.height > 0xFFFF || pixelBytes > UINT32_MAX - kImageHeaderBytes ||
        fileLength < kPcxHeaderBytes ||
        pixelBytes > MaxExpansion(fileLength - kPcxHeaderBytes, layout.encoding)) {
        return PcxCheck::kBadSizes;
    }
    layout.pixelBytes = static_cast<uint32_t>(pixelBytes);
    return PcxCheck::kOk;
}

int ReadPcxFile(const char* name, uint8_t* destination, uint32_t destinationSize) {
    FileHandle handle = OpenPcx(name);
    if (!handle) return 0;
    if (!destination) {
        Files().Close(handle);
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    const long length = Files().Length(handle);
    if (length < static_cast<long>(kPcxHeaderBytes)) {
        Files().Close(handle);
        SetErrorCode(kErrRead);
        return 0;
    }
    // The whole file in one read: runs are then expanded without a read per byte.
    std::vector<uint8_t> file(static_cast<std::size_t>(length));
    const std::size_t got = Files().Read(file.data(), 1, static_cast<std::size_t>(length), handle);
    Files().Close(handle);
    if (got != static_cast<std::size_t>(length)) {
        SetErrorCode(kErrRead);
        return 0;
    }
    return DecodePcx(file, destination, destinationSize);
}

bool ReadPcxPalette(const char* name, uint8_t* palette) {
    if (!palette) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    FileHandle handle = OpenPcx(name);
    if (!handle) return false;
    constexpr long kTail = 1 + kPaletteBytes;
    uint8_t tail[kTail];
    const long length = Files().Length(handle);
    const bool read = length >= static_cast<long>(kPcxHeaderBytes) + kTail &&
                      Files().Seek(handle, static_cast<int32_t>(length - kTail), 0) == 0 &&
                      Files().Read(tail, 1, kTail, handle) == static_cast<std::size_t>(kTail);
    Files().Close(handle);
    if (!read) {
        SetErrorCode(kErrRead);
        return false;
    }
    if (tail[0] != kPaletteMarker) {
        SetErrorCode(kErrFormat);
        return false;
    }
    std::memcpy(palette, tail + 1, kPaletteBytes);
    return true;
}
