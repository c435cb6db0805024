#pragma once
// Small file steps shared by the pool editor's operations.

#include <cstdint>

#include "engine/resources/file_manager.h"

// Sets the error code and the context message; returns 0 so failures read "return PoolFail(…)".
int PoolFail(int16_t code, const char* context);

// Reads the 8-byte pool header from offset 0 and returns the chunk count; -1 with error 9 (short
// read) or 15 (not a pool) and the given context message.
int ReadCheckedPoolHeader(FileHandle handle, const char* context);

// Where the chunks of a pool with that many chunks must end: the start of its index. -1 when
// the file cannot even hold the header and the index (or is too large for 32-bit offsets).
long ChunkAreaEnd(FileHandle handle, int chunks);

// Writes count bytes (zeros when data is null); true when all were written.
bool WriteBytes(FileHandle handle, const void* data, uint32_t count);

// Pushes buffered writes to the file so that a full disk shows before the file is trusted.
bool Flushed(FileHandle handle);
