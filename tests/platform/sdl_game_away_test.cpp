// The whole game on the SDL face under a private X server: the window system's own events for
// a lost focus and a minimised window, pushed into SDL's queue, pause the game (nothing drawn,
// the engine's counter held) until the window is back. Skipped where no Xvfb can be started.

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/performance_counter.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "game/app/program.h"
#include "game/ui/away.h"
#include "tests/platform/xvfb_server.h"

namespace {

using Clock = std::chrono::steady_clock;

// One present as the game made it: when (wall clock) and what the engine's counter read.
struct Present {
    Clock::time_point wall;
    uint64_t engineTicks;
};

// What the tap saw; kept here since the face ends with the game.
std::vector<Present> gPresents;
uint64_t gEngineFrequency = 1;

// The SDL display with a tap on present(): it counts the game's presents and, at chosen
// presents, pushes window events into SDL's queue as the window system would.
class TappedDisplay final : public platform::DisplayBackend {
  public:
    explicit TappedDisplay(platform::DisplayBackend& inner) : inner_(inner) {}

    bool createWindow(const char* title, int w, int h) override {
        return inner_.createWindow(title, w, h);
    }
    void destroyWindow() override { inner_.destroyWindow(); }
    bool hasWindow() const override { return inner_.hasWindow(); }
    int32_t openDevice() override { return inner_.openDevice(); }
    int32_t setMode(int w, int h, int bits) override { return inner_.setMode(w, h, bits); }
    void closeDevice() override { inner_.closeDevice(); }
    bool present(const uint16_t* pixels, int width, int height, int pitch,
                 platform::PixelLayout layout) override {
        gPresents.push_back({Clock::now(), platform::performanceCounter().now()});
        gEngineFrequency = platform::performanceCounter().frequency();
        act(gPresents.size());
        return inner_.present(pixels, width, height, pitch, layout);
    }
    void toggleFullscreen() override { inner_.toggleFullscreen(); }
    void setPresentation(const platform::Presentation& p) override { inner_.setPresentation(p); }
    const platform::Presentation& presentation() const override { return inner_.presentation(); }
    void setPadPointerSpeed(int speed) override { inner_.setPadPointerSpeed(speed); }
    int listModes(platform::DisplayMode* out, int max) override {
        return inner_.listModes(out, max);
    }
    int pixelFormat() override { return inner_.pixelFormat(); }
    uint32_t lastSystemError() const override { return inner_.lastSystemError(); }
    const std::string& lastError() const override { return inner_.lastError(); }
    bool pollEvent(platform::WindowEvent* out) override { return inner_.pollEvent(out); }
    bool asyncKeyDown(int key) override { return inner_.asyncKeyDown(key); }
    bool capsLockOn() override { return inner_.capsLockOn(); }
    bool buttonsSwapped() override { return inner_.buttonsSwapped(); }
    void showSystemPointer(bool show) override { inner_.showSystemPointer(show); }
    void warpPointer(int x, int y) override { inner_.warpPointer(x, y); }
    bool readShownPixels(std::vector<uint16_t>* p, int* w, int* h) override {
        return inner_.readShownPixels(p, w, h);
    }
    bool createPopupWindow(const char* title, int x, int y, int w, int h) override {
        return inner_.createPopupWindow(title, x, y, w, h);
    }
    void showWindow() override { inner_.showWindow(); }
    void screenSize(int* w, int* h) override { inner_.screenSize(w, h); }
    void placeWindow(int x, int y, int w, int h) override { inner_.placeWindow(x, y, w, h); }
    void windowSize(int* w, int* h) override { inner_.windowSize(w, h); }
    bool waitEvent(platform::WindowEvent* out, int timeoutMs) override {
        return inner_.waitEvent(out, timeoutMs);
    }

  private:
    static void pushWindowEvent(Uint8 what) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.event = what;
        SDL_PushEvent(&event);
    }
    static Uint32 comeBack(Uint32, void* what) {
        pushWindowEvent(static_cast<Uint8>(reinterpret_cast<uintptr_t>(what)));
        return 0;
    }

    void act(std::size_t n) {
        constexpr Uint32 kAwayMs = 600;
        if (n == 20) {
            pushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
            SDL_AddTimer(kAwayMs, &comeBack,
                         reinterpret_cast<void*>(uintptr_t{SDL_WINDOWEVENT_FOCUS_GAINED}));
        } else if (n == 40) {
            pushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
            SDL_AddTimer(kAwayMs, &comeBack,
                         reinterpret_cast<void*>(uintptr_t{SDL_WINDOWEVENT_RESTORED}));
        } else if (n == 60) {
            SDL_Event key{};
            key.type = SDL_KEYDOWN;
            key.key.keysym.sym = SDLK_ESCAPE;
            key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
            SDL_PushEvent(&key);
        }
    }

    platform::DisplayBackend& inner_;
};

// The SDL face with the tapped display in front of its own.
class TappedPlatform final : public platform::Platform {
  public:
    explicit TappedPlatform(std::unique_ptr<platform::Platform> inner)
        : inner_(std::move(inner)), display_(inner_->display()) {}
    ~TappedPlatform() override { uninstall(); }

    platform::DisplayBackend& display() override { return display_; }
    platform::PerformanceCounter& counter() override { return inner_->counter(); }
    platform::AudioDevice& audio() override { return inner_->audio(); }
    platform::MessageBoxService& boxes() override { return inner_->boxes(); }
    platform::TunePlayer& tunes() override { return inner_->tunes(); }
    platform::ImageReader& images() override { return inner_->images(); }
    bool startProgram(const std::string& name) override { return inner_->startProgram(name); }

  private:
    std::unique_ptr<platform::Platform> inner_;
    TappedDisplay display_;
};

std::unique_ptr<platform::Platform> makeTappedFace(const platform::PlatformSettings& settings) {
    return std::make_unique<TappedPlatform>(platform::createSdlPlatform(settings));
}

// The longest wait between two presents from present `from` on (counted from 1), in seconds of the
// wall clock and of the engine's counter.
void longestWaitAfter(std::size_t from, double* wallSeconds, double* engineSeconds) {
    *wallSeconds = 0;
    *engineSeconds = 0;
    for (std::size_t i = from - 1; i + 1 < gPresents.size() && i < from + 10; ++i) {
        const double wall =
            std::chrono::duration<double>(gPresents[i + 1].wall - gPresents[i].wall).count();
        if (wall <= *wallSeconds) continue;
        *wallSeconds = wall;
        *engineSeconds =
            static_cast<double>(gPresents[i + 1].engineTicks - gPresents[i].engineTicks) /
            static_cast<double>(gEngineFrequency);
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

TEST(SdlGameAway, FocusLostAndMinimisedPauseTheGameUntilTheWindowIsBack) {
    // The X libraries SDL loads for the whole game (and unloads before the process ends) keep a
    // few allocations, which the leak check then reports without a name to suppress them by.
    // The game's own code on this path runs under the sanitizers in the headless tests.
    if (kUnderAddressSanitizer) {
        GTEST_SKIP() << "not under AddressSanitizer: the X libraries' own allocations";
    }
#if !defined(RAVEZ_DEFAULT_DATA)
    GTEST_SKIP() << "the generated data set is not part of this build";
#else
    XvfbServer server;
    std::string why;
    if (!server.start(&why)) GTEST_SKIP() << "no X server for the window: " << why;
    ::setenv("DISPLAY", server.display().c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ::setenv("SDL_RENDER_DRIVER", "software", 1);
    const std::filesystem::path work =
        std::filesystem::temp_directory_path() / ("sdl-game-away-" + std::to_string(::getpid()));
    std::filesystem::create_directories(work);
    std::vector<std::string> args = {"game_uk",     "--windowed", "--skip-movies",   "--workdir",
                                     work.string(), "--data",     RAVEZ_DEFAULT_DATA};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    const int code = gameMain(static_cast<int>(argv.size()), argv.data(), &makeTappedFace);
    std::filesystem::remove_all(work);
    ASSERT_EQ(code, 0);
    // Esc at the 60th present ended the game; the focus lost at the 20th and the minimising at
    // the 40th each paused it once, for the 0.6 s until the window came back.
    EXPECT_EQ(awayPauses(), 2);
    ASSERT_GE(gPresents.size(), 60u);
    for (std::size_t at : {20u, 40u}) {
        SCOPED_TRACE(at);
        double wall = 0;
        double engine = 0;
        longestWaitAfter(at, &wall, &engine);
        EXPECT_GT(wall, 0.5);
        EXPECT_LT(engine, 0.2);
    }
#endif
}

}  // namespace
