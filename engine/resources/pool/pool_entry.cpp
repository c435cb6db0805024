#include "engine/resources/pool/pool_entry.h"

#include <algorithm>
#include <cstdint>

#include "engine/base/messages.h"
#include "engine/resources/pool/pool_format.h"

namespace {

bool fail(FileHandle handle, PoolEntry* entry, int selected) {
    SetErrorCode(kErrRead);
    Files().Seek(handle, 0, 0);
    entry->selected = selected;
    return false;
}

bool readExactly(FileHandle handle, uint8_t* bytes, uint32_t count) {
    return Files().Read(bytes, 1, count, handle) == count;
}

}  // namespace

bool LocatePoolEntry(FileHandle handle, int n, PoolEntry* entry) {
    *entry = PoolEntry{};
    uint8_t bytes[kPoolHeaderBytes];
    if (Files().Seek(handle, 0, 0) != 0 || !readExactly(handle, bytes, kPoolHeaderBytes)) {
        return fail(handle, entry, n);
    }
    const PoolHeader header = ParsePoolHeader(bytes);
    if (!header.magic) {
        // Plain files carry their own 8-byte header; their readers go on from here.
        const long fileLength = Files().Length(handle);
        entry->selected = n;
        entry->dataOffset = kPoolHeaderBytes;
        entry->dataLength = static_cast<uint32_t>(std::max(fileLength, long{kPoolHeaderBytes}) -
                                                  long{kPoolHeaderBytes});
        return true;
    }

    const int chunks = header.chunks;
    const int selected = n >= chunks ? chunks - 1 : n;
    if (selected < 0) return fail(handle, entry, selected);

    // The index sits at the very end; everything before it belongs to the chunks. Where the
    // seek from the end lands also tells the file's length, without asking for it separately.
    const int32_t fromEnd = static_cast<int32_t>(kIndexEntryBytes) * (chunks - selected);
    uint8_t offsetBytes[kIndexEntryBytes];
    if (Files().Seek(handle, -fromEnd, 2) != 0) return fail(handle, entry, n);
    const long indexEntry = Files().Tell(handle);
    const long indexStart = indexEntry - long{kIndexEntryBytes} * selected;
    // Offsets are 32-bit and seeks take 32-bit distances.
    if (indexStart < long{kFirstChunkData} || indexEntry + fromEnd > INT32_MAX ||
        !readExactly(handle, offsetBytes, kIndexEntryBytes)) {
        return fail(handle, entry, n);
    }
    const uint32_t offset = LoadLE32(offsetBytes);
    if (offset < kFirstChunkData || offset > static_cast<unsigned long>(indexStart)) {
        return fail(handle, entry, n);
    }

    uint8_t chunkBytes[kChunkHeaderBytes];
    if (Files().Seek(handle, static_cast<int32_t>(offset - kChunkHeaderBytes), 0) != 0 ||
        !readExactly(handle, chunkBytes, kChunkHeaderBytes)) {
        return fail(handle, entry, n);
    }
    const ChunkHeader chunk = ParseChunkHeader(chunkBytes);
    if (chunk.length > static_cast<unsigned long>(indexStart) - offset) {
        return fail(handle, entry, n);
    }

    entry->selected = selected;
    entry->pool = true;
    entry->dataOffset = offset;
    entry->dataLength = chunk.length;
    return true;
}

int SeekPoolEntry(FileHandle handle, int n) {
    PoolEntry entry;
    LocatePoolEntry(handle, n, &entry);
    return entry.selected;
}
