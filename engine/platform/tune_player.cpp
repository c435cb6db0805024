#include "engine/platform/tune_player.h"

#include <cstdio>
#include <cstring>

namespace platform {

unsigned HeadlessTunePlayer::play(const std::string& path) {
    char header[12] = {};
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    const bool whole = std::fread(header, 1, sizeof header, file) == sizeof header;
    std::fclose(file);
    if (!whole || std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0)
        return 0;
    playing.insert(++next_);
    return next_;
}

}  // namespace platform
