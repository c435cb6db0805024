#include "game/ui/options_rows.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "texts/texts.h"

namespace {

constexpr int kWindowSizes[][2] = {{640, 480}, {960, 720}, {1280, 960}, {1600, 1200}, {1920, 1440}};
constexpr int kFrameCaps[] = {30, 50, 60, 75, 100, 120, 144, 165, 240};

// Steps through a list: to the next entry above (or below) the value, wrapping round.
template <std::size_t N>
int stepIn(const int (&list)[N], int value, int direction) {
    if (direction > 0) {
        for (int entry : list)
            if (entry > value) return entry;
        return list[0];
    }
    for (std::size_t i = N; i-- > 0;)
        if (list[i] < value) return list[i];
    return list[N - 1];
}

int stepRange(int value, int direction, int low, int high) {
    return std::clamp(value + direction, low, high);
}

std::string formatted(const char* format, int a, int b = 0) {
    char line[96];
    std::snprintf(line, sizeof line, format, a, b);
    return line;
}

const char* onOff(bool on) {
    return on ? txt::kOptionOn : txt::kOptionOff;
}

// The window sizes in a round: as large as fits (-1), then the listed sizes. A size of the
// player's own (a dragged window, an edited file) steps to the listed size above or below it.
int windowSizeStep(const GameSettings& s, int direction) {
    const int count = static_cast<int>(std::size(kWindowSizes));
    int index = -2;
    if (s.windowWidth <= 0 || s.windowHeight <= 0) index = -1;
    for (int i = 0; i < count; ++i) {
        if (kWindowSizes[i][0] == s.windowWidth && kWindowSizes[i][1] == s.windowHeight) index = i;
    }
    if (index == -2) {
        if (direction > 0) {
            for (int i = 0; i < count; ++i)
                if (kWindowSizes[i][0] > s.windowWidth) return i;
            return -1;
        }
        for (int i = count - 1; i >= 0; --i)
            if (kWindowSizes[i][0] < s.windowWidth) return i;
        return -1;
    }
    // count + 1 places in the round, -1 among them.
    return (index + 1 + direction + count + 1) % (count + 1) - 1;
}

}  // namespace

const OptionRow kOptionRows[kOptionRowCount] = {
    {[](GameSettings& s, int) { s.fullScreen = !s.fullScreen; },
     [](const GameSettings& s) -> std::string {
         return s.fullScreen ? txt::kOptionFullScreen : txt::kOptionWindow;
     },
     0},
    {[](GameSettings& s, int direction) {
         const int i = windowSizeStep(s, direction);
         s.windowWidth = i < 0 ? 0 : kWindowSizes[i][0];
         s.windowHeight = i < 0 ? 0 : kWindowSizes[i][1];
     },
     [](const GameSettings& s) {
         if (s.windowWidth <= 0 || s.windowHeight <= 0) return std::string(txt::kOptionLargest);
         return formatted("%d x %d", s.windowWidth, s.windowHeight);
     },
     0},
    {[](GameSettings& s, int direction) {
         s.scaling = static_cast<Scaling>((static_cast<int>(s.scaling) + 3 + direction) % 3);
     },
     [](const GameSettings& s) -> std::string {
         return txt::kOptionScalings[std::clamp(static_cast<int>(s.scaling), 0, 2)];
     },
     0},
    {[](GameSettings& s, int) { s.vsync = !s.vsync; },
     [](const GameSettings& s) -> std::string { return onOff(s.vsync); }, 0},
    {[](GameSettings& s, int direction) { s.frameCap = stepIn(kFrameCaps, s.frameCap, direction); },
     [](const GameSettings& s) { return formatted(txt::kOptionPerSecond, s.frameCap); }, 0},
    {[](GameSettings& s, int direction) {
         s.musicVolume = stepRange(s.musicVolume, direction, 0, 10);
     },
     [](const GameSettings& s) { return formatted("%d", s.musicVolume); }, 1},
    {[](GameSettings& s, int direction) {
         s.effectsVolume = stepRange(s.effectsVolume, direction, 0, 10);
     },
     [](const GameSettings& s) { return formatted("%d", s.effectsVolume); }, 2},
    {[](GameSettings& s, int) { s.mute = !s.mute; },
     [](const GameSettings& s) -> std::string { return onOff(s.mute); }, 0},
    {[](GameSettings& s, int) { s.pauseWhenAway = !s.pauseWhenAway; },
     [](const GameSettings& s) -> std::string { return onOff(s.pauseWhenAway); }, 0},
    {[](GameSettings& s, int direction) {
         s.padPointerSpeed = stepRange(s.padPointerSpeed, direction, 1, 10);
     },
     [](const GameSettings& s) { return formatted("%d", s.padPointerSpeed); }, 0},
    {[](GameSettings& s, int direction) {
         s.resolutionMode = (std::clamp(s.resolutionMode, 0, 6) + 7 + direction) % 7;
     },
     [](const GameSettings& s) {
         static constexpr int kModes[7][2] = {{320, 240},  {512, 384},   {640, 480},  {800, 600},
                                              {1024, 768}, {1280, 1024}, {1600, 1200}};
         const int mode = std::clamp(s.resolutionMode, 0, 6);
         return formatted(txt::kOptionNextStart, kModes[mode][0], kModes[mode][1]);
     },
     0},
    {[](GameSettings& s, int) { s.detailMode = s.detailMode == 0 ? 1 : 0; },
     [](const GameSettings& s) -> std::string { return txt::kOptionDetails[s.detailMode != 0]; },
     0},
};
