#include "engine/resources/pool/pool_check.h"

#include <algorithm>
#include <climits>

#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_format.h"

namespace {

bool readAt(FileHandle handle, long offset, uint8_t* bytes, std::size_t count) {
    return offset >= 0 && offset <= INT32_MAX &&
           Files().Seek(handle, static_cast<int32_t>(offset), 0) == 0 &&
           Files().Read(bytes, 1, count, handle) == count;
}

// The walk the readers make, chunk by chunk: the same limits as the entry seek and the picture
// loader, so that what passes here is what the game can load.
void walk(FileHandle handle, uint16_t kind, PoolContent content, ChunkCheck check,
          PoolCheck& result) {
    const auto fileDamage = [&](Damage what, int chunk = -1) {
        result.pool = FileDamage{what, chunk, result.file};
    };
    const auto chunkDamage = [&](Damage what, int n) {
        result.damaged.push_back(FileDamage{what, n, result.file});
    };

    uint8_t bytes[kPoolHeaderBytes];
    if (!readAt(handle, 0, bytes, sizeof bytes)) return fileDamage(Damage::kShortHeader);
    const PoolHeader header = ParsePoolHeader(bytes);
    const bool pictures = content != PoolContent::kChunks;
    if (!header.magic) return fileDamage(Damage::kNotAPool);
    if ((kind == kPoolKindPicture || pictures) && header.kind != kPoolKindPicture)
        return fileDamage(Damage::kNotPicturePool);
    if (kind == kPoolKindGeneral && header.kind != kPoolKindGeneral)
        return fileDamage(Damage::kNotSoundPool);

    const int chunks = header.chunks;
    result.chunks = chunks;
    if (chunks == 0) return;
    const long length = Files().Length(handle);
    const long indexStart = length - long{kIndexEntryBytes} * chunks;
    // Seeks take 32-bit distances, so a longer file cannot be read to its index either.
    if (indexStart < long{kFirstChunkData} || length > INT32_MAX)
        return fileDamage(Damage::kIndexOutside, chunks);
    std::vector<uint8_t> index(std::size_t{kIndexEntryBytes} * chunks);
    if (!readAt(handle, indexStart, index.data(), index.size()))
        return fileDamage(Damage::kIndexOutside, chunks);

    for (int n = 0; n < chunks; ++n) {
        const uint32_t offset = LoadLE32(index.data() + std::size_t{kIndexEntryBytes} * n);
        if (offset < kFirstChunkData || offset > static_cast<unsigned long>(indexStart)) {
            chunkDamage(Damage::kChunkOutside, n);
            continue;
        }
        // The chunk header, and a picture's header behind it where the chunk area holds one.
        uint8_t head[kChunkHeaderBytes + kTbfHeaderBytes] = {};
        const std::size_t room = static_cast<std::size_t>(indexStart - long{offset});
        const std::size_t want =
            kChunkHeaderBytes + (pictures ? std::min<std::size_t>(kTbfHeaderBytes, room) : 0);
        if (!readAt(handle, long{offset} - long{kChunkHeaderBytes}, head, want)) {
            chunkDamage(Damage::kChunkOutside, n);
            continue;
        }
        const ChunkHeader chunk = ParseChunkHeader(head);
        if (chunk.length > room) {
            chunkDamage(Damage::kChunkOutside, n);
            continue;
        }
        if (pictures) {
            const Damage picture = PoolPictureHeaderDamage(head + kChunkHeaderBytes, chunk.length);
            if (picture != Damage::kNone) {
                chunkDamage(picture, n);
                continue;
            }
        }
        if (content == PoolContent::kDecoded) {
            PictureDamage decoded;
            MemFree(LoadPoolPictureQuietly(handle, n, &decoded));
            if (decoded.what != Damage::kNone) {
                chunkDamage(decoded.what, n);
                continue;
            }
        }
        if (check && Files().Seek(handle, static_cast<int32_t>(offset), 0) == 0) {
            const Damage inside = check(handle, chunk.length);
            if (inside != Damage::kNone) chunkDamage(inside, n);
        }
    }
}

}  // namespace

bool PoolCheck::chunkDamaged(int n) const {
    if (pool) return true;
    return std::any_of(damaged.begin(), damaged.end(),
                       [n](const FileDamage& d) { return d.chunk == n; });
}

FileDamage PoolCheck::first() const {
    if (pool || damaged.empty()) return pool;
    return damaged.front();
}

PoolCheck CheckPoolFile(const char* name, uint16_t kind, PoolContent content, ChunkCheck check) {
    const int16_t code = GetErrorCode();
    const char* context = GetContextMessage();
    PoolCheck result;
    result.file = name ? name : "";
    FileHandle handle = name ? Files().Open(name, "rb") : nullptr;
    if (!handle) {
        result.pool = FileDamage{Damage::kMissing, -1, result.file};
    } else {
        if (std::string path = OpenFilePath(handle); !path.empty()) result.file = path;
        walk(handle, kind, content, check, result);
        Files().Close(handle);
    }
    SetErrorCode(code);
    SetContextMessage(context);
    return result;
}

void RequireChunks(PoolCheck& check, std::initializer_list<int> needed) {
    if (check.pool) return;
    std::vector<int> missing;
    for (int n : needed) {
        if (n >= check.chunks) missing.push_back(n);
    }
    std::sort(missing.begin(), missing.end());
    missing.erase(std::unique(missing.begin(), missing.end()), missing.end());
    for (int n : missing) check.damaged.push_back(FileDamage{Damage::kChunkMissing, n, check.file});
}
