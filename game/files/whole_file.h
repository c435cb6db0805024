#pragma once
// Files the player owns (savegames, the savegame list, exported photos and their counter) are
// written whole or not at all: the bytes go to a temporary file beside the target, which is
// renamed over the old file only when every byte is on disk. A crash or a full disk leaves the
// old file as it was, and a failed write leaves no temporary file behind.

#include <cstddef>
#include <cstdint>
#include <vector>

// The temporary name used for `name`: the same folder, ".tmp" appended.
void temporaryNameFor(const char* name, char* out, std::size_t outSize);

// Writes `size` bytes as the file `name` (the engine's spelling, e.g. "sav\game01"). True
// when the file now holds exactly these bytes; false when it could not be written, in which
// case the old file is untouched.
bool writeWholeFile(const char* name, const void* data, std::size_t size);

enum class ReadResult {
    Missing,   // the file does not open
    TooLarge,  // longer than the caller's limit; `out` holds its first `limit` bytes
    Read,      // `out` holds the whole file
};
// Reads the whole file, at most `limit` bytes of it.
ReadResult readWholeFile(const char* name, std::size_t limit, std::vector<uint8_t>* out);

// Removes a regular file (the engine's spelling) if it is there; folders and others are left.
void removeFileIfThere(const char* name);

// Creates the folder (the engine's spelling, e.g. "fotos") when it is missing. True when it
// exists afterwards.
bool ensureFolder(const char* name);
