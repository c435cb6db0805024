#include "game/files/whole_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/base/dos_path.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"

namespace {

// The callers say what failed in their own boxes: a missing or unwritable file of the player's
// leaves the process-wide error code as it was.
class KeepErrorCode {
  public:
    KeepErrorCode() : code_(GetErrorCode()) {}
    ~KeepErrorCode() { SetErrorCode(code_); }
    KeepErrorCode(const KeepErrorCode&) = delete;
    KeepErrorCode& operator=(const KeepErrorCode&) = delete;

  private:
    int16_t code_;
};

}  // namespace

void temporaryNameFor(const char* name, char* out, std::size_t outSize) {
    std::snprintf(out, outSize, "%s.tmp", name);
}

bool writeWholeFile(const char* name, const void* data, std::size_t size) {
    const KeepErrorCode keep;
    char temporary[FileManager::kPathBytes + 8];
    temporaryNameFor(name, temporary, sizeof temporary);
    FileManager& files = Files();
    FileHandle file = files.Open(temporary, "wb");
    if (!file) return false;
    bool whole = size == 0 || files.Write(data, 1, size, file) == size;
    // Every byte must have reached the disk before the old file is given up: a full disk shows
    // in the flush at the latest.
    whole = std::fflush(file) == 0 && whole;
    whole = ::fsync(::fileno(file)) == 0 && whole;
    whole = !std::ferror(file) && whole;
    files.Close(file);
    if (whole && files.Rename(temporary, name) == 0) return true;
    files.Remove(temporary);
    return false;
}

ReadResult readWholeFile(const char* name, std::size_t limit, std::vector<uint8_t>* out) {
    const KeepErrorCode keep;
    out->clear();
    FileManager& files = Files();
    FileHandle file = files.Open(name, "rb");
    if (!file) return ReadResult::Missing;
    // Read in pieces up to one byte past the limit: what was really read decides, not a
    // length the file claims, and a small file never costs a large buffer.
    constexpr std::size_t kPiece = 64 * 1024;
    std::size_t got = 0;
    for (;;) {
        const std::size_t want = std::min(kPiece, limit + 1 - got);
        out->resize(got + want);
        const std::size_t n = files.Read(out->data() + got, 1, want, file);
        got += n;
        if (n < want || got > limit) break;
    }
    files.Close(file);
    if (got > limit) {
        out->resize(limit);
        return ReadResult::TooLarge;
    }
    out->resize(got);
    return ReadResult::Read;
}

void removeFileIfThere(const char* name) {
    const std::string path = ResolveDosPath(name);
    std::error_code error;
    const auto status = std::filesystem::symlink_status(path, error);
    if (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status)) {
        std::filesystem::remove(path, error);
    }
}

bool ensureFolder(const char* name) {
    const std::string path = ResolveDosPath(name);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return true;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}
