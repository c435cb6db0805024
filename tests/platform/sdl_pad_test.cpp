// A game controller on the SDL face: a virtual controller (SDL's own, described as a standard
// game controller) on the dummy video driver, its sticks and buttons set by the test, and the
// window messages that come out of the display; then the launcher worked with it.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_platform.h"
#include "engine/platform/window_messages.h"
#include "launcher/launcher_window.h"
#include "tests/launcher/launcher_test_support.h"
#include "tests/support/test_env.h"

namespace {

using namespace platform;

class SdlPadTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        // The dummy driver's windows never have the keyboard focus, and SDL drops controller
        // input for a program without it.
        ::setenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1", 1);
        PlatformSettings settings;
        settings.windowed = true;
        face = createSdlPlatform(settings);
        display = sdlDisplayOf(*face);
    }
    void TearDown() override {
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        face.reset();
        ::unsetenv("SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS");
        EngineTest::TearDown();
    }

    // Plugs in a virtual controller with every standard button and axis; `takeEvents` hands
    // the display's events on until the display has opened it.
    template <typename TakeEvents>
    void plugIn(TakeEvents takeEvents) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        ASSERT_TRUE(SDL_IsGameController(device));
        for (int i = 0; i < 10 && display->padCount() == 0; ++i) takeEvents();
        ASSERT_EQ(display->padCount(), 1);
        joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
        ASSERT_NE(joystick, nullptr);
    }

    // Every event the display has now.
    std::vector<WindowEvent> drain() {
        std::vector<WindowEvent> events;
        WindowEvent event;
        while (events.size() < 1000 && display->pollEvent(&event)) events.push_back(event);
        return events;
    }
    static std::vector<WindowEvent> only(const std::vector<WindowEvent>& events, uint32_t message) {
        std::vector<WindowEvent> kept;
        for (const WindowEvent& e : events) {
            if (e.message == message) kept.push_back(e);
        }
        return kept;
    }
    // Polls until the pad has moved the pointer (the stick's speed needs time to add up to a
    // pixel); a bounded number of tries.
    WindowEvent nextPointerMove() {
        for (int tries = 0; tries < 200; ++tries) {
            const std::vector<WindowEvent> moves = only(drain(), kWmMouseMove);
            // The warp's own motion would say the same place again.
            for (std::size_t i = 1; i < moves.size(); ++i)
                EXPECT_NE(moves[i].lParam, moves[i - 1].lParam) << "the warp came back";
            if (!moves.empty()) return moves.back();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ADD_FAILURE() << "the pointer did not move";
        return {};
    }

    std::unique_ptr<Platform> face;
    SdlDisplay* display = nullptr;
    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(SdlPadTest, SticksAndButtonsArriveAsThePointerTheLeftButtonAndKeys) {
    ASSERT_TRUE(display->createWindow("pad", 640, 480));
    drain();
    plugIn([&] { drain(); });

    // The left stick moves the pointer from the middle of the page, and the system pointer
    // follows; the motion SDL reports for that warp does not come back as a message.
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    const WindowEvent moved = nextPointerMove();
    EXPECT_GT(PointParamX(moved.lParam), 320);
    EXPECT_EQ(PointParamY(moved.lParam), 240);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    const std::vector<WindowEvent> after = drain();
    EXPECT_TRUE(only(after, kWmMouseMove).empty());
    int mouseX = 0;
    int mouseY = 0;
    SDL_GetMouseState(&mouseX, &mouseY);
    EXPECT_EQ(mouseX, PointParamX(moved.lParam));
    EXPECT_EQ(mouseY, 240);

    // A real mouse takes the pointer back, and the pad carries on from where the mouse left it.
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = SDL_GetWindowID(display->window());
    motion.motion.x = 100;
    motion.motion.y = 100;
    SDL_PushEvent(&motion);
    const std::vector<WindowEvent> mouse = only(drain(), kWmMouseMove);
    ASSERT_EQ(mouse.size(), 1u);
    EXPECT_EQ(mouse[0].lParam, MakePointParam(100, 100));
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    const WindowEvent back = nextPointerMove();
    EXPECT_LT(PointParamX(back.lParam), 100);
    EXPECT_EQ(PointParamY(back.lParam), 100);
    SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, 0);
    drain();
    const intptr_t here = MakePointParam(PointParamX(back.lParam), 100);

    struct Row {
        const char* what;
        int button;  // or -1 for an axis
        int axis;
        int value;
        WindowEvent down, up;
        int heldKey;
    };
    const Row rows[] = {
        {"A",
         SDL_CONTROLLER_BUTTON_A,
         -1,
         1,
         {kWmLButtonDown, kMkLButton, here},
         {kWmLButtonUp, 0, here},
         kVkLButton},
        {"B",
         SDL_CONTROLLER_BUTTON_B,
         -1,
         1,
         {kWmKeyDown, kVkBack, 1},
         {kWmKeyUp, kVkBack, 1},
         kVkBack},
        {"Back",
         SDL_CONTROLLER_BUTTON_BACK,
         -1,
         1,
         {kWmKeyDown, kVkSpace, 1},
         {kWmKeyUp, kVkSpace, 1},
         kVkSpace},
        {"Start",
         SDL_CONTROLLER_BUTTON_START,
         -1,
         1,
         {kWmKeyDown, kVkF1 + 9, 1},
         {kWmKeyUp, kVkF1 + 9, 1},
         kVkF1 + 9},
        {"right stick right",
         -1,
         SDL_CONTROLLER_AXIS_RIGHTX,
         32767,
         {kWmKeyDown, kVkRight, 1},
         {kWmKeyUp, kVkRight, 1},
         kVkRight},
        {"right stick up",
         -1,
         SDL_CONTROLLER_AXIS_RIGHTY,
         -32768,
         {kWmKeyDown, kVkUp, 1},
         {kWmKeyUp, kVkUp, 1},
         kVkUp},
    };
    const auto same = [](const std::vector<WindowEvent>& events, const WindowEvent& wanted) {
        return events.size() == 1 && events[0].message == wanted.message &&
               events[0].wParam == wanted.wParam && events[0].lParam == wanted.lParam;
    };
    for (const Row& row : rows) {
        const auto set = [&](int value) {
            if (row.button >= 0)
                SDL_JoystickSetVirtualButton(joystick, row.button, static_cast<Uint8>(value));
            if (row.axis >= 0)
                SDL_JoystickSetVirtualAxis(joystick, row.axis, static_cast<Sint16>(value));
        };
        set(row.value);
        const std::vector<WindowEvent> pressed = drain();
        EXPECT_TRUE(same(pressed, row.down)) << row.what << ": " << pressed.size() << " events";
        EXPECT_TRUE(display->asyncKeyDown(row.heldKey)) << row.what;
        EXPECT_TRUE(drain().empty()) << row.what << ": held, nothing more";
        set(0);
        const std::vector<WindowEvent> released = drain();
        EXPECT_TRUE(same(released, row.up)) << row.what << ": " << released.size() << " events";
        EXPECT_FALSE(display->asyncKeyDown(row.heldKey)) << row.what;
        EXPECT_FALSE(display->asyncKeyDown(kVkEscape));
    }

    // A wait wakes for the pad, and one with nothing to wake it ends at its time.
    WindowEvent woken;
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 1);
    ASSERT_TRUE(display->waitEvent(&woken, 2000));
    EXPECT_EQ(woken.message, kWmKeyDown);
    EXPECT_EQ(woken.wParam, static_cast<uintptr_t>(kVkBack));
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_B, 0);
    ASSERT_TRUE(display->waitEvent(&woken, 2000));
    EXPECT_EQ(woken.message, kWmKeyUp);
    EXPECT_FALSE(display->waitEvent(&woken, 30));

    // Unplugged while A is held: the button is let go.
    SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, 1);
    drain();
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
    device = -1;
    const std::vector<WindowEvent> gone = drain();
    EXPECT_TRUE(same(gone, {kWmLButtonUp, 0, here}));
    EXPECT_EQ(display->padCount(), 0);
    EXPECT_FALSE(display->asyncKeyDown(kVkLButton));
}

TEST_F(SdlPadTest, TheLauncherIsWorkedWithTheDpadAAndB) {
    writeFile("IMAGES/BACK.BMP", SolidBmp(800, 600, 0x001F, 0x001F));
    writeFile("IMAGES/B1.BMP", SolidBmp(40, 46, 0x07E0, 0x07E0));
    writeFile("IMAGES/B2.BMP", SolidBmp(40, 46, 0xF800, 0xF800));
    writeFile("bin/game_uk", "#!/bin/sh\necho started >> game_uk.txt\n");
    ::chmod((dir / "bin" / "game_uk").string().c_str(), 0755);
    const char* path = std::getenv("PATH");
    const std::string savedPath = path ? path : "";
    ::setenv("PATH", ((dir / "bin").string() + ":" + savedPath).c_str(), 1);

    LauncherWindow host(*face);
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(&launcher, &host)) << host.lastError();
    plugIn([&] { host.handlePending(&launcher); });
    const auto press = [&](int button) {
        SDL_JoystickSetVirtualButton(joystick, button, 1);
        host.handlePending(&launcher);
        SDL_JoystickSetVirtualButton(joystick, button, 0);
        host.handlePending(&launcher);
    };
    press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    EXPECT_EQ(launcher.highlighted, 1);
    EXPECT_EQ(host.shownPixels()[800 * (49 + 20) + 128], kCaptionColor) << "the frame moved";
    press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_FALSE(launcher.ending);
    press(SDL_CONTROLLER_BUTTON_B);
    EXPECT_TRUE(launcher.ending);
    ::setenv("PATH", savedPath.c_str(), 1);

    std::string line;
    for (int tries = 0; tries < 500 && line.empty(); ++tries) {
        std::ifstream in("game_uk.txt");
        std::getline(in, line);
        if (line.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(line, "started");
    ReleaseLauncher(&launcher, &host);
}

}  // namespace
