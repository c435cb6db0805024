#pragma once
// The pool file layout shared by the game's readers and the pool editor:
//   "QRX" 0, uint16 pool kind, uint16 chunk count N, the chunks back to back
//   (uint32 data length, uint16 chunk kind, data), and at the very end an index of N uint32
//   offsets, each pointing at the first data byte of its chunk. All integers little-endian.

#include <cstdint>
#include <cstring>

#include "engine/resources/little_endian.h"

constexpr uint16_t kPoolKindPicture = 21;  // TGP: every chunk is a TBF picture
constexpr uint16_t kPoolKindGeneral = 24;  // TAP: any data, used for the sounds

constexpr uint32_t kPoolHeaderBytes = 8;
constexpr uint32_t kChunkHeaderBytes = 6;
constexpr uint32_t kIndexEntryBytes = 4;
constexpr uint32_t kFirstChunkData = kPoolHeaderBytes + kChunkHeaderBytes;  // 14

// Size of the index work table: no pool may hold more chunks.
constexpr int kMaxPoolChunks = 5000;

struct PoolHeader {
    bool magic = false;  // the first three bytes are "QRX"; the fourth is never checked
    uint16_t kind = 0;
    uint16_t chunks = 0;
};

inline PoolHeader ParsePoolHeader(const uint8_t* bytes) {
    PoolHeader header;
    header.magic = std::memcmp(bytes, "QRX", 3) == 0;
    header.kind = LoadLE16(bytes + 4);
    header.chunks = LoadLE16(bytes + 6);
    return header;
}

inline void FormatPoolHeader(uint8_t* bytes, uint16_t kind, uint16_t chunks) {
    std::memcpy(bytes, "QRX", 4);
    StoreLE16(bytes + 4, kind);
    StoreLE16(bytes + 6, chunks);
}

struct ChunkHeader {
    uint32_t length = 0;
    uint16_t kind = 0;
};

inline ChunkHeader ParseChunkHeader(const uint8_t* bytes) {
    return ChunkHeader{LoadLE32(bytes), LoadLE16(bytes + 4)};
}

inline void FormatChunkHeader(uint8_t* bytes, uint32_t length, uint16_t kind) {
    StoreLE32(bytes, length);
    StoreLE16(bytes + 4, kind);
}
