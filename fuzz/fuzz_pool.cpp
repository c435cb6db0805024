// Pools from hostile bytes: the game's readers and the editor's index and copy steps must
// refuse what does not add up, without reading or writing out of bounds or leaking.
#include <cstdint>
#include <cstdlib>

#include "engine/memory/memory.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr const char* kPoolName = "fuzz_pool.tgp";
constexpr int kMostEntries = 64;

void readAsGame() {
    OpenSoundPool(0, kPoolName);
    FileHandle sound = SoundPool(0);
    for (int n : {0, 1, 7, 65535, -1}) SeekPoolEntry(sound, n);

    if (OpenPicturePool(kLocationPoolSlot, kPoolName)) {
        FileHandle pool = PicturePool(kLocationPoolSlot);
        const int entries = PicturePoolChunks(kLocationPoolSlot);
        for (int n = 0; n < entries && n < kMostEntries; ++n) MemFree(LoadPoolPicture(pool, n));
        Pictures().Attach(kLocationPoolSlot);
        for (int n : {0, 1, entries - 1, entries, 242}) Pictures().Get(n);
        Pictures().ReleaseAll();
    }
    // Plain files and pools of other kinds go through the loader as well.
    FileHandle raw = Files().Open(kPoolName, "rb");
    for (int n = 0; n < 4; ++n) MemFree(LoadPoolPicture(raw, n));
    Files().Close(raw);
    ClosePools();
}

void editAsTool() {
    PoolEditor().ChunkCount(kPoolName);
    PoolEditor().WriteIndex(kPoolName, 1);
    static uint8_t copyBuffer[7];
    static const uint8_t replacement[] = {'T', 'B', 'F', 0};
    PoolEditor().ReplaceChunk(kPoolName, 0, copyBuffer, sizeof copyBuffer, replacement,
                              sizeof replacement);
    PoolEditor().CopyChunkRun(kPoolName, kPoolName, 0, 1, 1, copyBuffer, sizeof copyBuffer);
    PoolEditor().AppendChunks(kPoolName, 3, replacement, 2, 21);
    readAsGame();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput(kPoolName, data, size)) std::abort();
    readAsGame();
    editAsTool();

    if (Files().OpenCount() != 0 || MemAllocatedBytes() != 0) std::abort();
    return 0;
}
