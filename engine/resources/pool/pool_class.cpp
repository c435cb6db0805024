// Creating pools, reading their header, building the index and appending chunks.
#include "engine/resources/pool/pool_class.h"

#include "engine/base/messages.h"
#include "engine/resources/pool/pool_class_messages.h"
#include "engine/resources/pool/pool_entry.h"
#include "engine/resources/pool/pool_io.h"

using namespace pool_text;

POOL_CLASS& PoolEditor() {
    static POOL_CLASS editor;
    return editor;
}

int POOL_CLASS::Create(const char* name, uint16_t kind, int count) {
    Files().BackUpFile(name);
    SetErrorCode(kErrNone);
    if (count < 0 || count > kMaxPoolChunks) return PoolFail(kErrGeneral, kChunkTooBig);

    // The new pool is written under the work name and takes the pool's name only when
    // complete, so a failed create leaves whatever was there before.
    char work[FileManager::kPathBytes];
    if (!WorkFileName(name, work, sizeof work)) {
        return PoolFail(kErrOpen, kOpenPool);
    }
    FileHandle out = Files().Open(work, "wb+");
    if (!out) return PoolFail(kErrOpen, kOpenPool);

    int ok = 1;
    uint8_t header[kPoolHeaderBytes];
    FormatPoolHeader(header, kind, static_cast<uint16_t>(count));
    if (Files().Write(header, 1, sizeof header, out) != sizeof header) {
        ok = PoolFail(kErrWrite, kWriteHeader);
    }
    uint8_t chunk[kChunkHeaderBytes];
    FormatChunkHeader(chunk, 0, kind);
    for (int i = 0; ok && i < count; ++i) {
        if (Files().Write(chunk, 1, sizeof chunk, out) != sizeof chunk) {
            ok = PoolFail(kErrWrite, kWriteChunkHeader);
        }
    }
    if (ok && count > 0) ok = BuildIndex(out, 0);
    if (ok && !Flushed(out)) ok = PoolFail(kErrWrite, kWriteHeader);
    Files().Close(out);
    if (ok && Files().Rename(work, name) != 0) ok = PoolFail(kErrWrite, kRenamePool);
    if (!ok) Files().Remove(work);
    return ok;
}

int POOL_CLASS::ChunkCount(const char* name) {
    FileHandle handle = Files().Open(name, "rb");
    if (!handle) {
        PoolFail(kErrOpen, kOpenPool);
        return -1;
    }
    const int count = ReadPoolHeader(handle);
    Files().Close(handle);
    return count;
}

int POOL_CLASS::ReadPoolHeader(FileHandle handle) {
    if (!handle) {
        PoolFail(kErrOpen, kNoHandle);
        return -1;
    }
    return ReadCheckedPoolHeader(handle, kReadHeader);
}

int POOL_CLASS::WriteIndex(const char* name, int replace) {
    FileHandle handle = Files().Open(name, "rb+");
    if (!handle) return PoolFail(kErrOpen, kOpenPool);
    const int ok = BuildIndex(handle, replace);
    Files().Close(handle);
    return ok;
}

int POOL_CLASS::BuildIndex(FileHandle handle, int replace) {
    if (!handle) return PoolFail(kErrOpen, kNoHandle);
    const int count = ReadCheckedPoolHeader(handle, kReadHeader);
    if (count < 0) return 0;
    if (count > kMaxPoolChunks) return PoolFail(kErrGeneral, kChunkTooBig);

    // Chunks must end where the index being replaced begins, or at the end of the file.
    const long limit = replace ? ChunkAreaEnd(handle, count) : ChunkAreaEnd(handle, 0);
    if (limit < 0) return PoolFail(kErrRead, kReadChunkHeader);
    long position = kPoolHeaderBytes;
    for (int i = 0; i < count; ++i) {
        uint8_t bytes[kChunkHeaderBytes];
        if (Files().Seek(handle, static_cast<int32_t>(position), 0) != 0 ||
            Files().Read(bytes, 1, sizeof bytes, handle) != sizeof bytes) {
            return PoolFail(kErrRead, kReadChunkHeader);
        }
        const ChunkHeader chunk = ParseChunkHeader(bytes);
        const long dataOffset = position + long{kChunkHeaderBytes};
        if (chunk.length > static_cast<unsigned long>(limit - dataOffset)) {
            return PoolFail(kErrRead, kReadChunkHeader);
        }
        StoreLE32(index_ + kIndexEntryBytes * i, static_cast<uint32_t>(dataOffset));
        position = dataOffset + chunk.length;
    }

    if (Files().Seek(handle, replace ? -static_cast<int32_t>(kIndexEntryBytes) * count : 0, 2) !=
            0 ||
        Files().Write(index_, kIndexEntryBytes, static_cast<std::size_t>(count), handle) !=
            static_cast<std::size_t>(count)) {
        return PoolFail(kErrWrite, kWriteHeader);
    }
    return 1;
}

int POOL_CLASS::AppendChunks(const char* name, uint32_t length, const void* data, int count,
                             uint16_t chunkKind) {
    FileHandle handle = Files().Open(name, "rb+");
    if (!handle) return PoolFail(kErrOpen, kOpenPool);
    const int chunks = ReadCheckedPoolHeader(handle, kReadHeader);
    int ok = chunks >= 0;
    // Refused before anything is written: a count beyond the index table (or the header's
    // 16 bits) would leave a pool whose index cannot be built.
    if (ok && (count < 0 || count > kMaxPoolChunks - chunks)) {
        ok = PoolFail(kErrGeneral, kChunkTooBig);
    }

    // New chunks go right behind the last one, over the start of the old index.
    long writeAt = kPoolHeaderBytes;
    if (ok && chunks > 0) {
        PoolEntry last;
        if (!LocatePoolEntry(handle, chunks - 1, &last)) {
            ok = PoolFail(kErrRead, kSelectLastChunk);
        } else {
            writeAt = long{last.dataOffset} + last.dataLength;
        }
    }
    if (ok && Files().Seek(handle, static_cast<int32_t>(writeAt), 0) != 0) {
        ok = PoolFail(kErrRead, kSelectLastChunk);
    }

    uint8_t header[kChunkHeaderBytes];
    FormatChunkHeader(header, length, chunkKind);
    for (int i = 0; ok && i < count; ++i) {
        if (Files().Write(header, 1, sizeof header, handle) != sizeof header) {
            ok = PoolFail(kErrWrite, kWriteChunkHeader);
        } else if (length > 0 && !WriteBytes(handle, data, length)) {
            ok = PoolFail(kErrWrite, kWriteChunkData);
        }
    }
    if (ok) {
        uint8_t bytes[kPoolHeaderBytes];
        if (Files().Seek(handle, 0, 0) != 0 ||
            Files().Read(bytes, 1, sizeof bytes, handle) != sizeof bytes) {
            ok = PoolFail(kErrRead, kReadHeader);
        } else {
            StoreLE16(bytes + 6, static_cast<uint16_t>(chunks + count));
            if (Files().Seek(handle, 0, 0) != 0 ||
                Files().Write(bytes, 1, sizeof bytes, handle) != sizeof bytes) {
                ok = PoolFail(kErrWrite, kWriteHeader);
            }
        }
    }
    Files().Close(handle);
    if (ok) ok = WriteIndex(name, 0);
    return ok;
}
