// The game's window on the SDL face under a private X server (SDL's x11 driver, the software
// renderer on X's shared-memory images, so no OpenGL): its size in full screen and in a window,
// pointer positions in page pixels, window events as window messages, Alt+Enter, and how often
// pages reach the screen. Skipped where no Xvfb can be started.

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "engine/platform/window_messages.h"
#include "tests/platform/xvfb_server.h"

namespace {

using platform::SdlDisplay;
using platform::WindowEvent;

constexpr int kPageWidth = 640;
constexpr int kPageHeight = 480;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// Sets an environment variable for as long as it lives (null unsets it).
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            ::setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            ::unsetenv(name_.c_str());
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

class SdlWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server_ = new XvfbServer;
        if (!server_->start(&why_)) {
            delete server_;
            server_ = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete server_;
        server_ = nullptr;
    }

    void SetUp() override {
        if (!server_) GTEST_SKIP() << "no X server for the SDL window tests: " << why_;
        const std::string display = server_->display();
        env_.push_back(std::make_unique<ScopedEnv>("DISPLAY", display.c_str()));
        env_.push_back(std::make_unique<ScopedEnv>("SDL_VIDEODRIVER", "x11"));
        env_.push_back(std::make_unique<ScopedEnv>("SDL_AUDIODRIVER", "dummy"));
        env_.push_back(std::make_unique<ScopedEnv>("SDL_RENDER_DRIVER", "software"));
        env_.push_back(std::make_unique<ScopedEnv>("SDL_FRAMEBUFFER_ACCELERATION", "0"));
        env_.push_back(std::make_unique<ScopedEnv>("RAVEZ_VSYNC", nullptr));
        // SDL's video start connects to the session bus. Without one, libdbus tries to start
        // one for the X display (dbus-launch): a stray bus daemon where it is installed, and a
        // buffer the sanitizers' leak check reports where it is not. The tests need no bus.
        env_.push_back(std::make_unique<ScopedEnv>("DBUS_SESSION_BUS_ADDRESS", "disabled:"));
    }
    void TearDown() override {
        display_ = nullptr;
        face_.reset();
        env_.clear();
    }

    // The game's window and device on a 640 × 480 page, the way the game opens them.
    SdlDisplay& open(bool windowed) {
        face_.reset();
        platform::PlatformSettings settings;
        settings.windowed = windowed;
        face_ = platform::createSdlPlatform(settings);
        display_ = platform::sdlDisplayOf(*face_);
        EXPECT_TRUE(display_->createWindow("window test", kPageWidth, kPageHeight))
            << display_->lastError();
        EXPECT_EQ(display_->openDevice(), platform::kDisplayOk) << display_->lastError();
        EXPECT_EQ(display_->setMode(kPageWidth, kPageHeight, 16), platform::kDisplayOk);
        page_.assign(static_cast<std::size_t>(kPageWidth) * kPageHeight, 0xF800);
        present();
        drain();
        return *display_;
    }
    bool present() {
        return display_->present(page_.data(), kPageWidth, kPageHeight, kPageWidth,
                                 platform::PixelLayout::Rgb565);
    }
    // Whatever the window system has sent so far.
    void drain() {
        WindowEvent event;
        while (display_->pollEvent(&event)) {
        }
    }
    // The first message of this number that comes out after the event was pushed.
    std::optional<WindowEvent> messageAfter(SDL_Event event, uint32_t message) {
        drain();
        EXPECT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
        WindowEvent out;
        while (display_->pollEvent(&out)) {
            if (out.message == message) return out;
        }
        return std::nullopt;
    }
    Uint32 windowId() const { return SDL_GetWindowID(display_->window()); }

    static XvfbServer* server_;
    static std::string why_;
    std::vector<std::unique_ptr<ScopedEnv>> env_;
    std::unique_ptr<platform::Platform> face_;
    SdlDisplay* display_ = nullptr;
    std::vector<uint16_t> page_;
};

XvfbServer* SdlWindowTest::server_ = nullptr;
std::string SdlWindowTest::why_;

TEST_F(SdlWindowTest, FullScreenCoversTheScreenAndAWindowFitsThePage) {
    const struct {
        bool windowed;
        int width;
        int height;
        int pageX;  // where the page's top left corner lands
        int pageY;
    } kCases[] = {
        {false, kScreenWidth, kScreenHeight, (kScreenWidth - 640) / 2, (kScreenHeight - 480) / 2},
        {true, kPageWidth, kPageHeight, 0, 0},
    };
    for (const auto& c : kCases) {
        SdlDisplay& display = open(c.windowed);
        const Uint32 flags = SDL_GetWindowFlags(display.window());
        EXPECT_EQ((flags & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP,
                  !c.windowed);
        std::vector<uint16_t> shown;
        int width = 0;
        int height = 0;
        ASSERT_TRUE(display.readShownPixels(&shown, &width, &height)) << display.lastError();
        ASSERT_EQ(width, c.width) << c.windowed;
        ASSERT_EQ(height, c.height) << c.windowed;
        const auto at = [&](int x, int y) {
            return shown[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)];
        };
        EXPECT_EQ(at(c.pageX, c.pageY), 0xF800);
        EXPECT_EQ(at(c.pageX + 639, c.pageY + 479), 0xF800);
        if (!c.windowed) {
            EXPECT_EQ(at(c.pageX - 1, c.pageY), 0) << "the bar left of the page";
            EXPECT_EQ(at(c.pageX + 640, c.pageY + 479), 0) << "the bar right of the page";
            EXPECT_EQ(at(0, 0), 0);
        }
    }
}

TEST_F(SdlWindowTest, PointerPositionsComeOutInPagePixels) {
    const struct {
        bool windowed;
        int windowX;
        int windowY;
        int pageX;
        int pageY;
    } kCases[] = {
        // Full screen: the page at scale 1 in the middle of 1024 × 768, black bars around it.
        {false, 10, 10, 0, 0},  // the bars are clamped to the page's edge
        {false, 1000, 700, 639, 479}, {false, 150, 400, 0, 256},
        {false, 192, 144, 0, 0},  // the page's corners
        {false, 831, 623, 639, 479},  {false, 292, 344, 100, 200},
        {true, 0, 0, 0, 0},  // a window is the page
        {true, 100, 200, 100, 200},   {true, 639, 479, 639, 479},
    };
    std::optional<bool> opened;
    for (const auto& c : kCases) {
        if (opened != c.windowed) open(c.windowed);
        opened = c.windowed;
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.windowID = windowId();
        motion.motion.x = c.windowX;
        motion.motion.y = c.windowY;
        const std::optional<WindowEvent> moved = messageAfter(motion, platform::kWmMouseMove);
        ASSERT_TRUE(moved.has_value()) << c.windowX << "," << c.windowY;
        EXPECT_EQ(platform::PointParamX(moved->lParam), c.pageX) << c.windowX << "," << c.windowY;
        EXPECT_EQ(platform::PointParamY(moved->lParam), c.pageY) << c.windowX << "," << c.windowY;
    }
}

TEST_F(SdlWindowTest, FocusAndMinimisingBecomeWindowMessages) {
    const struct {
        SDL_WindowEventID sdl;
        uint32_t message;
        uintptr_t wParam;
    } kCases[] = {
        {SDL_WINDOWEVENT_FOCUS_LOST, platform::kWmActivateApp, 0},
        {SDL_WINDOWEVENT_FOCUS_GAINED, platform::kWmActivateApp, 1},
        {SDL_WINDOWEVENT_MINIMIZED, platform::kWmSize, platform::kSizeMinimized},
        {SDL_WINDOWEVENT_RESTORED, platform::kWmSize, platform::kSizeRestored},
    };
    open(false);
    for (const auto& c : kCases) {
        SDL_Event event{};
        event.type = SDL_WINDOWEVENT;
        event.window.windowID = windowId();
        event.window.event = static_cast<Uint8>(c.sdl);
        const std::optional<WindowEvent> out = messageAfter(event, c.message);
        ASSERT_TRUE(out.has_value()) << int{c.sdl};
        EXPECT_EQ(out->wParam, c.wParam) << int{c.sdl};
    }
}

TEST_F(SdlWindowTest, AltEnterTogglesFullScreenAndThePageIsShownAgain) {
    SdlDisplay& display = open(true);
    SDL_Event altEnter{};
    altEnter.type = SDL_KEYDOWN;
    altEnter.key.windowID = windowId();
    altEnter.key.state = SDL_PRESSED;
    altEnter.key.keysym.sym = SDLK_RETURN;
    altEnter.key.keysym.scancode = SDL_SCANCODE_RETURN;
    altEnter.key.keysym.mod = KMOD_LALT;
    for (const bool fullScreen : {true, false}) {
        EXPECT_FALSE(messageAfter(altEnter, platform::kWmKeyDown).has_value())
            << "the game never sees it";
        const Uint32 flags = SDL_GetWindowFlags(display.window());
        EXPECT_EQ((flags & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP,
                  fullScreen);
        const uint64_t presented = display.framesPresented();
        EXPECT_TRUE(present());
        EXPECT_EQ(display.framesPresented(), presented + 1) << "an unchanged page, shown again";
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(display.window(), &width, &height);
    EXPECT_EQ(width, kPageWidth);
    EXPECT_EQ(height, kPageHeight);
}

// What the options change is on the screen at the next present: the window's size, the full
// screen and the three scalings, one after another on the same window.
TEST_F(SdlWindowTest, APresentationChangeShowsAtTheNextPresent) {
    using platform::PageScaling;
    SdlDisplay& display = open(true);
    const struct {
        bool fullScreen;
        int windowWidth;
        int windowHeight;
        PageScaling scaling;
        int width;  // what is shown
        int height;
        int pageX;  // the page's top left corner and its size there
        int pageY;
        int pageW;
    } kCases[] = {
        {false, 1000, 600, PageScaling::IntegerSteps, 1000, 600, 180, 60, 640},
        {false, 1000, 600, PageScaling::Fit, 1000, 600, 100, 0, 800},
        {false, 1000, 600, PageScaling::Stretch, 1000, 600, 0, 0, 1000},
        {false, 960, 720, PageScaling::IntegerSteps, 960, 720, 160, 120, 640},
        {true, 960, 720, PageScaling::Fit, kScreenWidth, kScreenHeight, 0, 0, kScreenWidth},
        {true, 960, 720, PageScaling::IntegerSteps, kScreenWidth, kScreenHeight, 192, 144, 640},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.fullScreen << " " << c.windowWidth << "x"
                                        << c.windowHeight << " " << static_cast<int>(c.scaling));
        platform::Presentation p = display.presentation();
        p.fullScreen = c.fullScreen;
        p.windowWidth = c.windowWidth;
        p.windowHeight = c.windowHeight;
        p.scaling = c.scaling;
        display.setPresentation(p);
        std::vector<uint16_t> shown;
        int width = 0;
        int height = 0;
        // The window system takes a moment to give the window its new size.
        for (int tries = 0; tries < 100 && (width != c.width || height != c.height); ++tries) {
            drain();
            page_[0] ^= 1;  // a changed page, so that it is presented again
            present();
            ASSERT_TRUE(display.readShownPixels(&shown, &width, &height)) << display.lastError();
            if (width != c.width || height != c.height) SDL_Delay(10);
        }
        ASSERT_EQ(width, c.width);
        ASSERT_EQ(height, c.height);
        const auto at = [&](int x, int y) {
            return shown[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                         static_cast<std::size_t>(x)];
        };
        const int pageH = c.scaling == PageScaling::Stretch ? c.height : c.pageW * 3 / 4;
        EXPECT_EQ(at(c.pageX + 2, c.pageY + 2), 0xF800);
        EXPECT_EQ(at(c.pageX + c.pageW - 1, c.pageY + pageH - 1), 0xF800);
        if (c.pageX > 0) {
            EXPECT_EQ(at(c.pageX - 1, c.pageY + 10), 0) << "the bar to the left";
        }
        if (c.pageY > 0) {
            EXPECT_EQ(at(c.pageX + 10, c.pageY - 1), 0) << "the bar above";
        }
    }
}

// How many pages a second reach the screen when the game presents as fast as it can, with no
// vsync at all and with vsync asked for from a renderer that ignores it.
TEST_F(SdlWindowTest, PagesNeverReachTheScreenFasterThanItRefreshes) {
    const struct {
        const char* what;
        const char* vsync;  // RAVEZ_VSYNC
    } kCases[] = {
        {"RAVEZ_VSYNC=0", "0"},
        {"vsync asked for, ignored by the renderer", nullptr},
    };
    for (const auto& c : kCases) {
        ScopedEnv vsync("RAVEZ_VSYNC", c.vsync);
        SdlDisplay& display = open(true);
        // Long enough for the pacer to find out that the presents do not wait.
        for (int i = 0; i < platform::FramePacer::kProbePresents + 2; ++i) {
            page_[static_cast<std::size_t>(i)] ^= 0xFFFF;
            present();
        }
        EXPECT_FALSE(display.pacer().vsyncInEffect()) << c.what;
        const double refreshHz = 1e6 / static_cast<double>(display.pacer().periodUs());
        constexpr int kFrames = 15;
        // Calls of present() per second over kFrames calls; each changes the page first when
        // `change` is set.
        const auto rate = [&](bool change, bool expectShown) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < kFrames; ++i) {
                if (change) page_[static_cast<std::size_t>(i)] ^= 0xFFFF;
                EXPECT_EQ(present(), expectShown);
            }
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            return kFrames / took.count();
        };
        // Each call may wait a whole period, the first one included.
        const double limit = refreshHz * kFrames / (kFrames - 1) * 1.05;
        drain();
        uint64_t presented = display.framesPresented();
        const double changing = rate(true, true);
        EXPECT_LE(changing, limit) << c.what;
        EXPECT_EQ(display.framesPresented(), presented + kFrames) << c.what;
        RecordProperty(std::string("changing pages per second, ") + c.what,
                       std::to_string(changing));

        presented = display.framesPresented();
        const uint64_t unchanged = display.framesUnchanged();
        const double same = rate(false, true);
        EXPECT_LE(same, limit) << c.what << ": unchanged frames wait their turn too";
        EXPECT_EQ(display.framesPresented(), presented) << c.what;
        EXPECT_EQ(display.framesUnchanged(), unchanged + kFrames) << c.what;
        RecordProperty(std::string("unchanged frames per second, ") + c.what, std::to_string(same));

        // A hidden window shows nothing, and its loop does not spin.
        SDL_HideWindow(display.window());
        const double hidden = rate(false, false);
        EXPECT_LE(hidden, limit) << c.what;
        EXPECT_EQ(display.framesPresented(), presented) << c.what;
        SDL_ShowWindow(display.window());
        EXPECT_TRUE(present());
        EXPECT_EQ(display.framesPresented(), presented + 1) << c.what << ": the same page again";
        RecordProperty(std::string("hidden frames per second, ") + c.what, std::to_string(hidden));
    }
}

}  // namespace
