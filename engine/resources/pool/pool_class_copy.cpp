// Rewriting pools: copying chunks, replacing one chunk, copying a run of chunks between pools.
#include <cstring>
#include <string>

#include "engine/base/dos_path.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool_class.h"
#include "engine/resources/pool/pool_class_messages.h"
#include "engine/resources/pool/pool_entry.h"
#include "engine/resources/pool/pool_io.h"

using namespace pool_text;

namespace {

bool composeName(const char* pool, const char* extension, std::size_t keepFrom, char* out,
                 std::size_t outSize) {
    if (!pool || !out) return false;
    const char* dot = ExtensionDot(pool);
    std::string result = dot ? std::string(pool, dot) : std::string(pool);
    result += '.';
    result += extension;
    if (dot && std::strlen(dot + 1) > keepFrom) result += dot + 1 + keepFrom;
    if (result.size() + 1 > outSize) return false;
    std::memcpy(out, result.c_str(), result.size() + 1);
    return true;
}

struct WorkNames {
    char work[FileManager::kPathBytes];
    char old[FileManager::kPathBytes];
};

// The work and OLD names of a destination pool; false when they cannot be formed or would hit
// the pool itself or the pool read from (writing the work file would then destroy it).
bool workNamesFor(const char* destination, const char* source, WorkNames* names) {
    if (!POOL_CLASS::WorkFileName(destination, names->work, sizeof names->work) ||
        !POOL_CLASS::OldFileName(destination, names->old, sizeof names->old)) {
        return false;
    }
    for (const char* name : {destination, source}) {
        if (EqualsIgnoringCase(name, names->work) || EqualsIgnoringCase(name, names->old)) {
            return false;
        }
    }
    return true;
}

// Keeps the previous pool under its OLD name and puts the finished work file in its place.
int replacePool(const char* pool, const WorkNames& names) {
    Files().Remove(names.old);
    if (Files().Rename(pool, names.old) != 0) return PoolFail(kErrWrite, kRenamePool);
    if (Files().Rename(names.work, pool) != 0) {
        Files().Rename(names.old, pool);
        return PoolFail(kErrWrite, kRenamePool);
    }
    return 1;
}

// Ends a rewrite: a complete work file gets its index and replaces the pool, anything else
// is thrown away.
int finishRewrite(POOL_CLASS& editor, int ok, FileHandle work, const char* pool,
                  const WorkNames& names) {
    if (ok) ok = editor.BuildIndex(work, 0);
    if (ok && !Flushed(work)) ok = PoolFail(kErrWrite, kWriteTargetData);
    Files().Close(work);
    if (ok) ok = replacePool(pool, names);
    if (!ok) Files().Remove(names.work);
    return ok;
}

int writeHeader(FileHandle work, int chunks, FileHandle from) {
    uint8_t bytes[kPoolHeaderBytes];
    if (Files().Seek(from, 0, 0) != 0 ||
        Files().Read(bytes, 1, sizeof bytes, from) != sizeof bytes) {
        return PoolFail(kErrRead, kReadHeader);
    }
    StoreLE16(bytes + 6, static_cast<uint16_t>(chunks));
    if (Files().Write(bytes, 1, sizeof bytes, work) != sizeof bytes) {
        return PoolFail(kErrWrite, kWriteHeader);
    }
    return 1;
}

// Positions a pool at the chunk header of entry n.
int seekChunkHeader(FileHandle pool, int n) {
    PoolEntry entry;
    if (!LocatePoolEntry(pool, n, &entry) || entry.selected != n ||
        Files().Seek(pool, -static_cast<int32_t>(kChunkHeaderBytes), 1) != 0) {
        return PoolFail(kErrRead, kReadChunkHeader);
    }
    return 1;
}

}  // namespace

bool POOL_CLASS::WorkFileName(const char* pool, char* out, std::size_t outSize) {
    return composeName(pool, "TMP", 3, out, outSize);
}

bool POOL_CLASS::OldFileName(const char* pool, char* out, std::size_t outSize) {
    return composeName(pool, "OLD", std::strlen(pool ? pool : ""), out, outSize);
}

int POOL_CLASS::CopyChunk(void* copyBuffer, uint32_t copySize, FileHandle source,
                          FileHandle destination) {
    return copyChunk(copyBuffer, copySize, source, destination, Files().Length(source));
}

int POOL_CLASS::copyChunk(void* copyBuffer, uint32_t copySize, FileHandle source,
                          FileHandle destination, long sourceLimit) {
    if (!copyBuffer || copySize == 0) return PoolFail(kErrGeneral, kNoBuffer);
    uint8_t header[kChunkHeaderBytes];
    if (Files().Read(header, 1, sizeof header, source) != sizeof header) {
        return PoolFail(kErrRead, kReadChunkHeader);
    }
    // A length running past the chunk area would copy the index (or nothing) as data.
    uint32_t remaining = ParseChunkHeader(header).length;
    const long here = Files().Tell(source);
    if (here < 0 || sourceLimit < here ||
        remaining > static_cast<unsigned long>(sourceLimit - here)) {
        return PoolFail(kErrRead, kReadChunkHeader);
    }
    if (Files().Write(header, 1, sizeof header, destination) != sizeof header) {
        return PoolFail(kErrWrite, kWriteChunkHeader);
    }
    while (remaining > copySize) {
        if (Files().Read(copyBuffer, 1, copySize, source) != copySize) {
            return PoolFail(kErrRead, kReadData1);
        }
        if (Files().Write(copyBuffer, 1, copySize, destination) != copySize) {
            return PoolFail(kErrWrite, kWriteData1);
        }
        remaining -= copySize;
    }
    if (remaining > 0) {
        if (Files().Read(copyBuffer, 1, remaining, source) != remaining) {
            return PoolFail(kErrRead, kReadData2);
        }
        if (Files().Write(copyBuffer, 1, remaining, destination) != remaining) {
            return PoolFail(kErrWrite, kWriteData2);
        }
    }
    return 1;
}

int POOL_CLASS::copyChunks(void* copyBuffer, uint32_t copySize, FileHandle source,
                           FileHandle destination, int count, long sourceLimit) {
    for (int i = 0; i < count; ++i) {
        if (!copyChunk(copyBuffer, copySize, source, destination, sourceLimit)) return 0;
    }
    return 1;
}

int POOL_CLASS::ReplaceChunk(const char* name, int k, void* copyBuffer, uint32_t copySize,
                             const void* data, uint32_t length) {
    if (!copyBuffer || copySize == 0) return PoolFail(kErrGeneral, kNoCopyBuffer);
    if (!data || length == 0) return PoolFail(kErrGeneral, kNoNewData);
    WorkNames names;
    if (!workNamesFor(name, name, &names)) return PoolFail(kErrOpen, kOpenWork);

    FileHandle work = Files().Open(names.work, "wb+");
    if (!work) return PoolFail(kErrOpen, kOpenWork);
    FileHandle pool = Files().Open(name, "rb+");
    int ok = pool ? 1 : PoolFail(kErrOpen, kOpenPool);

    const int chunks = ok ? ReadCheckedPoolHeader(pool, kReadHeader) : -1;
    if (ok && chunks < 0) ok = 0;
    if (ok && (k < 0 || k >= chunks)) ok = PoolFail(kErrRead, kChunkTooBig);
    if (ok && chunks > kMaxPoolChunks) ok = PoolFail(kErrGeneral, kChunkTooBig);
    const long limit = ok ? ChunkAreaEnd(pool, chunks) : -1;
    if (ok && limit < 0) ok = PoolFail(kErrRead, kReadHeader);

    if (ok) ok = writeHeader(work, chunks, pool);
    if (ok) ok = copyChunks(copyBuffer, copySize, pool, work, k, limit);
    if (ok) {
        uint8_t header[kChunkHeaderBytes];
        const long here = Files().Tell(pool);
        if (Files().Read(header, 1, sizeof header, pool) != sizeof header) {
            ok = PoolFail(kErrRead, kReadSourceChunk);
        } else {
            const ChunkHeader old = ParseChunkHeader(header);
            const long dataEnd = here + long{kChunkHeaderBytes} + long{old.length};
            if (dataEnd > limit || Files().Seek(pool, static_cast<int32_t>(dataEnd), 0) != 0) {
                ok = PoolFail(kErrRead, kReadSourceChunk);
            } else {
                FormatChunkHeader(header, length, old.kind);
                if (Files().Write(header, 1, sizeof header, work) != sizeof header) {
                    ok = PoolFail(kErrWrite, kWriteTargetHeader);
                } else if (!WriteBytes(work, data, length)) {
                    ok = PoolFail(kErrWrite, kWriteTargetData);
                }
            }
        }
    }
    if (ok) ok = copyChunks(copyBuffer, copySize, pool, work, chunks - k - 1, limit);
    Files().Close(pool);
    return finishRewrite(*this, ok, work, name, names);
}

int POOL_CLASS::CopyChunkRun(const char* source, const char* destination, int s, int d, int n,
                             void* copyBuffer, uint32_t copySize) {
    if (!copyBuffer || copySize == 0) return PoolFail(kErrGeneral, kNoCopyBuffer);
    WorkNames names;
    if (!source || !workNamesFor(destination, source, &names)) return PoolFail(kErrOpen, kOpenWork);

    FileHandle work = Files().Open(names.work, "wb+");
    if (!work) return PoolFail(kErrOpen, kOpenWork);
    FileHandle from = Files().Open(source, "rb+");
    int ok = from ? 1 : PoolFail(kErrOpen, kOpenSource);
    FileHandle to = ok ? Files().Open(destination, "rb+") : nullptr;
    if (ok && !to) ok = PoolFail(kErrOpen, kOpenDest);

    const int toChunks = ok ? ReadCheckedPoolHeader(to, kReadDestHeader) : -1;
    if (ok && toChunks < 0) ok = 0;
    const int fromChunks = ok ? ReadCheckedPoolHeader(from, kReadSourceHeader) : -1;
    if (ok && fromChunks < 0) ok = 0;
    // The run must end before the last chunk of either pool.
    if (ok && (s < 0 || d < 0 || n < 0 || s >= fromChunks || s + n >= fromChunks || d >= toChunks ||
               d + n >= toChunks || toChunks > kMaxPoolChunks)) {
        ok = PoolFail(kErrGeneral, kChunkTooBig);
    }
    const long toLimit = ok ? ChunkAreaEnd(to, toChunks) : -1;
    const long fromLimit = ok ? ChunkAreaEnd(from, fromChunks) : -1;
    if (ok && toLimit < 0) ok = PoolFail(kErrRead, kReadDestHeader);
    if (ok && fromLimit < 0) ok = PoolFail(kErrRead, kReadSourceHeader);

    if (ok) ok = writeHeader(work, toChunks, to);
    if (ok) ok = copyChunks(copyBuffer, copySize, to, work, d, toLimit);
    if (ok) ok = seekChunkHeader(from, s);
    if (ok) ok = copyChunks(copyBuffer, copySize, from, work, n, fromLimit);
    if (ok) ok = seekChunkHeader(to, d + n);
    if (ok) ok = copyChunks(copyBuffer, copySize, to, work, toChunks - d - n, toLimit);
    Files().Close(from);
    Files().Close(to);
    return finishRewrite(*this, ok, work, destination, names);
}
