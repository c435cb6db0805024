#pragma once
// Finding entry n of an open pool: two seeks through the index at the end of the file.
// Files that are not pools are read as plain files from offset 8.

#include <cstdint>

#include "engine/resources/file_manager.h"

struct PoolEntry {
    int selected = -1;        // entry actually selected
    bool pool = false;        // false for a plain file
    uint32_t dataOffset = 0;  // first data byte
    uint32_t dataLength = 0;  // bytes of the entry (for a plain file: everything after offset 8)
};

// Positions the file at the first data byte of entry n (of the last entry when n is past the
// end) and describes it. An entry whose index offset or chunk length points outside the chunk
// area, an empty pool, a negative n or a short read set error 9, leave the file at 0 and
// return false.
bool LocatePoolEntry(FileHandle handle, int n, PoolEntry* entry);

// The same, returning the entry actually selected: n - 1 past the end of the pool, -1 for an
// empty pool. Callers check the error code as well.
int SeekPoolEntry(FileHandle handle, int n);
