// Loading one picture-pool entry into a memory-manager block.
#include <cstdint>

#include "engine/memory/memory.h"
#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool.h"

namespace {

// The most pixel bytes a chunk's compressed data can expand to. A header asking for more is
// lying, and believing it would mean a huge allocation for a small chunk.
uint64_t mostPixelBytes(int kind, int mode, uint64_t payload) {
    if (mode == kTbfByteRuns) return payload / 2 * 255;  // (count, value) pairs
    if (mode == kTbfWordRuns && kind == kFileKindTbf) {
        return (payload + 3) / 4 * 65534;  // (control word k, pixel) repeats k ≤ 32767 times
    }
    return payload;  // stored as they are
}

uint8_t* refuse(int16_t code, const char* context) {
    if (GetErrorCode() == kErrNone) SetErrorCode(code);
    SetContextMessage(context);
    return nullptr;
}

}  // namespace

uint8_t* LoadPoolPicture(FileHandle handle, int n) {
    SetErrorCode(kErrNone);
    PoolEntry entry;
    if (n < 0 || !LocatePoolEntry(handle, n, &entry) || entry.selected != n) {
        return refuse(kErrRead, "Pool Entry NOT AVAILABLE");
    }

    uint8_t raw[kTbfHeaderBytes];
    if (entry.dataLength < kTbfHeaderBytes ||
        Files().Read(raw, 1, kTbfHeaderBytes, handle) != kTbfHeaderBytes) {
        return refuse(kErrRead, "Pool Image Header");
    }
    const int kind = FileManager::FileKind(raw);
    const TbfHeader header = ParseTbfHeader(raw);
    const int depth = TbfDepth(header.depth);
    if ((kind != kFileKindTbf && kind != kFileKindTpf) || depth == 0) {
        return refuse(kErrFormat, "Pool Image Header");
    }

    // The block must hold the picture its header describes (the drawing code trusts width and
    // height) and no more than the chunk can deliver.
    uint64_t payload = entry.dataLength - kTbfHeaderBytes;
    if (depth == 8) payload = payload > kPaletteBytes ? payload - kPaletteBytes : 0;
    const uint64_t pictureBytes = uint64_t{header.width} * header.height * (depth / 8);
    const int mode = TbfCompressionMode(header.compression);
    if (header.dataSize < pictureBytes || header.dataSize > mostPixelBytes(kind, mode, payload) ||
        header.dataSize > UINT32_MAX - kImageHeaderBytes) {
        return refuse(kErrRead, "Pool Image Header");
    }

    const uint32_t blockSize = header.dataSize + kImageHeaderBytes;
    auto* block = static_cast<uint8_t*>(MemAlloc(blockSize));
    if (!block || GetErrorCode() != kErrNone) {
        MemFree(block);
        return refuse(kErrNoMemory, "Pool Picture");
    }
    if (Files().Seek(handle, static_cast<int32_t>(entry.dataOffset), 0) != 0 ||
        ReadImageAtPosition(handle, block, blockSize, nullptr) == 0) {
        // A half-decoded picture is no picture.
        MemFree(block);
        return refuse(kErrRead, "Pool Picture");
    }
    return block;
}
