#pragma once
// Checking a pool file as a whole: its header, the index at its end and every chunk the index
// points at, the picture header of each chunk of a picture pool, and on request every picture
// decoded or every chunk handed to a check of its own (the sound pool's WAV files). The quick
// check reads a few bytes per chunk, so the game can look at the pools it cannot do without
// at start-up and at a beach's pools when the beach is entered.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/resources/file_damage.h"
#include "engine/resources/file_manager.h"

// What a chunk holds beyond its place in the file: checked with the handle at its first data
// byte and its data length; kNone when it is whole.
using ChunkCheck = Damage (*)(FileHandle handle, uint32_t length);

enum class PoolContent {
    kChunks,    // the structure only (and the chunk check, when one is given)
    kPictures,  // a picture pool: the structure and every chunk's picture header
    kDecoded,   // a picture pool: the structure and every picture decoded
};

struct PoolCheck {
    std::string file;  // the path of the file as opened, else the name asked for
    int chunks = 0;
    FileDamage pool;                  // the file as a whole is wrong: no chunk was looked at
    std::vector<FileDamage> damaged;  // damaged chunks, in chunk order

    bool whole() const { return !pool && damaged.empty(); }
    bool chunkDamaged(int n) const;
    // The damage to name first: the file's own, else the first damaged chunk's.
    FileDamage first() const;
};

// Checks the pool a name opens to (through the file manager, as the game opens it). kind is 21
// or 24 for a pool that must be of that kind, 0 for any. The file is closed again; the error
// code is left as it was found.
PoolCheck CheckPoolFile(const char* name, uint16_t kind, PoolContent content,
                        ChunkCheck check = nullptr);

// A chunk a program needs and the pool does not have is damage too: adds kChunkMissing for
// each such chunk number (a pool that is wrong as a whole stays as it is).
void RequireChunks(PoolCheck& check, std::initializer_list<int> needed);
