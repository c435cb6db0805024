#include "tools/pooltool/tool_io.h"

#include <charconv>
#include <cstdio>

#include "engine/base/messages.h"
#include "engine/platform/terminal.h"
#include "engine/resources/file_manager.h"

bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& bytes) {
    FileHandle handle = Files().Open(name.c_str(), "rb");
    if (!handle) {
        SetContextMessage("input file could not be opened");
        return false;
    }
    const long length = Files().Length(handle);
    bool ok = length >= 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(length));
        ok = Files().Read(bytes.data(), 1, bytes.size(), handle) == bytes.size();
    }
    Files().Close(handle);
    if (!ok) {
        SetErrorCode(kErrRead);
        SetContextMessage("input file could not be read");
    }
    return ok;
}

bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    FileHandle handle = Files().Open(name.c_str(), "wb");
    if (!handle) {
        SetContextMessage("output file could not be created");
        return false;
    }
    bool ok = Files().Write(bytes.data(), 1, bytes.size(), handle) == bytes.size();
    ok = std::fflush(handle) == 0 && ok;
    Files().Close(handle);
    if (!ok) {
        Files().Remove(name.c_str());
        SetErrorCode(kErrWrite);
        SetContextMessage("output file could not be written");
    }
    return ok;
}

std::optional<long> ParseNumber(const std::string& text, long low, long high) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

int Failed(int16_t code, const char* context) {
    SetErrorCode(code);
    SetContextMessage(context);
    return kExitFailed;
}

namespace {

bool gFailureSaid = false;

}  // namespace

int FailedLine(const std::string& line) {
    platform::printToStderr("pooltool: %s\n", line.c_str());
    gFailureSaid = true;
    return kExitFailed;
}

bool FailureSaid() {
    return gFailureSaid;
}
