#pragma once
// A display object on the headless backend with a virtual clock, for tests of drawing,
// presenting, messages and input. The window is opened by open().

#include <memory>

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/performance_counter.h"
#include "tests/support/test_env.h"

class DisplayTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        platform::setPerformanceCounter(&clock);
        win = std::make_unique<NormalWin>(backend);
    }
    void TearDown() override {
        win.reset();
        platform::setPerformanceCounter(nullptr);
        EngineTest::TearDown();
    }

    void open(int width = 640, int height = 480) {
        ASSERT_NE(win->CreateGameWindow("Ravez Lensquest", "Ravez Lensquest", width, height, 16,
                                        kBufferingQuad),
                  nullptr);
    }

    static uint16_t pixel(int x, int y) { return GetDrawTarget().Row(y)[x]; }
    static void setPixel(int x, int y, uint16_t c) { GetDrawTarget().Row(y)[x] = c; }
    // How many pixels of the DrawTarget have this colour.
    static int count(uint16_t colour) {
        const PageView page = GetDrawTarget();
        int n = 0;
        for (int y = 0; y < page.height; ++y) {
            for (int x = 0; x < page.width; ++x) n += page.Row(y)[x] == colour;
        }
        return n;
    }

    platform::HeadlessDisplay backend;
    platform::VirtualPerformanceCounter clock;
    std::unique_ptr<NormalWin> win;
};
