#pragma once
// The game on the headless backend, set up around what a benchmark times.

#include <cstdint>
#include <memory>
#include <string>

#include "bench/scratch_dir.h"
#include "engine/base/messages.h"
#include "engine/display/builtin_font.h"
#include "engine/display/normhi.h"
#include "engine/display/text.h"
#include "engine/input/input.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/performance_counter.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "game/ui/runtime.h"

// The game in a scratch folder, as the program starts it but without a data set: a 640 × 480
// window on the headless backend and a virtual performance counter (advanced by frameStep at
// each present when that is not 0), the built-in font, the input handlers and the file
// manager. At the end the pools are closed, the cache emptied and the error code cleared.
class HeadlessGame {
    // Made first and gone last: the window, the files and the pools live in the folder.
    ScratchDir scratch_;

  public:
    explicit HeadlessGame(const std::string& scratchName, uint64_t frameStep = 0)
        : scratch_(scratchName) {
        platform::setPerformanceCounter(&clock);
        if (frameStep != 0) {
            backend.frameClock = &clock;
            backend.frameStep = frameStep;
        }
        win_ = std::make_unique<NormalWin>(backend);
        win_->CreateGameWindow("bench", "bench", 640, 480, 16, kBufferingQuad);
        SetFont(BuiltinFontRecord());
        installInputHandlers();
        Files().Startup();
        runtime().display = win_.get();
    }
    ~HeadlessGame() {
        runtime().display = nullptr;
        Pictures().ReleaseAll();
        ClosePools();
        Files().Shutdown();
        win_.reset();
        platform::setPerformanceCounter(nullptr);
        SetErrorCode(kErrNone);
    }
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    platform::VirtualPerformanceCounter clock;
    platform::HeadlessDisplay backend;

  private:
    std::unique_ptr<NormalWin> win_;
};
