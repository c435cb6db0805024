#include "game/app/program.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/audio/sound_manager.h"
#include "engine/display/normhi.h"
#include "engine/input/input.h"
#include "engine/memory/memory.h"
#include "engine/platform/headless_audio.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/message_box.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/sdl/sdl_audio.h"
#include "engine/platform/sdl/sdl_display.h"
#include "engine/platform/sdl/sdl_message_box.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/config.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/messages.h"
#include "engine/resources/pool/pool.h"
#include "engine/video/movie_player.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/app/main_loop.h"
#include "game/app/options.h"
#include "game/state/random.h"
#include "game/app/resolution.h"
#include "game/ui/runtime.h"
#include "game/app/script.h"
#include "game/scenes/scenes.h"
#include "texts/texts.h"

#ifndef RAVEZ_VERSION
#define RAVEZ_VERSION "0"
#endif
#ifndef RAVEZ_BUILD_DATA_DIR
#define RAVEZ_BUILD_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Ravez Lensquest";
bool gWindowDestroyed = false;

intptr_t OnMenuCommand(WindowHandle, uintptr_t, intptr_t) {
    return 0;
}

intptr_t OnDestroy(WindowHandle, uintptr_t, intptr_t) {
    gWindowDestroyed = true;
    return 0;
}

// Next to the program ("data", or an installed share folder), else the build's generated set.
std::string defaultDataDir(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0, ec);
    const fs::path dir = exe.parent_path();
    for (const fs::path& candidate :
         {dir / "data", dir / ".." / "share" / "ravez-lensquest", fs::path(RAVEZ_BUILD_DATA_DIR)}) {
        if (!candidate.empty() && fs::is_directory(candidate, ec)) return candidate.string();
    }
    return std::string();
}

struct Faces {
    std::unique_ptr<platform::HeadlessDisplay> headless;
    std::unique_ptr<platform::SdlDisplay> sdl;
    platform::VirtualPerformanceCounter clock;
    std::unique_ptr<platform::HeadlessAudioDevice> headlessAudio;
    std::unique_ptr<platform::SdlAudioDevice> sdlAudio;
    platform::HeadlessMessageBox headlessBoxes;
    platform::SdlMessageBox sdlBoxes;

    platform::DisplayBackend& backend() {
        if (headless) return *headless;
        return *sdl;
    }
};

void installFaces(Faces& faces, const Options& options) {
    Runtime& rt = runtime();
    if (options.headless) {
        faces.headless = std::make_unique<platform::HeadlessDisplay>();
        faces.headless->frameClock = &faces.clock;
        faces.headless->frameStep = static_cast<uint64_t>(options.frameMs) *
                                    (platform::VirtualPerformanceCounter::kFrequency / 1000);
        platform::setPerformanceCounter(&faces.clock);
        faces.headlessAudio = std::make_unique<platform::HeadlessAudioDevice>();
        if (!options.noSound) platform::setAudioDevice(faces.headlessAudio.get());
        platform::setMessageBoxService(&faces.headlessBoxes);
        rt.headless = faces.headless.get();
        rt.headlessAudio = faces.headlessAudio.get();
    } else {
        faces.sdl = std::make_unique<platform::SdlDisplay>(options.windowed);
        faces.sdlAudio = std::make_unique<platform::SdlAudioDevice>();
        if (!options.noSound) platform::setAudioDevice(faces.sdlAudio.get());
        platform::setMessageBoxService(&faces.sdlBoxes);
    }
}

void removeFaces() {
    platform::setMessageBoxService(nullptr);
    platform::setAudioDevice(nullptr);
    platform::setPerformanceCounter(nullptr);
    Runtime& rt = runtime();
    rt.headless = nullptr;
    rt.headlessAudio = nullptr;
    rt.script = nullptr;
}

}  // namespace

int gameMain(int argc, char** argv) {
    Options options;
    std::string error;
    if (!parseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), usageText());
        return 2;
    }
    if (options.help) {
        std::printf("%s %s (%s)\n%s", kTitle, RAVEZ_VERSION, txt::kLanguage, usageText());
        return 0;
    }
    if (options.version) {
        std::printf("%s %s (%s)\n", kTitle, RAVEZ_VERSION, txt::kLanguage);
        return 0;
    }
    ScriptDriver script;
    if (!options.script.empty() && !script.load(options.script)) {
        std::fprintf(stderr, "%s\n", script.error().c_str());
        return 2;
    }
    // Paths on the command line are taken from where the program was started.
    std::error_code ec;
    if (!options.dumpState.empty())
        options.dumpState = fs::absolute(options.dumpState, ec).string();
    std::string dataDir = options.dataDir.empty() ? defaultDataDir(argv[0])
                                                  : fs::absolute(options.dataDir, ec).string();
    const std::string workDir = chooseWorkDir(options);
    if (workDir.empty() || chdir(workDir.c_str()) != 0) {
        std::fprintf(stderr, "%s: no working directory for saves and photos\n", kTitle);
        return 1;
    }

    // The record is zero and the generator fresh when a program starts.
    std::memset(static_cast<void*>(&gameState()), 0, sizeof(GameState));
    setRandomState(1);
    startAlbumRun();
    startSavegameRun();

    Files().Startup();
    if (!dataDir.empty()) Files().SetSearchPath((dataDir + "/").c_str());
    Faces faces;
    installFaces(faces, options);
    Runtime& rt = runtime();
    rt.skipMovies = options.skipMovies;
    if (options.headless) {
        script.setInput(faces.headless.get());
        rt.script = &script;  // without a script file: nothing to play, the game ends at once
    }

    // The services, in their order.
    auto display = std::make_unique<NormalWin>(faces.backend());
    SetMemoryWarnings(0);
    installInputHandlers();
    auto movies = std::make_unique<MoviePlayer>(display.get());
    StartMessages();
    if (!Sound().Start(nullptr)) {
        // A machine without a sound device still plays, silently; the failure must not be
        // taken for a display failure when the window is checked next.
        if (!options.noSound) {
            const char* why = GetContextMessage();
            std::fprintf(stderr, "%s: playing without sound (%s)\n", kTitle, why ? why : "");
        }
        SetContextMessage(nullptr);
        SetErrorCode(0);
    }
    rt.display = display.get();
    rt.movies = movies.get();

    FrameValues& f = frameValues();
    ReadConfiguration(f.resolutionMode, f.detailMode);
    const Resolution size = resolutionFor(f.resolutionMode);
    int result = 0;
    if (!display->CreateGameWindow(kTitle, kTitle, size.width, size.height, 16, kBufferingQuad)) {
        std::fprintf(stderr, "%s: the window cannot be opened\n", kTitle);
        result = 1;
    } else {
        if (faces.sdl) faces.sdlBoxes.parent = faces.sdl->window();
        SetBoxOwner(display->GetWindow());
        f.perfFrequency = platform::performanceCounter().frequency();
        display->RegisterHandler(platform::kWmCommand, &OnMenuCommand);
        display->RegisterHandler(platform::kWmDestroy, &OnDestroy);
        display->PumpMessages();
        KeyRecord key;
        MouseRecord mouse;
        pollKeys(&key);
        pollMouse(&mouse);
        runMainLoop();
        if (!options.dumpState.empty() && !dumpGameState(options.dumpState)) {
            std::fprintf(stderr, "%s: cannot write %s\n", kTitle, options.dumpState.c_str());
            result = 1;
        }
        if (script.failed()) result = 3;
    }

    // The release, in reverse order.
    Sound().Shutdown();
    rt.movies = nullptr;
    movies.reset();
    display->ReleaseDirectDraw();
    ClosePools();
    MemShutdown();
    rt.display = nullptr;
    display.reset();
    Files().Shutdown();
    removeFaces();
    return result;
}
