#include "engine/base/dos_path.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

// The entry of a directory whose name equals the wanted one ignoring case.
std::optional<std::string> findIgnoringCase(const std::string& directory, std::string_view wanted) {
    DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (EqualsIgnoringCase(name, wanted) && (!best || name < *best)) best = std::string(name);
    }
    ::closedir(dir);
    return best;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

const char* ExtensionDot(const char* name) {
    const char* base = name;
    for (const char* p = name; *p; ++p) {
        if (*p == '\\' || *p == '/') base = p + 1;
    }
    return std::strchr(base, '.');
}

std::string ResolveDosPath(std::string_view name) {
    std::string path(name);
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    if (path.empty() || exists(path)) return path;

    // Walk the components; `resolved` is what has been matched so far.
    std::string resolved;
    std::size_t pos = 0;
    if (path[0] == '/') {
        resolved = "/";
        pos = 1;
    }
    bool matching = true;
    while (pos <= path.size()) {
        std::size_t end = path.find('/', pos);
        if (end == std::string::npos) end = path.size();
        const std::string_view component(path.data() + pos, end - pos);
        const bool last = end == path.size();

        std::string piece(component);
        if (matching && !component.empty() && component != "." && component != "..") {
            const std::string candidate = resolved + piece;
            if (!exists(candidate)) {
                if (auto match = findIgnoringCase(resolved, component)) {
                    piece = *match;
                } else {
                    matching = false;  // nothing below a missing directory can match
                }
            }
        }
        resolved += piece;
        if (!last) resolved += '/';
        pos = end + 1;
    }
    return resolved;
}
