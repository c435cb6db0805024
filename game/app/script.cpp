#include "game/app/script.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/platform/headless_display.h"
#include "engine/platform/terminal.h"
#include "engine/platform/text_encoding.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/bmp.h"
#include "game/scenes/after_load.h"
#include "game/state/game_state.h"
#include "game/ui/hotspots.h"
#include "game/ui/screenshots.h"

namespace {

constexpr long kDefaultUntilFrames = 100000;

bool parseInt(const std::string& text, long* out) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return false;
    *out = value;
    return true;
}

// Splits a line into words; a word in double quotes may hold blanks.
bool splitWords(const std::string& line, std::vector<std::string>* words) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        if (line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) return false;
            words->push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r')
            ++end;
        words->push_back(line.substr(i, end - i));
        i = end;
    }
    return true;
}

int keyCodeOf(const std::string& name) {
    if (name == "esc") return platform::kVkEscape;
    if (name == "space") return platform::kVkSpace;
    if (name == "enter") return platform::kVkReturn;
    if (name == "backspace") return platform::kVkBack;
    if (name == "left") return platform::kVkLeft;
    if (name == "up") return platform::kVkUp;
    if (name == "right") return platform::kVkRight;
    if (name == "down") return platform::kVkDown;
    if (name.size() >= 2 && name[0] == 'f' && name[1] >= '1' && name[1] <= '9') {
        long n = 0;
        if (parseInt(name.substr(1), &n) && n >= 1 && n <= 12)
            return platform::kVkF1 + static_cast<int>(n) - 1;
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') return name[0] - 'a' + 'A';
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return name[0];
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return name[0];
    long code = 0;
    if (parseInt(name, &code) && code > 0 && code < 256) return static_cast<int>(code);
    return 0;
}

bool writeBytes(const std::string& path, const void* data, std::size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

bool captionMatches(const std::string& caption, const std::string& wanted) {
    return caption == wanted || platform::Cp437ToUtf8(caption) == wanted;
}

}  // namespace

bool dumpGameState(const std::string& path) {
    return writeBytes(path, &gameState(), sizeof(GameState));
}

bool loadGameStateImage(const std::string& path, std::string* why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *why = "cannot read the file";
        return false;
    }
    std::vector<char> image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (image.size() != sizeof(GameState)) {
        *why = "not a state record (" + std::to_string(image.size()) + " bytes)";
        return false;
    }
    // What the engine holds wins over the file: whether beach pictures are loaded.
    if (!putRecordImage(reinterpret_cast<const uint8_t*>(image.data()), gameState().beachLoaded)) {
        int32_t scene = 0;
        int32_t day = 0;
        std::memcpy(&scene, image.data() + offsetof(GameState, sceneId), sizeof scene);
        std::memcpy(&day, image.data() + offsetof(GameState, day), sizeof day);
        *why = "not a game (scene " + std::to_string(scene) + ", day " + std::to_string(day) + ")";
        return false;
    }
    return true;
}

// fileArgument: the first argument is a file name, to be taken from the starting directory.
struct ScriptDriver::Verb {
    const char* name;
    std::size_t minArgs;
    std::size_t maxArgs;
    bool fileArgument;
    bool (ScriptDriver::*run)(const Command&);
};

const ScriptDriver::Verb* ScriptDriver::findVerb(const std::string& name) {
    static constexpr Verb kVerbs[] = {
        {"move", 2, 2, false, &ScriptDriver::runMove},
        {"press", 0, 0, false, &ScriptDriver::runPress},
        {"release", 0, 0, false, &ScriptDriver::runRelease},
        {"click", 1, 2, false, &ScriptDriver::runClick},
        {"key", 1, 1, false, &ScriptDriver::runKey},
        {"frames", 1, 1, false, &ScriptDriver::runFrames},
        {"until-scene", 1, 2, false, &ScriptDriver::runUntilScene},
        {"expect-scene", 1, 1, false, &ScriptDriver::runExpectScene},
        {"screenshot", 1, 1, true, &ScriptDriver::runScreenshot},
        {"dump-state", 1, 1, true, &ScriptDriver::runDumpState},
        {"load-state", 1, 1, true, &ScriptDriver::runLoadState},
        {"focus-lost", 0, 0, false, &ScriptDriver::runWindowChange},
        {"focus-gained", 0, 0, false, &ScriptDriver::runWindowChange},
        {"minimise", 0, 0, false, &ScriptDriver::runWindowChange},
        {"restore", 0, 0, false, &ScriptDriver::runWindowChange},
    };
    for (const Verb& verb : kVerbs) {
        if (name == verb.name) return &verb;
    }
    return nullptr;
}

bool ScriptDriver::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error_ = "cannot read the script " + path;
        return false;
    }
    std::stringstream text;
    text << in.rdbuf();
    return loadText(text.str());
}

bool ScriptDriver::loadText(const std::string& text) {
    commands_.clear();
    next_ = 0;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        std::vector<std::string> words;
        if (!splitWords(line, &words)) {
            error_ = "line " + std::to_string(number) + ": unclosed quote: " + line;
            return false;
        }
        if (words.empty()) continue;
        Command c{findVerb(words[0]), {words.begin() + 1, words.end()}, number};
        if (!c.verb || c.args.size() < c.verb->minArgs || c.args.size() > c.verb->maxArgs) {
            error_ = "line " + std::to_string(number) + ": not a command: " + line;
            return false;
        }
        // File names are taken from where the program was started, before it moves into its
        // working directory.
        if (c.verb->fileArgument) {
            std::error_code ec;
            const std::filesystem::path path = std::filesystem::absolute(c.args[0], ec);
            if (!ec) c.args[0] = path.string();
        }
        commands_.push_back(std::move(c));
    }
    return true;
}

void ScriptDriver::fail(const Command& c, const std::string& why) {
    std::string line = c.verb->name;
    for (const std::string& arg : c.args) line += " " + arg;
    platform::printToStderr("script line %d: %s: %s\n", c.line, line.c_str(), why.c_str());
    failed_ = true;
    next_ = commands_.size();
    waitTurns_ = -1;
}

void ScriptDriver::clickAt(int x, int y) {
    // Pressed and released within one turn: the poll sees the button down for exactly this
    // frame, as it sees a quick click between two frames.
    // The next turn leaves the button up, so that a click right after it is a new click.
    input_->moveMouse(x, y);
    input_->pressButton(0);
    input_->releaseButton(0);
    idleTurn_ = true;
}

void ScriptDriver::feed() {
    if (!input_) return;
    if (idleTurn_) {
        idleTurn_ = false;
        return;
    }
    while (next_ < commands_.size()) {
        if (!step(commands_[next_])) return;
    }
    // Done (or failed): the program ends as it does on Esc.
    input_->pressKey(platform::kVkEscape);
    input_->releaseKey(platform::kVkEscape);
}

bool ScriptDriver::step(const Command& c) {
    return (this->*c.verb->run)(c);
}

bool ScriptDriver::number(const Command& c, std::size_t i, long* out) {
    if (i < c.args.size() && parseInt(c.args[i], out)) return true;
    fail(c, "not a number");
    return false;
}

bool ScriptDriver::runMove(const Command& c) {
    long x = 0;
    long y = 0;
    if (!number(c, 0, &x) || !number(c, 1, &y)) return true;
    input_->moveMouse(static_cast<int>(x), static_cast<int>(y));
    ++next_;
    return true;
}

bool ScriptDriver::runPress(const Command&) {
    input_->pressButton(0);
    ++next_;
    return false;
}

bool ScriptDriver::runRelease(const Command&) {
    input_->releaseButton(0);
    ++next_;
    return false;
}

bool ScriptDriver::runClick(const Command& c) {
    if (c.args.size() == 2) {
        long x = 0;
        long y = 0;
        if (!number(c, 0, &x) || !number(c, 1, &y)) return true;
        clickAt(static_cast<int>(x), static_cast<int>(y));
    } else {
        const DrawnHotspot* found = nullptr;
        for (const DrawnHotspot& h : lastFrameHotspots()) {
            if (captionMatches(h.caption, c.args[0])) found = &h;
        }
        if (!found) {
            fail(c, "no such hotspot in the last frame");
            return true;
        }
        clickAt(found->x + found->width / 2, found->y + found->height / 2);
    }
    ++next_;
    return false;
}

bool ScriptDriver::runKey(const Command& c) {
    // "ctrl+p": the key pressed and let go while Ctrl is held.
    std::string name = c.args[0];
    const bool ctrl = name.rfind("ctrl+", 0) == 0;
    if (ctrl) name = name.substr(5);
    const int code = keyCodeOf(name);
    if (code == 0) {
        fail(c, "unknown key");
        return true;
    }
    if (ctrl) input_->pressKey(platform::kVkControl);
    input_->pressKey(code);
    input_->releaseKey(code);
    if (ctrl) input_->releaseKey(platform::kVkControl);
    ++next_;
    return false;
}

bool ScriptDriver::runFrames(const Command& c) {
    if (waitTurns_ < 0) {
        long frames = 0;
        if (!number(c, 0, &frames)) return true;
        waitTurns_ = frames;
    }
    if (waitTurns_ > 0) {
        --waitTurns_;
        return false;
    }
    waitTurns_ = -1;
    ++next_;
    return true;
}

bool ScriptDriver::runUntilScene(const Command& c) {
    long scene = 0;
    if (!number(c, 0, &scene)) return true;
    if (waitTurns_ < 0) {
        waitTurns_ = kDefaultUntilFrames;
        if (c.args.size() > 1 && !number(c, 1, &waitTurns_)) return true;
    }
    if (gameState().sceneId == scene) {
        // The turn ends, so that the scene draws a frame before the next command looks
        // for its hotspots.
        waitTurns_ = -1;
        ++next_;
        return false;
    }
    if (waitTurns_ == 0) {
        fail(c, "scene is " + std::to_string(gameState().sceneId));
        return true;
    }
    --waitTurns_;
    return false;
}

bool ScriptDriver::runExpectScene(const Command& c) {
    long scene = 0;
    if (!number(c, 0, &scene)) return true;
    if (gameState().sceneId != scene) {
        fail(c, "scene is " + std::to_string(gameState().sceneId));
        return true;
    }
    ++next_;
    return true;
}

bool ScriptDriver::runScreenshot(const Command& c) {
    constexpr int kW = 640;
    constexpr int kH = 480;
    // The game's frame alone: the screenshot note is the player's, not the frame's.
    std::vector<uint16_t> shown = input_->shown;
    removeScreenNote(&shown, input_->shownWidth, input_->shownHeight);
    std::vector<uint16_t> pixels(kW * kH, 0);
    for (int y = 0; y < kH && y < input_->shownHeight; ++y) {
        for (int x = 0; x < kW && x < input_->shownWidth; ++x) {
            pixels[static_cast<std::size_t>(y * kW + x)] =
                shown[static_cast<std::size_t>(y) * input_->shownWidth + x];
        }
    }
    const std::vector<uint8_t> bmp = EncodeBmp24(pixels.data(), kW, kH);
    if (!writeBytes(c.args[0], bmp.data(), bmp.size())) {
        fail(c, "cannot write the file");
        return true;
    }
    ++next_;
    return true;
}

bool ScriptDriver::runDumpState(const Command& c) {
    if (!dumpGameState(c.args[0])) {
        fail(c, "cannot write the file");
        return true;
    }
    ++next_;
    return true;
}

bool ScriptDriver::runLoadState(const Command& c) {
    std::string why;
    if (!loadGameStateImage(c.args[0], &why)) {
        fail(c, why);
        return true;
    }
    ++next_;
    return true;
}

bool ScriptDriver::runWindowChange(const Command& c) {
    const std::string verb = c.verb->name;
    if (verb == "focus-lost" || verb == "focus-gained") {
        input_->activate(verb == "focus-gained");
    } else {
        input_->minimise(verb == "minimise");
    }
    // The window system tells the game between two of its turns.
    ++next_;
    return false;
}
