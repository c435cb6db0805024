// Feeds arbitrary bytes to the "config.cfg" reader.
#include <cstdint>
#include <cstdlib>

#include "engine/resources/config.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput("config.cfg", data, size)) std::abort();

    int resolution = 0;
    int detail = 0;
    ReadConfiguration(resolution, detail);
    return 0;
}
