// Feeds arbitrary bytes to the "config.cfg" reader.
#include <cstdint>
#include <cstdio>

#include "engine/resources/config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen("config.cfg", "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    int resolution = 0;
    int detail = 0;
    ReadConfiguration(resolution, detail);
    return 0;
}
