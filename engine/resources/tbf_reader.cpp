// TBF pictures and their planar variant TPF, from a file or from the current position of an
// open pool.

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"
#include "engine/base/messages.h"

namespace {

constexpr uint32_t kTrailingBytes = 6;  // in a pool: the next chunk's header, unused here
constexpr std::size_t kPlaneChunk = 65536;

// Plane p holds the bytes p, p + 4, p + 8, … of the picture.
uint32_t PlaneLength(uint32_t size, uint32_t plane) {
    return plane < size ? (size - plane + 3) / 4 : 0;
}

// Mode 1 planes are runs of (count, value) pairs; a run longer than its plane is cut at the
// plane's end.
bool ReadRunPlane(FileHandle handle, uint32_t plane, uint32_t length, uint8_t* pixels) {
    uint32_t filled = 0;
    while (filled < length) {
        uint8_t pair[2];
        if (Files().Read(pair, 1, 2, handle) != 2) return false;
        const uint32_t count = std::min<uint32_t>(pair[0], length - filled);
        uint8_t* out = pixels + plane + 4 * filled;
        for (uint32_t i = 0; i < count; ++i) out[4 * i] = pair[1];
        filled += count;
    }
    return true;
}

bool ReadPlainPlane(FileHandle handle, uint32_t plane, uint32_t length, uint8_t* pixels) {
    std::vector<uint8_t> chunk(std::min<std::size_t>(length, kPlaneChunk));
    uint32_t filled = 0;
    while (filled < length) {
        const auto want =
            static_cast<uint32_t>(std::min<std::size_t>(length - filled, chunk.size()));
        if (Files().Read(chunk.data(), 1, want, handle) != want) return false;
        uint8_t* out = pixels + plane + 4 * filled;
        for (uint32_t i = 0; i < want; ++i) out[4 * i] = chunk[i];
        filled += want;
    }
    return true;
}

bool ReadPlanes(FileHandle handle, int mode, uint32_t size, uint8_t* pixels) {
    for (uint32_t plane = 0; plane < 4; ++plane) {
        const uint32_t length = PlaneLength(size, plane);
        const bool ok = mode == kTbfByteRuns ? ReadRunPlane(handle, plane, length, pixels)
                                             : ReadPlainPlane(handle, plane, length, pixels);
        if (!ok) {
            SetErrorCode(kErrRead);
            return false;
        }
    }
    return true;
}

}  // namespace

TbfHeader ParseTbfHeader(const uint8_t* raw) {
    TbfHeader header{};
    std::memcpy(header.tag, raw, 3);
    header.unused = raw[3];
    header.depth = LoadLE16(raw + 4);
    header.compression = LoadLE16(raw + 6);
    header.dataSize = LoadLE32(raw + 8);
    header.width = LoadLE16(raw + 12);
    header.height = LoadLE16(raw + 14);
    return header;
}

int TbfDepth(uint16_t storedDepth) {
    if (storedDepth == 8 || storedDepth == 19) return 8;
    if (storedDepth == 16) return 16;
    return 0;
}

int TbfCompressionMode(uint16_t storedMode) {
    if (storedMode == kTbfByteRuns || storedMode == kTbfWordRuns) return storedMode;
    return kTbfRaw;
}

bool TbfSizesFit(const TbfHeader& header, uint32_t destinationSize) {
    const int depth = TbfDepth(header.depth);
    if (depth == 0) return false;
    const uint64_t pixels = uint64_t{header.width} * header.height * (depth / 8);
    return pixels <= header.dataSize &&
           uint64_t{header.dataSize} + kImageHeaderBytes <= destinationSize;
}

int ReadImageAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize,
                        uint8_t* palette) {
    if (!destination || !handle) {
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    uint8_t raw[kTbfHeaderBytes];
    if (Files().Read(raw, 1, sizeof raw, handle) != sizeof raw) {
        SetErrorCode(kErrRead);
        return 0;
    }
    const int kind = FileManager::FileKind(raw);
    const TbfHeader header = ParseTbfHeader(raw);
    const int depth = TbfDepth(header.depth);
    if (kind == kFileKindUnknown || depth == 0) {
        SetErrorCode(kErrFormat);
        return 0;
    }

    if (depth == 8) {
        // Without a palette buffer the palette is skipped, so that the pixels are read from
        // their own place.
        const bool ok = palette ? Files().Read(palette, 1, kPaletteBytes, handle) == kPaletteBytes
                                : Files().Seek(handle, kPaletteBytes, 1) == 0;
        if (!ok) {
            SetErrorCode(kErrRead);
            return 0;
        }
    }

    const bool hasPixels = kind == kFileKindTbf || kind == kFileKindTpf;
    if (destinationSize < kImageHeaderBytes ||
        (hasPixels && !TbfSizesFit(header, destinationSize))) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    std::memcpy(destination, &header.width, 2);
    std::memcpy(destination + 2, &header.height, 2);

    uint8_t* const pixels = destination + kImageHeaderBytes;
    const int mode = TbfCompressionMode(header.compression);
    if (kind == kFileKindTbf && !DecodePixels(handle, mode, header.dataSize, pixels)) return 0;
    if (kind == kFileKindTpf && !ReadPlanes(handle, mode, header.dataSize, pixels)) return 0;

    uint8_t trailing[kTrailingBytes];
    Files().Read(trailing, 1, sizeof trailing, handle);
    return depth;
}

int ReadTbfFile(const char* name, uint8_t* destination, uint32_t destinationSize,
                uint8_t* palette) {
    char path[FileManager::kPathBytes];
    if (!name || std::strlen(name) >= sizeof path) {
        SetErrorCode(kErrOpen);
        return 0;
    }
    std::strcpy(path, name);
    ForceExtension(path, sizeof path, "TBF");
    if (!destination) {
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    FileHandle handle = Files().Open(path, "rb");
    if (!handle) {
        SetErrorCode(kErrOpen);
        return 0;
    }
    const int depth = ReadImageAtPosition(handle, destination, destinationSize, palette);
    Files().Close(handle);
    return depth;
}
