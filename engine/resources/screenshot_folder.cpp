#include "engine/resources/screenshot_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kSubfolder = "Ravez Lensquest";
constexpr const char* kPrefix = "ravez-lensquest-";
constexpr const char* kSuffix = ".png";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// One value of user-dirs.dirs: a quoted path that starts with $HOME/ or is absolute, as the
// desktop's own tool writes it. Empty for anything else.
std::string UserDirValue(std::string value, const std::string& home) {
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return {};
    value = value.substr(1, value.size() - 2);
    if (value == "$HOME") return home;
    if (value.rfind("$HOME/", 0) == 0) return home.empty() ? std::string() : home + value.substr(5);
    if (!value.empty() && value.front() == '/') return value;
    return {};
}

std::string PicturesFromUserDirs(const std::string& home) {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/') {
        if (home.empty()) return {};
        config = home + "/.config";
    }
    std::ifstream in(config + "/user-dirs.dirs");
    std::string line;
    std::string found;
    // As the shell that sources the file would: the last assignment counts.
    while (std::getline(in, line)) {
        std::size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        static constexpr char kKey[] = "XDG_PICTURES_DIR=";
        if (line.compare(start, sizeof kKey - 1, kKey) != 0) continue;
        const std::string value = UserDirValue(line.substr(start + sizeof kKey - 1), home);
        if (!value.empty()) found = value;
    }
    return found;
}

// The number of a file named as our screenshots are; 0 for any other name.
int ScreenshotNumber(const std::string& name) {
    const std::size_t prefix = std::strlen(kPrefix);
    const std::size_t suffix = std::strlen(kSuffix);
    if (name.size() <= prefix + suffix || name.compare(0, prefix, kPrefix) != 0 ||
        name.compare(name.size() - suffix, suffix, kSuffix) != 0) {
        return 0;
    }
    const std::string digits = name.substr(prefix, name.size() - prefix - suffix);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::atoi(digits.c_str());
}

int HighestScreenshot(const std::string& folder) {
    int highest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        highest = std::max(highest, ScreenshotNumber(it->path().filename().string()));
    }
    return highest;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string PicturesFolder() {
    const std::string given = Environment("XDG_PICTURES_DIR");
    if (!given.empty() && given.front() == '/') return given;
    const std::string home = Environment("HOME");
    const std::string fromUserDirs = PicturesFromUserDirs(home);
    if (!fromUserDirs.empty()) return fromUserDirs;
    return home.empty() ? std::string() : home + "/Pictures";
}

std::string ScreenshotFolder() {
    const std::string pictures = PicturesFolder();
    return pictures.empty() ? std::string() : (fs::path(pictures) / kSubfolder).string();
}

std::string ScreenshotFileName(int n) {
    char name[48];
    std::snprintf(name, sizeof name, "%s%04d%s", kPrefix, n, kSuffix);
    return name;
}

std::string WriteNewScreenshotFile(const std::string& folder, const std::string& bytes,
                                   std::string* why) {
    if (folder.empty()) {
        *why = "no home folder";
        return {};
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        *why = ec.message();
        return {};
    }
    // The whole file is written under a temporary name and then linked to its own: a link
    // never replaces a file, and no half-written screenshot is ever seen under its name.
    std::string temporary = (fs::path(folder) / ".ravez-lensquest-XXXXXX").string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        *why = std::strerror(errno);
        return {};
    }
    // mkstemp makes the file private; a picture is read by the player's other programs.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    const bool written = WriteAll(fd, bytes);
    const int writeErrno = errno;
    if (::close(fd) != 0 || !written) {
        *why = std::strerror(written ? errno : writeErrno);
        ::unlink(temporary.c_str());
        return {};
    }
    std::string path;
    for (int n = HighestScreenshot(folder) + 1, tries = 0; tries < 1000; ++n, ++tries) {
        const std::string candidate = (fs::path(folder) / ScreenshotFileName(n)).string();
        if (::link(temporary.c_str(), candidate.c_str()) == 0) {
            path = candidate;
            break;
        }
        if (errno == EPERM || errno == EOPNOTSUPP || errno == ENOSYS) {
            // A file system without links (FAT on a stick): a new file made exclusively, then
            // written, never replaces one either.
            const int out =
                ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (out < 0 && errno == EEXIST) continue;
            const bool whole = out >= 0 && WriteAll(out, bytes);
            if (out >= 0 && ::close(out) == 0 && whole) {
                path = candidate;
            } else {
                *why = std::strerror(errno);
                if (out >= 0) ::unlink(candidate.c_str());
            }
            break;
        }
        if (errno != EEXIST) {
            *why = std::strerror(errno);
            break;
        }
    }
    if (path.empty() && why->empty()) *why = "no free file name";
    ::unlink(temporary.c_str());
    return path;
}
