#include "engine/resources/animation_format.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"
#include "engine/base/messages.h"

namespace {

bool fail(int16_t code) {
    SetErrorCode(code);
    return false;
}

int failDepth(int16_t code) {
    SetErrorCode(code);
    return 0;
}

bool isTaf(const uint8_t* header) {
    return FileManager::FileKind(header) == kFileKindTaf;
}

// Seeks to an absolute position the file manager's 32-bit offsets can reach.
bool seekTo(FileHandle handle, uint64_t position) {
    if (position > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return false;
    return Files().Seek(handle, static_cast<int32_t>(position), 0) == 0;
}

// Opens an animation by name, its extension forced to TAF.
FileHandle openAnimation(const char* name) {
    if (!name) {
        SetErrorCode(kErrOpen);
        return nullptr;
    }
    char fileName[FileManager::kPathBytes] = {};
    std::snprintf(fileName, sizeof fileName, "%s", name);
    ForceExtension(fileName, sizeof fileName, "TAF");
    FileHandle handle = Files().Open(fileName, "rb");
    if (!handle) SetErrorCode(kErrOpen);
    return handle;
}

bool readHeader(FileHandle handle, uint8_t* raw) {
    if (Files().Read(raw, 1, kTafHeaderBytes, handle) != kTafHeaderBytes) return fail(kErrRead);
    if (!isTaf(raw)) return fail(kErrFormat);
    return true;
}

}  // namespace

TafHeader ParseTafHeader(const uint8_t* bytes) {
    TafHeader header{};
    std::memcpy(header.tag, bytes, 3);
    header.depth = LoadLE16(bytes + 4);
    header.frames = LoadLE16(bytes + 6);
    header.totalPixels = LoadLE32(bytes + 8);
    header.palette = bytes + 12;
    header.firstFrame = LoadLE32(bytes + 780);
    header.tables = LoadLE16(bytes + 784);
    return header;
}

TafFrameHeader ParseTafFrameHeader(const uint8_t* bytes) {
    return {LoadLE16(bytes), LoadLE16(bytes + 2), LoadLE16(bytes + 4), LoadLE32(bytes + 6)};
}

uint32_t TafBytesPerPixel(uint16_t depth) {
    return depth == 8 || depth == 19 ? 1u : depth / 8u;
}

int TafReportedDepth(uint16_t depth) {
    return depth == 19 ? 8 : depth;
}

bool ReadFrameChain(FileHandle handle, long base, uint32_t firstFrame, uint32_t count,
                    uint32_t bytesPerPixel, uint8_t* destination, uint32_t destinationSize,
                    void* entries) {
    const long length = Files().Length(handle);
    if (length < 0 || base < 0) return fail(kErrRead);
    const uint64_t available = length > base ? static_cast<uint64_t>(length - base) : 0;

    uint64_t offset = firstFrame;
    uint64_t used = 0;
    for (uint32_t i = 0; i < count; ++i) {
        // An offset into nowhere would have us decode whatever follows the end of the data.
        if (offset + kTafFrameHeaderBytes > available) return fail(kErrFormat);
        if (!seekTo(handle, static_cast<uint64_t>(base) + offset)) return fail(kErrRead);
        uint8_t raw[kTafFrameHeaderBytes];
        if (Files().Read(raw, 1, sizeof raw, handle) != sizeof raw) return fail(kErrRead);
        const TafFrameHeader frame = ParseTafFrameHeader(raw);

        const uint64_t size = uint64_t{frame.width} * frame.height * bytesPerPixel;
        if (used + kImageHeaderBytes + size > destinationSize) return fail(kErrFormat);
        uint8_t* image = destination + used;
        std::memcpy(static_cast<uint8_t*>(entries) + std::size_t{i} * sizeof image, &image,
                    sizeof image);
        std::memcpy(image, &frame.width, 2);
        std::memcpy(image + 2, &frame.height, 2);
        if (size > 0 && !DecodePixels(handle, frame.mode, static_cast<uint32_t>(size), image + 4)) {
            if (GetErrorCode() == kErrNone) SetErrorCode(kErrRead);
            return false;
        }
        used += kImageHeaderBytes + size;
        offset = frame.next;
    }
    return true;
}

int ReadAnimationAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize,
                            uint8_t** directory, uint32_t directoryEntries, uint8_t* palette) {
    if (!destination || !directory || !handle) return failDepth(kErrNullPointer);
    const long base = Files().Tell(handle);
    uint8_t raw[kTafHeaderBytes];
    if (!readHeader(handle, raw)) return 0;
    const TafHeader header = ParseTafHeader(raw);
    if (directoryEntries < kTafDirectoryLead + uint32_t{header.frames}) {
        return failDepth(kErrNullPointer);
    }
    if (palette) std::memcpy(palette, header.palette, kPaletteBytes);
    if (!ReadFrameChain(handle, base, header.firstFrame, header.frames,
                        TafBytesPerPixel(header.depth), destination, destinationSize,
                        directory + kTafDirectoryLead)) {
        return 0;
    }
    return TafReportedDepth(header.depth);
}

int ReadAnimation(const char* name, uint8_t* destination, uint32_t destinationSize,
                  uint8_t** directory, uint32_t directoryEntries, uint8_t* palette) {
    if (!destination || !directory) return failDepth(kErrNullPointer);
    FileHandle handle = openAnimation(name);
    if (!handle) return 0;
    const int depth = ReadAnimationAtPosition(handle, destination, destinationSize, directory,
                                              directoryEntries, palette);
    Files().Close(handle);
    return depth;
}

bool ReadFrameTable(const char* name, uint32_t* offsets, uint32_t capacity) {
    if (!offsets) return fail(kErrNullPointer);
    FileHandle handle = openAnimation(name);
    if (!handle) return false;
    bool ok = false;
    uint8_t raw[kTafHeaderBytes];
    if (readHeader(handle, raw)) {
        const TafHeader header = ParseTafHeader(raw);
        const long length = Files().Length(handle);
        const uint64_t tableBytes = uint64_t{4} * header.frames * header.tables;
        if (header.tables == 0 || length < 0 ||
            kTafHeaderBytes + tableBytes > static_cast<uint64_t>(length)) {
            SetErrorCode(kErrFormat);
        } else if (capacity < header.frames) {
            SetErrorCode(kErrNullPointer);
        } else if (!seekTo(handle, static_cast<uint64_t>(length) - tableBytes)) {
            SetErrorCode(kErrRead);
        } else {
            ok = true;
            for (uint32_t i = 0; i < header.frames && ok; ++i) {
                uint8_t entry[4];
                ok = Files().Read(entry, 1, sizeof entry, handle) == sizeof entry;
                offsets[i] = LoadLE32(entry);
            }
            if (!ok) SetErrorCode(kErrRead);
        }
    }
    Files().Close(handle);
    return ok;
}

int ReadFrameAtPosition(FileHandle handle, int mode, uint32_t size, uint8_t* destination,
                        uint32_t destinationSize) {
    if (!handle || !destination || size > destinationSize) return failDepth(kErrNullPointer);
    const long position = Files().Tell(handle);
    uint8_t raw[kTafHeaderBytes];
    if (position < 0 || Files().Seek(handle, 0, 0) != 0) return failDepth(kErrRead);
    const bool headerOk = readHeader(handle, raw);
    if (!seekTo(handle, static_cast<uint64_t>(position))) return failDepth(kErrRead);
    if (!headerOk) return 0;
    if (size > 0 && !DecodePixels(handle, mode, size, destination)) {
        if (GetErrorCode() == kErrNone) SetErrorCode(kErrRead);
        return 0;
    }
    return TafReportedDepth(ParseTafHeader(raw).depth);
}

uint32_t AnimationSizeFor(const TafHeader& header) {
    const uint64_t pixels = uint64_t{header.totalPixels} + uint64_t{8} * header.frames;
    const uint64_t size = header.depth == 8 || header.depth == 19 ? pixels + kPaletteBytes
                                                                  : pixels * header.depth / 8;
    if (size > std::numeric_limits<uint32_t>::max()) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    return static_cast<uint32_t>(size);
}

uint32_t AnimationSize(const char* name) {
    FileHandle handle = openAnimation(name);
    if (!handle) return 0;
    uint8_t raw[kTafHeaderBytes];
    uint32_t size = 0;
    if (readHeader(handle, raw)) size = AnimationSizeFor(ParseTafHeader(raw));
    Files().Close(handle);
    return size;
}
