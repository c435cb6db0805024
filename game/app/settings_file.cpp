#include "game/app/settings_file.h"

#include <fcntl.h>
#include <ini.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "engine/resources/config.h"
#include "game/app/options.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kFolderName = "ravez-lensquest";
constexpr const char* kFileName = "settings.ini";
// Far beyond any settings file: what lies past it is not read.
constexpr std::size_t kLargestFile = 64 * 1024;

constexpr int kFrameCapLowest = 20;
constexpr int kFrameCapHighest = 500;
constexpr int kWindowLargest = 16384;

// ---- values ---------------------------------------------------------------------------------

std::string trimmed(std::string text) {
    const auto blank = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(static_cast<unsigned char>(text.back()))) text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && blank(static_cast<unsigned char>(text[first]))) ++first;
    return text.substr(first);
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool parseBool(const std::string& text, bool* out) {
    const std::string v = lowered(text);
    if (v == "yes" || v == "on" || v == "true" || v == "1") {
        *out = true;
        return true;
    }
    if (v == "no" || v == "off" || v == "false" || v == "0") {
        *out = false;
        return true;
    }
    return false;
}

bool parseInt(const std::string& text, int lowest, int highest, int* out) {
    if (text.empty() || text.size() > 9) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < lowest || value > highest) return false;
    *out = static_cast<int>(value);
    return true;
}

const char* scalingName(Scaling scaling) {
    switch (scaling) {
        case Scaling::Fit:
            return "fit";
        case Scaling::Stretch:
            return "stretch";
        case Scaling::IntegerSteps:
            break;
    }
    return "integer";
}

bool parseScaling(const std::string& text, Scaling* out) {
    const std::string v = lowered(text);
    for (Scaling s : {Scaling::IntegerSteps, Scaling::Fit, Scaling::Stretch}) {
        if (v == scalingName(s)) {
            *out = s;
            return true;
        }
    }
    return false;
}

// ---- the keys -------------------------------------------------------------------------------

// One key of the file: where it is, what it may hold, how it is read and written.
struct Key {
    const char* section;
    const char* name;
    const char* comment;
    const char* allowed;  // for the message about a bad value
    bool (*read)(const std::string& text, GameSettings* s);
    std::string (*write)(const GameSettings& s);
    void (*reset)(GameSettings* s);  // back to the default
};

std::string yesNo(bool on) {
    return on ? "yes" : "no";
}

const GameSettings kDefaults{};

const Key kKeys[] = {
    {"display", "fullscreen", "yes: the whole screen; no: a window (Alt+Enter switches)",
     "yes or no",
     [](const std::string& t, GameSettings* s) { return parseBool(t, &s->fullScreen); },
     [](const GameSettings& s) { return yesNo(s.fullScreen); },
     [](GameSettings* s) { s->fullScreen = kDefaults.fullScreen; }},
    {"display", "window_width",
     "the window's inside in pixels, when not full screen; 0 and 0: as large as fits in whole "
     "steps",
     "0, or a width from 320 to 16384",
     [](const std::string& t, GameSettings* s) {
         return parseInt(t, 0, kWindowLargest, &s->windowWidth) &&
                (s->windowWidth == 0 || s->windowWidth >= 320);
     },
     [](const GameSettings& s) { return std::to_string(s.windowWidth); },
     [](GameSettings* s) { s->windowWidth = kDefaults.windowWidth; }},
    {"display", "window_height", nullptr, "0, or a height from 240 to 16384",
     [](const std::string& t, GameSettings* s) {
         return parseInt(t, 0, kWindowLargest, &s->windowHeight) &&
                (s->windowHeight == 0 || s->windowHeight >= 240);
     },
     [](const GameSettings& s) { return std::to_string(s.windowHeight); },
     [](GameSettings* s) { s->windowHeight = kDefaults.windowHeight; }},
    {"display", "scaling",
     "integer: whole steps, sharp pixels; fit: as large as fits; stretch: the whole screen",
     "integer, fit or stretch",
     [](const std::string& t, GameSettings* s) { return parseScaling(t, &s->scaling); },
     [](const GameSettings& s) { return std::string(scalingName(s.scaling)); },
     [](GameSettings* s) { s->scaling = kDefaults.scaling; }},
    {"display", "vsync", "yes: frames keep to the display's refresh", "yes or no",
     [](const std::string& t, GameSettings* s) { return parseBool(t, &s->vsync); },
     [](const GameSettings& s) { return yesNo(s.vsync); },
     [](GameSettings* s) { s->vsync = kDefaults.vsync; }},
    {"display", "frame_cap",
     "frames a second without vsync, 20 to 500 (never more than the display shows); 0: the "
     "display's rate",
     "0 or 20 to 500",
     [](const std::string& t, GameSettings* s) {
         int v = 0;
         if (!parseInt(t, 0, kFrameCapHighest, &v) || (v != 0 && v < kFrameCapLowest)) {
             return false;
         }
         s->frameCap = v;
         return true;
     },
     [](const GameSettings& s) { return std::to_string(s.frameCap); },
     [](GameSettings* s) { s->frameCap = kDefaults.frameCap; }},
    {"sound", "music", "the background tunes, 0 (off) to 10 (full)", "0 to 10",
     [](const std::string& t, GameSettings* s) { return parseInt(t, 0, 10, &s->musicVolume); },
     [](const GameSettings& s) { return std::to_string(s.musicVolume); },
     [](GameSettings* s) { s->musicVolume = kDefaults.musicVolume; }},
    {"sound", "effects", "clicks, the camera and the movies, 0 (off) to 10 (full)", "0 to 10",
     [](const std::string& t, GameSettings* s) { return parseInt(t, 0, 10, &s->effectsVolume); },
     [](const GameSettings& s) { return std::to_string(s.effectsVolume); },
     [](GameSettings* s) { s->effectsVolume = kDefaults.effectsVolume; }},
    {"sound", "mute", "yes: no sound at all (the M key switches it while playing)", "yes or no",
     [](const std::string& t, GameSettings* s) { return parseBool(t, &s->mute); },
     [](const GameSettings& s) { return yesNo(s.mute); },
     [](GameSettings* s) { s->mute = kDefaults.mute; }},
    {"controls", "pause_when_away",
     "yes: the game pauses while its window is without focus or minimised", "yes or no",
     [](const std::string& t, GameSettings* s) { return parseBool(t, &s->pauseWhenAway); },
     [](const GameSettings& s) { return yesNo(s.pauseWhenAway); },
     [](GameSettings* s) { s->pauseWhenAway = kDefaults.pauseWhenAway; }},
    {"controls", "pad_speed", "how fast a game controller's stick moves the pointer, 1 to 10",
     "1 to 10",
     [](const std::string& t, GameSettings* s) { return parseInt(t, 1, 10, &s->padPointerSpeed); },
     [](const GameSettings& s) { return std::to_string(s.padPointerSpeed); },
     [](GameSettings* s) { s->padPointerSpeed = kDefaults.padPointerSpeed; }},
};

// ---- reading --------------------------------------------------------------------------------

struct Reading {
    std::string path;
    std::string text;
    std::size_t offset = 0;
    int line = 0;                 // the file's line the last piece handed to inih began on
    bool pieceEndedLine = true;   // the last piece ended with a line break
    std::vector<int> pieceLines;  // inih's line count (a piece each) to the file's lines
    GameSettings settings;
    std::vector<std::string>* problems = nullptr;
};

// inih reads by lines of at most its own length; a longer line comes in pieces. The file's
// own line numbers are kept beside inih's count.
char* readPiece(char* out, int room, void* stream) {
    auto* r = static_cast<Reading*>(stream);
    if (r->offset >= r->text.size() || room < 2) return nullptr;
    std::size_t n = 0;
    while (n + 1 < static_cast<std::size_t>(room) && r->offset < r->text.size()) {
        const char c = r->text[r->offset++];
        out[n++] = c;
        if (c == '\n') break;
    }
    out[n] = '\0';
    if (r->pieceEndedLine) ++r->line;
    r->pieceEndedLine = out[n - 1] == '\n';
    r->pieceLines.push_back(r->line);
    return out;
}

void report(Reading& r, int line, const std::string& what) {
    r.problems->push_back(r.path + ":" + std::to_string(line) + ": " + what);
}

int takeKey(void* user, const char* section, const char* name, const char* value) {
    auto* r = static_cast<Reading*>(user);
    const std::string key = lowered(name);
    const std::string where = lowered(section);
    for (const Key& k : kKeys) {
        if (key != k.name || where != k.section) continue;
        const std::string text = trimmed(value);
        if (!k.read(text, &r->settings)) {
            k.reset(&r->settings);
            report(*r, r->line,
                   std::string("[") + k.section + "] " + k.name + " = \"" + text + "\" is not " +
                       k.allowed + "; " + k.write(r->settings) + " is used");
        }
        return 1;
    }
    report(*r, r->line,
           "unknown key \"" + std::string(name) + "\" in [" + section + "] (left alone)");
    return 1;
}

}  // namespace

std::string settingsFilePath(bool portable, const std::string& workDir) {
    if (portable) return (fs::path(workDir) / kFileName).string();
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        return (fs::path(xdg) / kFolderName / kFileName).string();
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return (fs::path(home) / ".config" / kFolderName / kFileName).string();
    }
    return std::string();
}

GameSettings readSettingsFile(const std::string& path, const GameSettings& base,
                              std::vector<std::string>* problems) {
    Reading r;
    r.path = path;
    r.problems = problems;
    r.settings = kDefaults;
    r.settings.resolutionMode = base.resolutionMode;
    r.settings.detailMode = base.detailMode;
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return r.settings;
    if (!fs::is_regular_file(path, ec)) {
        problems->push_back(path + ": is not a file; the defaults are used");
        return r.settings;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problems->push_back(path + ": cannot be read (" + std::strerror(errno) +
                            "); the defaults are used");
        return r.settings;
    }
    r.text.resize(kLargestFile + 1);
    in.read(r.text.data(), static_cast<std::streamsize>(r.text.size()));
    r.text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) {
        problems->push_back(path + ": cannot be read; the defaults are used");
        return r.settings;
    }
    if (r.text.size() > kLargestFile) {
        r.text.resize(kLargestFile);
        problems->push_back(path + ": longer than " + std::to_string(kLargestFile / 1024) +
                            " KB; the rest is not read");
    }
    const int firstBad = ini_parse_stream(&readPiece, &r, &takeKey, &r);
    if (firstBad > 0) {
        // inih names only the first line it could not make sense of.
        const auto piece = static_cast<std::size_t>(firstBad - 1);
        const int line = piece < r.pieceLines.size() ? r.pieceLines[piece] : firstBad;
        report(r, line, "not a setting (\"key = value\" or \"[section]\"); left alone");
    }
    return r.settings;
}

std::string settingsText(const GameSettings& settings) {
    std::ostringstream out;
    out << "; Ravez Lensquest settings. Lines starting with ; are comments.\n"
        << "; The display mode and the detailed backgrounds are kept in config.cfg.\n";
    const char* section = "";
    for (const Key& k : kKeys) {
        if (std::strcmp(section, k.section) != 0) {
            section = k.section;
            out << "\n[" << section << "]\n";
        }
        if (k.comment) out << "; " << k.comment << "\n";
        out << k.name << " = " << k.write(settings) << "\n";
    }
    return out.str();
}

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string* error) {
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const std::string temporary = path + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = path + ": cannot be written (" + std::strerror(errno) + ")";
        return false;
    }
    bool whole = true;
    std::size_t done = 0;
    while (whole && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) whole = false;
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    int why = whole ? 0 : errno;
    // Every byte on disk before the old file is given up.
    if (whole && ::fsync(fd) != 0) {
        whole = false;
        why = errno;
    }
    if (::close(fd) != 0 && whole) {
        whole = false;
        why = errno;
    }
    if (whole && std::rename(temporary.c_str(), path.c_str()) != 0) {
        whole = false;
        why = errno;
    }
    if (!whole) {
        ::unlink(temporary.c_str());
        *error = path + ": cannot be written (" + std::strerror(why) + ")";
    }
    return whole;
}

bool writeSettingsFile(const std::string& path, const GameSettings& settings, std::string* error) {
    if (path.empty()) {
        *error = "settings.ini: no folder for it (HOME is not set)";
        return false;
    }
    return writeFileAtomically(path, settingsText(settings), error);
}

std::string configWithModes(const std::string& contents, int resolutionMode, int detailMode) {
    // Records of 32 bytes, the value one digit after "key=": a record is rewritten in place,
    // padded as the file pads its records.
    const auto record = [](const std::string& text) {
        std::string r = text;
        r.resize(kConfigRecordBytes - 2, ' ');
        return r + "\r\n";
    };
    const std::string scr = record("scrmode=" + std::to_string(resolutionMode));
    const std::string detail = record("detailmode=" + std::to_string(detailMode));
    std::string out;
    bool scrDone = false;
    bool detailDone = false;
    std::size_t at = 0;
    bool ended = false;
    while (!ended && at + kConfigRecordBytes <= contents.size()) {
        const std::string r = contents.substr(at, kConfigRecordBytes);
        at += kConfigRecordBytes;
        if (r[0] != ';' && r.compare(0, 7, "scrmode") == 0) {
            out += scrDone ? r : scr;
            scrDone = true;
        } else if (r[0] != ';' && lowered(r.substr(0, 10)) == "detailmode") {
            out += detailDone ? r : detail;
            detailDone = true;
        } else if (r.compare(0, 3, "end") == 0) {
            at -= kConfigRecordBytes;
            ended = true;
        } else {
            out += r;
        }
    }
    // The end record and whatever follows it (often shorter than a record) stay as they were;
    // missing modes go before it.
    if (!scrDone) out += scr;
    if (!detailDone) out += detail;
    const std::string rest = contents.substr(std::min(at, contents.size()));
    out += rest;
    return out;
}

bool writeConfigModes(const std::string& path, int resolutionMode, int detailMode,
                      std::string* error) {
    std::string contents = defaultConfig();
    std::error_code ec;
    if (fs::exists(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            *error = path + ": cannot be read (" + std::strerror(errno) + ")";
            return false;
        }
        contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return writeFileAtomically(path, configWithModes(contents, resolutionMode, detailMode), error);
}
