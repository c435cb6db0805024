// pooltool check: reads a whole pool and names every damaged chunk.
#include <cstdio>

#include "engine/audio/wav_header.h"
#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/pool_check.h"
#include "engine/resources/pool/pool_format.h"
#include "tools/pooltool/commands.h"
#include "tools/pooltool/tool_io.h"

int CheckPool(const Arguments& args) {
    if (args.size() != 1) return kExitUsage;
    const char* name = args[0].c_str();
    // The pool's kind says what its chunks hold: pictures are decoded, sounds parsed, anything
    // else only found in its place.
    uint16_t kind = 0;
    if (FileHandle handle = Files().Open(name, "rb")) {
        uint8_t bytes[kPoolHeaderBytes];
        if (Files().Read(bytes, 1, sizeof bytes, handle) == sizeof bytes)
            kind = ParsePoolHeader(bytes).kind;
        Files().Close(handle);
    }
    SetErrorCode(kErrNone);
    const PoolCheck check =
        kind == kPoolKindPicture   ? CheckPoolFile(name, kind, PoolContent::kDecoded)
        : kind == kPoolKindGeneral ? CheckPoolFile(name, kind, PoolContent::kChunks, CheckWavChunk)
                                   : CheckPoolFile(name, 0, PoolContent::kChunks);
    if (check.pool) {
        std::printf("%s\n", DescribeDamage(check.pool).c_str());
        return Failed(kErrFormat, nullptr);
    }
    for (const FileDamage& damage : check.damaged)
        std::printf("%s\n", DescribeDamage(damage).c_str());
    if (check.damaged.empty()) {
        std::printf("%s: %d chunks, all whole\n", check.file.c_str(), check.chunks);
        return kExitOk;
    }
    std::printf("%s: %zu of %d chunks damaged\n", check.file.c_str(), check.damaged.size(),
                check.chunks);
    return Failed(kErrFormat, nullptr);
}
