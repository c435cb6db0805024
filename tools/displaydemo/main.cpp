// displaydemo: opens the game's window through the display layer, draws text and boxes, and
// lets the software pointer follow the mouse. Esc ends it.
//
//   displaydemo [--windowed] [--mode N] [--frames N --shot FILE]
//
// --frames runs that many frames with the pointer moved along a circle by the program itself
// (for machines without a player), then writes what the window shows to FILE as a BMP.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/display/builtin_font.h"
#include "engine/display/normhi.h"
#include "engine/display/screenshot.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/input/input.h"
#include "engine/input/pointer.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/bmp.h"

namespace {

constexpr int kModes[7][2] = {{320, 240},  {512, 384},   {640, 480},  {800, 600},
                              {1024, 768}, {1280, 1024}, {1600, 1200}};

constexpr uint16_t Rgb(int r, int g, int b) {
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

// A 12 × 19 arrow: white with a black rim, 0 around it.
std::vector<uint16_t> MakeArrow() {
    static const char* rows[] = {
        "X...........", "XX..........", "XWX.........", "XWWX........", "XWWWX.......",
        "XWWWWX......", "XWWWWWX.....", "XWWWWWWX....", "XWWWWWWWX...", "XWWWWWWWWX..",
        "XWWWWWWWWWX.", "XWWWWWWXXXXX", "XWWWXWWX....", "XWWXXWWX....", "XWX..XWWX...",
        "XX...XWWX...", "X.....XWWX..", "......XWWX..", ".......XX...",
    };
    std::vector<uint16_t> arrow{12, 19};
    for (const char* row : rows) {
        for (int x = 0; x < 12; ++x) {
            arrow.push_back(row[x] == 'X' ? Rgb(8, 8, 8) : row[x] == 'W' ? 0xFFFF : 0);
        }
    }
    return arrow;
}

void DrawScene(int frame, const MouseRecord& mouse, int fps) {
    // A sky-to-sea gradient over the game's 640 × 480 area.
    for (int y = 0; y < 480; y += 4) {
        const int t = y * 255 / 479;
        FillBox(0, y, 639, y + 4, Rgb(40 + t / 4, 90 + t / 3, 200 - t / 3));
    }
    FillBox(40, 40, 600, 120, Rgb(250, 230, 170));
    DrawRect(40, 40, 600, 120, Rgb(120, 60, 20));
    DrawRect(38, 38, 602, 122, Rgb(20, 20, 20));
    PrintText(56, 52, Rgb(120, 40, 20), 0xFFFF, "Ravez Lensquest - display demo");
    PrintText(56, 72, 0, 0xFFFF,
              "Gr\x81\xE1"
              "e von der Insel: \x84 \x94 \x81 \x8E \x99 \x9A \xE1");
    PrintText(56, 92, Rgb(30, 30, 120), 0xFFFF, "Frame %6lu   %3d fps",
              static_cast<unsigned long>(frame), fps);

    // Three boxes, the middle one lit while the left button is down.
    for (int i = 0; i < 3; ++i) {
        const int x0 = 80 + i * 170;
        const bool over = mouse.x >= x0 && mouse.x <= x0 + 140 && mouse.y >= 180 && mouse.y <= 260;
        const uint16_t fill =
            over ? (mouse.left ? Rgb(255, 80, 80) : Rgb(255, 200, 60)) : Rgb(60, 160, 90);
        FillBox(x0, 180, x0 + 140, 261, fill);
        DrawRect(x0, 180, x0 + 140, 260, 0xFFFF);
        PrintText(x0 + 30, 216, 0, 0xFFFF, "Box %d", i + 1);
    }
    FillBox(40, 300, 600, 420, Rgb(10, 20, 40));
    PrintText(56, 312, Rgb(160, 255, 160), Rgb(10, 20, 40),
              "Maus: %3d,%3d  links %3d  rechts %3d\nEsc beendet, Alt+Enter: Fenster/Vollbild",
              mouse.x, mouse.y, mouse.left, mouse.right);
    for (int c = 0; c < 32; ++c) {
        PrintText(56 + c * 16, 360, 0xFFFF, Rgb(10, 20, 40), "%s",
                  std::string(1, static_cast<char>(0xB0 + c)).c_str());
    }
    DrawLine(56, 400, 56 + (frame * 4) % 500, 380, Rgb(255, 255, 0));
}

bool WriteWindowShot(platform::DisplayBackend& display, const char* path) {
    std::vector<uint16_t> pixels;
    int width = 0;
    int height = 0;
    if (!display.readShownPixels(&pixels, &width, &height)) {
        std::fprintf(stderr, "displaydemo: cannot read the window: %s\n",
                     display.lastError().c_str());
        return false;
    }
    const std::vector<uint8_t> bmp = EncodeBmp24(pixels.data(), width, height);
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool ok = std::fwrite(bmp.data(), 1, bmp.size(), file) == bmp.size();
    std::fclose(file);
    std::printf("displaydemo: window %d x %d written to %s\n", width, height, path);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    bool windowed = false;
    int mode = 2;
    long frames = -1;
    const char* shot = nullptr;
    constexpr const char* kUsage =
        "usage: displaydemo [--windowed] [--mode 0..6] [--frames N --shot FILE] [--help]\n"
        "Shows the engine's drawing primitives in the game's display modes.\n";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("%s", kUsage);
            return 0;
        }
        if (std::strcmp(argv[i], "--windowed") == 0) {
            windowed = true;
        } else if (std::strcmp(argv[i], "--mode") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const long value = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || value < 0 || value > 6) {
                std::fprintf(stderr, "displaydemo: --mode needs 0..6\n%s", kUsage);
                return 2;
            }
            mode = static_cast<int>(value);
        } else if (std::strcmp(argv[i], "--frames") == 0 && i + 1 < argc) {
            char* end = nullptr;
            frames = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || frames < 0) {
                std::fprintf(stderr, "displaydemo: --frames needs a count\n%s", kUsage);
                return 2;
            }
        } else if (std::strcmp(argv[i], "--shot") == 0 && i + 1 < argc) {
            shot = argv[++i];
        } else {
            std::fprintf(stderr, "displaydemo: unknown option %s\n%s", argv[i], kUsage);
            return 2;
        }
    }

    platform::PlatformSettings settings;
    settings.windowed = windowed;
    const std::unique_ptr<platform::Platform> face = platform::createSdlPlatform(settings);
    face->install(false);
    platform::DisplayBackend& display = face->display();
    int result = 0;
    {
        NormalWin win(display);
        if (!win.CreateGameWindow("Ravez Lensquest", "Ravez Lensquest", kModes[mode][0],
                                  kModes[mode][1], 16, kBufferingQuad)) {
            std::fprintf(stderr, "displaydemo: no window (%s)\n", display.lastError().c_str());
            return 1;
        }
        std::printf("displaydemo: video driver %s, renderer %s\n", SDL_GetCurrentVideoDriver(),
                    platform::sdlDisplayOf(*face)->rendererName());
        // The display object starts with the built-in font at spacing 6 (narrow); the demo wants
        // whole cells, as a font installed by the game gets them.
        SetFont(BuiltinFontRecord());
        installInputHandlers();
        hideSystemPointer();
        const std::vector<uint16_t> arrow = MakeArrow();
        setPointerPicture(arrow.data(), arrow.size() * 2);
        const bool fifteen = win.DisplayPixelFormat() == 15;
        SetPixelFormat(16);

        const platform::PerformanceCounter& counter = platform::performanceCounter();
        uint64_t secondStart = counter.now();
        int framesThisSecond = 0;
        int fps = 0;
        KeyRecord key;
        MouseRecord mouse;
        for (long frame = 0; frames < 0 || frame < frames; ++frame) {
            if (frames >= 0) {
                const double angle = static_cast<double>(frame) * 0.05;
                setPointerPosition(320 + static_cast<int>(200 * std::cos(angle)),
                                   220 + static_cast<int>(40 * std::sin(angle)));
            }
            win.PumpMessages();
            if (win.QuitRequested() || !win.GetWindow()) break;
            pollKeys(&key);
            pollMouse(&mouse);
            if (key.key == platform::kVkEscape) break;

            DrawScene(static_cast<int>(frame), mouse, fps);
            showPointer();
            if (frames >= 0 && frame == frames - 1 && shot) SaveScreenshot("displaydemo-page.bmp");
            if (fifteen) {
                PresentPage15();
            } else {
                PresentPage();
            }
            hidePointer();

            ++framesThisSecond;
            const uint64_t now = counter.now();
            if (now - secondStart >= counter.frequency()) {
                fps = framesThisSecond;
                framesThisSecond = 0;
                secondStart = now;
            }
        }
        if (shot && !WriteWindowShot(display, shot)) result = 1;
        setPointerPicture(nullptr, 0);
    }
    return result;
}
