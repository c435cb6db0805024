// PCX pictures from arbitrary bytes: the loaded-size query, the reader into a block of exactly
// that size (a separate heap allocation, so AddressSanitizer sees any write past it) and the
// palette reader.

#include <cstdint>
#include <cstdio>
#include <memory>

#include "engine/platform/message_box.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/messages.h"

namespace {

constexpr uint32_t kMaxBlock = 64u << 20;

bool Setup() {
    static platform::HeadlessMessageBox quiet;
    quiet.quiet = true;
    platform::setMessageBoxService(&quiet);
    Files().Startup();
    Files().SetMessageBoxes(0);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool ready = Setup();
    (void)ready;

    std::FILE* file = std::fopen("fuzz_input.pcx", "wb");
    if (!file) return 0;
    if (size) std::fwrite(data, 1, size, file);
    std::fclose(file);

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
