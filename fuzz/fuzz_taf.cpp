// Feeds arbitrary bytes to the animation readers: the size query, the whole load into a block
// of exactly the queried size, the frame table, a frame at its position and the typed loader.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/memory/typed_loaders.h"
#include "engine/resources/animation_format.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr const char* kName = "fuzz.taf";
// Whole loads beyond this are skipped: zero-filling them would only slow the search down.
constexpr uint32_t kMaxLoad = 16u << 20;
constexpr uint32_t kMaxEntries = kTafDirectoryLead + 0xFFFF;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    static std::vector<uint8_t*> directory(kMaxEntries);
    static std::vector<uint32_t> offsets(0xFFFF);
    if (!fuzz::WriteFuzzInput(kName, data, size)) std::abort();

    SetErrorCode(0);
    const uint32_t blockSize = AnimationSize(kName);
    if (blockSize != 0 && blockSize <= kMaxLoad) {
        auto* block = static_cast<uint8_t*>(MemAlloc(blockSize));
        if (block) {
            uint8_t palette[768];
            ReadAnimation(kName, block, blockSize, directory.data(), kMaxEntries, palette);
        }
        MemFree(block);

        SetErrorCode(0);
        LoadedAnimation animation;
        if (taf_adr(nullptr, kName, &animation)) {
            unsigned sum = 0;
            for (uint32_t i = 0; i < animation.frames; ++i) sum += animation.Frame(i)[0];
            (void)sum;
        }
        FreeAnimation(&animation);
    }

    SetErrorCode(0);
    ReadFrameTable(kName, offsets.data(), static_cast<uint32_t>(offsets.size()));

    SetErrorCode(0);
    if (FileHandle handle = Files().Open(kName, "rb")) {
        if (size > kTafHeaderBytes + kTafFrameHeaderBytes) {
            const TafFrameHeader frame = ParseTafFrameHeader(data + kTafHeaderBytes);
            uint8_t pixels[4096];
            Files().Seek(handle, static_cast<int32_t>(kTafHeaderBytes + kTafFrameHeaderBytes), 0);
            ReadFrameAtPosition(handle, frame.mode, frame.width % (sizeof pixels + 1), pixels,
                                sizeof pixels);
        }
        Files().Close(handle);
    }

    if (MemAllocatedBytes() != 0 || Files().OpenCount() != 0) std::abort();
    return 0;
}
