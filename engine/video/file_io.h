#pragma once
// FFmpeg reads and writes movies through the file manager: an I/O context over an open file
// handle, so movies are found and counted like every other data file.

#include "engine/resources/file_manager.h"

struct AVIOContext;

// An I/O context over the handle (which stays open and is closed by the caller after the
// context). Null when out of memory.
AVIOContext* OpenFileIo(FileHandle file, bool writable);
// Flushes and frees the context and its buffer; null is ignored.
void CloseFileIo(AVIOContext** io);
