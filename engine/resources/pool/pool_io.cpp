#include "engine/resources/pool/pool_io.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "engine/base/messages.h"
#include "engine/resources/pool/pool_format.h"

int PoolFail(int16_t code, const char* context) {
    SetErrorCode(code);
    SetContextMessage(context);
    return 0;
}

int ReadCheckedPoolHeader(FileHandle handle, const char* context) {
    uint8_t bytes[kPoolHeaderBytes];
    if (Files().Seek(handle, 0, 0) != 0 ||
        Files().Read(bytes, 1, kPoolHeaderBytes, handle) != kPoolHeaderBytes) {
        PoolFail(kErrRead, context);
        return -1;
    }
    const PoolHeader header = ParsePoolHeader(bytes);
    if (!header.magic) {
        // Editing a file that is no pool would scribble over it.
        PoolFail(kErrFormat, context);
        return -1;
    }
    return header.chunks;
}

long ChunkAreaEnd(FileHandle handle, int chunks) {
    const long length = Files().Length(handle);
    if (length < 0 || length > INT32_MAX) return -1;
    const long end = length - long{kIndexEntryBytes} * chunks;
    return end < long{kPoolHeaderBytes} ? -1 : end;
}

bool WriteBytes(FileHandle handle, const void* data, uint32_t count) {
    if (data) return Files().Write(data, 1, count, handle) == count;
    static const uint8_t zeros[4096] = {};
    while (count > 0) {
        const uint32_t piece = std::min<uint32_t>(count, sizeof zeros);
        if (Files().Write(zeros, 1, piece, handle) != piece) return false;
        count -= piece;
    }
    return true;
}

bool Flushed(FileHandle handle) {
    return handle && std::fflush(handle) == 0;
}
