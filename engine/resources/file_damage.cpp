#include "engine/resources/file_damage.h"

#include <unistd.h>

#include <cstdio>

const char* const kEnglishDamageReasons[kDamageKinds] = {
    "is whole",
    "is missing or cannot be read",
    "is too short for a pool header",
    "is not a pool",
    "is not a picture pool",
    "is not a sound pool",
    "is too short for its index of %d chunks",
    "chunk %d lies past the end of the file",
    "chunk %d is not a picture",
    "chunk %d: the picture's sizes do not fit its data",
    "chunk %d: the picture data end early",
    "chunk %d: the picture data run past the picture",
    "chunk %d is not a WAV sound",
    "chunk %d: the sound data end early",
    "is not a WAV sound",
    "the sound data end early",
    "is not a font",
    "ends before its glyphs",
    "cannot be opened as a movie",
    "its first pictures cannot be decoded",
    "has no chunk %d",
};

std::string DescribeDamage(const FileDamage& damage, const char* const* reasons) {
    const int kind = static_cast<int>(damage.what);
    const char* format = kind >= 0 && kind < kDamageKinds ? reasons[kind] : "?";
    char reason[256];
    // Formats without a number simply leave it unused.
    std::snprintf(reason, sizeof reason, format, damage.chunk);
    return damage.file + ": " + reason;
}

std::string OpenFilePath(FileHandle handle) {
    if (!handle) return {};
    const int fd = fileno(handle);
    if (fd < 0) return {};
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length <= 0) return {};
    return std::string(path, static_cast<std::size_t>(length));
}
