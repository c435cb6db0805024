// PCX pictures from arbitrary bytes: the loaded-size query, the reader into a block of exactly
// that size (a separate heap allocation, so AddressSanitizer sees any write past it) and the
// palette reader.

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr uint32_t kMaxBlock = 64u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput("fuzz_input.pcx", data, size)) std::abort();

    const uint32_t need = LoadedSize("fuzz_input", kSizePcx);
    if (need > 0 && need <= kMaxBlock) {
        std::unique_ptr<uint8_t[]> block(new uint8_t[need]);
        ReadPcxFile("fuzz_input", block.get(), need);
    }
    std::unique_ptr<uint8_t[]> palette(new uint8_t[kPaletteBytes]);
    ReadPcxPalette("fuzz_input", palette.get());
    SetErrorCode(0);
    return 0;
}
