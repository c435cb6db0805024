#pragma once
// The pool editor: creates pool files and edits them chunk by chunk. Every operation opens and
// closes the files it needs through the file manager and reports through the shared error code
// (8 open, 9 read or chunk number, 10 write, 20 buffers, chunk run or too many chunks) and the
// context message. Operations that rewrite a pool build the new file under the work name
// (extension TMP) and only when it is complete keep the old pool under the extension OLD; on
// failure the work file is removed and the pool is left as it was.

#include <cstdint>

#include "engine/resources/file_manager.h"
#include "engine/resources/pool/pool_format.h"

class POOL_CLASS {
  public:
    // A new pool of count empty chunks, each of the pool's kind, with its index. An existing
    // file of that name is backed up first ('@' as third extension character). 1 / 0.
    int Create(const char* name, uint16_t kind, int count);

    // Number of chunks, or -1.
    int ChunkCount(const char* name);
    int ReadPoolHeader(FileHandle handle);

    // Walks the chunks and writes their offsets as the index: over the old index (replace 1)
    // or appended at the end (replace 0). Refuses pools of more than kMaxPoolChunks chunks.
    int WriteIndex(const char* name, int replace);
    int BuildIndex(FileHandle handle, int replace);

    // Appends count chunks of the given kind, each holding the same length bytes of data (zero
    // bytes when data is null), and writes the new index.
    int AppendChunks(const char* name, uint32_t length, const void* data, int count,
                     uint16_t chunkKind);

    // Replaces the data of chunk k; the chunk keeps its kind.
    int ReplaceChunk(const char* name, int k, void* copyBuffer, uint32_t copySize, const void* data,
                     uint32_t length);

    // Replaces destination chunks d…d+n-1 by source chunks s…s+n-1. The run must end before
    // the last chunk of either pool.
    int CopyChunkRun(const char* source, const char* destination, int s, int d, int n,
                     void* copyBuffer, uint32_t copySize);

    // Copies the chunk at the source position (header and data) to the destination position,
    // copySize bytes at a time.
    int CopyChunk(void* copyBuffer, uint32_t copySize, FileHandle source, FileHandle destination);

    // The pool name with its extension's first three characters replaced ("TMP" for the work
    // file) or the whole extension replaced ("OLD"). False when the result does not fit.
    static bool WorkFileName(const char* pool, char* out, std::size_t outSize);
    static bool OldFileName(const char* pool, char* out, std::size_t outSize);

  private:
    int copyChunk(void* copyBuffer, uint32_t copySize, FileHandle source, FileHandle destination,
                  long sourceLimit);
    int copyChunks(void* copyBuffer, uint32_t copySize, FileHandle source, FileHandle destination,
                   int count, long sourceLimit);
    int replacePool(const char* pool, const char* work);

    // The index work table: the offsets of the chunks, little-endian as they are written.
    uint8_t index_[kMaxPoolChunks * kIndexEntryBytes] = {};
};

// The process-wide pool editor.
POOL_CLASS& PoolEditor();
