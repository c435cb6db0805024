#include "game/app/recording.h"

#include <cinttypes>
#include <fstream>
#include <sstream>

#include "engine/platform/headless_display.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/terminal.h"
#include "engine/platform/window_messages.h"

namespace {

constexpr std::size_t kWriteBuffer = 1 << 16;

}  // namespace

bool isRecording(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string first;
    std::getline(in, first);
    if (!first.empty() && first.back() == '\r') first.pop_back();
    return first == kRecordingHeader;
}

SessionRecorder::~SessionRecorder() {
    close();
}

bool SessionRecorder::open(const std::string& path, bool skipMovies, uint64_t startCounter) {
    close();
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    std::setvbuf(file_, nullptr, _IOFBF, kWriteBuffer);
    failed_ = std::fprintf(file_, "%s\noptions%s\n", kRecordingHeader,
                           skipMovies ? " skip-movies" : "") < 0;
    lastTurn_ = startCounter;
    return !failed_;
}

bool SessionRecorder::close() {
    if (!file_) return !failed_;
    if (std::fclose(file_) != 0) failed_ = true;
    file_ = nullptr;
    return !failed_;
}

void SessionRecorder::turnStarted(uint64_t counter) {
    if (!file_) return;
    const uint64_t length = counter >= lastTurn_ ? counter - lastTurn_ : 0;
    lastTurn_ = counter;
    if (std::fprintf(file_, "t %" PRIu64 "\n", length) < 0) failed_ = true;
}

void SessionRecorder::windowGone() {
    if (file_ && std::fputs("end\n", file_) < 0) failed_ = true;
}

void SessionRecorder::keysPolled(KeyRecord* r) {
    if (source_) source_->keysPolled(r);
    if (!file_) return;
    if (std::fprintf(file_, "k %d %d %d %d %d\n", r->key, r->alt, r->shift, r->ctrl, r->capsLock) <
        0)
        failed_ = true;
}

void SessionRecorder::mousePolled(MouseRecord* r) {
    if (source_) source_->mousePolled(r);
    if (!file_) return;
    if (std::fprintf(file_, "m %d %d %d %d %d %d %d %d %d\n", r->x, r->y, r->left, r->middle,
                     r->right, r->doubleClick, r->dragging, r->dragStartX, r->dragStartY) < 0)
        failed_ = true;
}

bool SessionReplay::load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error_ = "cannot read the recording " + path;
        return false;
    }
    lines_.clear();
    next_ = 0;
    std::string text;
    int number = 0;
    bool header = false;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (number == 1) {
            header = text == kRecordingHeader;
            if (!header) break;
            continue;
        }
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        std::string kind;
        words >> kind;
        if (kind == "options") {
            std::string option;
            while (words >> option) {
                if (option == "skip-movies") {
                    skipMovies_ = true;
                } else {
                    error_ = "line " + std::to_string(number) + ": unknown option " + option;
                    return false;
                }
            }
            continue;
        }
        Line line;
        line.number = number;
        std::size_t count = 0;
        if (kind == "t") {
            count = 1;
        } else if (kind == "k") {
            count = 5;
        } else if (kind == "m") {
            count = 9;
        } else if (kind == "end") {
            count = 0;
        } else {
            error_ = "line " + std::to_string(number) + ": not a recording line: " + text;
            return false;
        }
        line.kind = kind[0];
        for (std::size_t i = 0; i < count; ++i) {
            if (!(words >> line.values[i]) || (kind == "t" && line.values[i] < 0)) {
                error_ = "line " + std::to_string(number) + ": bad number: " + text;
                return false;
            }
        }
        std::string rest;
        if (words >> rest) {
            error_ = "line " + std::to_string(number) + ": too many values: " + text;
            return false;
        }
        lines_.push_back(line);
    }
    if (!header) {
        error_ = path + " is not a recording";
        return false;
    }
    return true;
}

void SessionReplay::attach(platform::HeadlessDisplay* display,
                           platform::VirtualPerformanceCounter* counter, uint64_t startCounter) {
    display_ = display;
    counter_ = counter;
    lastTurn_ = startCounter;
}

void SessionReplay::stop(const std::string& why) {
    if (!why.empty()) {
        const int line = next_ < lines_.size() ? lines_[next_].number : 0;
        platform::printToStderr("recording line %d: %s\n", line, why.c_str());
        failed_ = true;
    }
    stopped_ = true;
}

const SessionReplay::Line* SessionReplay::take(char kind, const char* what) {
    if (stopped_) return nullptr;
    if (next_ >= lines_.size()) {
        // A recording that ends without the window closing ends as Esc ends the game.
        stop(kind == 't' ? "" : std::string("the recording ends before ") + what);
        return nullptr;
    }
    const Line& line = lines_[next_];
    if (line.kind != kind) {
        stop(std::string("out of step: the game took ") + what + " here");
        return nullptr;
    }
    ++next_;
    return &line;
}

void SessionReplay::feed() {
    if (const Line* turn = take('t', "a turn")) {
        const uint64_t due = lastTurn_ + static_cast<uint64_t>(turn->values[0]);
        lastTurn_ = due;
        if (counter_) {
            if (counter_->now() > due) {
                stop("out of step: the clock is past the recorded turn");
            } else {
                counter_->advance(due - counter_->now());
            }
        }
        // The window was closed during this turn's messages.
        if (!stopped_ && next_ < lines_.size() && lines_[next_].kind == 'e') {
            ++next_;
            stopped_ = true;
            if (display_) display_->closeWindow();
            return;
        }
    }
    if (stopped_ && display_) {
        display_->pressKey(platform::kVkEscape);
        display_->releaseKey(platform::kVkEscape);
    }
}

void SessionReplay::keysPolled(KeyRecord* record) {
    const Line* line = take('k', "a key poll");
    if (!line) return;
    record->key = static_cast<int32_t>(line->values[0]);
    record->alt = static_cast<int32_t>(line->values[1]);
    record->shift = static_cast<int32_t>(line->values[2]);
    record->ctrl = static_cast<int32_t>(line->values[3]);
    record->capsLock = static_cast<int32_t>(line->values[4]);
}

void SessionReplay::mousePolled(MouseRecord* record) {
    const Line* line = take('m', "a mouse poll");
    if (!line) return;
    int32_t* fields[9] = {&record->x,        &record->y,          &record->left,
                          &record->middle,   &record->right,      &record->doubleClick,
                          &record->dragging, &record->dragStartX, &record->dragStartY};
    for (int i = 0; i < 9; ++i) *fields[i] = static_cast<int32_t>(line->values[i]);
}
