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
#include "engine/resources/data_location.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool.h"
#include "engine/video/movie_player.h"
#include "game/app/bot.h"
#include "game/app/main_loop.h"
#include "game/app/options.h"
#include "game/app/recording.h"
#include "game/app/resolution.h"
#include "game/app/script.h"
#include "game/scenes/scenes.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/random.h"
#include "game/ui/runtime.h"
#include "texts/texts.h"

#ifndef RAVEZ_VERSION
#define RAVEZ_VERSION "0"
#endif

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Ravez Lensquest";
// Every data set holds the location pool.
constexpr const char* kDataSetMarker = "tgp\\location.tgp";
bool gWindowDestroyed = false;

intptr_t OnMenuCommand(WindowHandle, uintptr_t, intptr_t) {
    return 0;
}

intptr_t OnDestroy(WindowHandle, uintptr_t, intptr_t) {
    gWindowDestroyed = true;
    return 0;
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
        // The virtual clock moves at the start of every turn, so that the frame the main loop
        // measures (from the end of one present to the next) lasts --frame-ms.
        rt.virtualClock = &faces.clock;
        rt.virtualStep = static_cast<uint64_t>(options.frameMs) *
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
    rt.virtualClock = nullptr;
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
        const DataSetSearch data = FindDataSet(options.dataDir, kDataSetMarker);
        std::printf("data: %s\n", data.found.empty() ? "none found" : data.found.c_str());
        return 0;
    }
    ScriptDriver script;
    SessionReplay replay;
    const bool replaying = !options.script.empty() && isRecording(options.script);
    if (replaying) {
        if (!replay.load(options.script)) {
            std::fprintf(stderr, "%s\n", replay.error().c_str());
            return 2;
        }
        // A recording plays as it was made.
        options.skipMovies = options.skipMovies || replay.skipMovies();
    } else if (!options.script.empty() && !script.load(options.script)) {
        std::fprintf(stderr, "%s\n", script.error().c_str());
        return 2;
    }
    if (options.botDays > 0 && !options.script.empty()) {
        std::fprintf(stderr, "%s: --bot and --script do not go together\n%s", kTitle, usageText());
        return 2;
    }
    Bot bot(options.botDays, options.botSeed);
    // Paths on the command line are taken from where the program was started.
    std::error_code ec;
    if (!options.dumpState.empty())
        options.dumpState = fs::absolute(options.dumpState, ec).string();
    if (!options.record.empty()) options.record = fs::absolute(options.record, ec).string();
    const DataSetSearch data = FindDataSet(options.dataDir, kDataSetMarker);
    const std::string workDir = chooseWorkDir(options);
    if (workDir.empty() || chdir(workDir.c_str()) != 0) {
        std::fprintf(stderr, "%s: no working directory for saves and photos\n", kTitle);
        return 1;
    }
    // A working directory that holds a whole set (a portable copy) needs no other; a folder
    // the player named must hold one.
    if (data.found.empty() && (data.explicitChoice || !HoldsDataSet(workDir, kDataSetMarker))) {
        std::fprintf(stderr, "%s: %s\n", kTitle, NoDataSetMessage(data).c_str());
        return 1;
    }

    // The record is zero and the generator fresh when a program starts.
    std::memset(static_cast<void*>(&gameState()), 0, sizeof(GameState));
    setRandomState(1);
    startAlbumRun();
    startSavegameRun();

    Files().Startup();
    if (!data.found.empty()) Files().SetSearchPath((data.found + "/").c_str());
    // The shared files carry German words; another build reads its own pictures first.
    if (std::strcmp(txt::kLanguage, "de") != 0) Files().SetLanguageFolder(txt::kLanguage);
    Faces faces;
    installFaces(faces, options);
    // A recorded run counts in microseconds, the unit of the headless replay.
    platform::MicrosecondPerformanceCounter microseconds;
    if (!options.record.empty() && !options.headless)
        platform::setPerformanceCounter(&microseconds);
    Runtime& rt = runtime();
    // A replay sets the clock to each recorded turn itself.
    if (replaying) rt.virtualStep = 0;
    latchTurnCounter();
    rt.skipMovies = options.skipMovies;
    if (options.headless) {
        if (replaying) {
            replay.attach(faces.headless.get(), &faces.clock, turnCounter());
            rt.script = &replay;
        } else if (options.botDays > 0) {
            bot.setInput(faces.headless.get());
            rt.script = &bot;
        } else {
            script.setInput(faces.headless.get());
            rt.script = &script;  // without a script file: nothing to play, the game ends at once
        }
    }
    SessionRecorder recorder;
    if (!options.record.empty()) {
        if (!recorder.open(options.record, options.skipMovies, turnCounter())) {
            std::fprintf(stderr, "%s: cannot write %s\n", kTitle, options.record.c_str());
            removeFaces();
            Files().Shutdown();
            return 1;
        }
        if (replaying) recorder.setSource(&replay);
        rt.recorder = &recorder;
        setPollTap(&recorder);
    } else if (replaying) {
        setPollTap(&replay);
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
        if (script.failed() || replay.failed() || bot.failed()) result = 3;
    }
    setPollTap(nullptr);
    rt.recorder = nullptr;
    if (!options.record.empty() && !recorder.close()) {
        std::fprintf(stderr, "%s: the recording %s is incomplete\n", kTitle,
                     options.record.c_str());
        if (result == 0) result = 1;
    }

    // The release, in reverse order.
    Sound().Shutdown();
    rt.movies = nullptr;
    movies.reset();
    display->ReleaseDirectDraw();
    ClosePools();
    if (options.botDays > 0) {
        // What the run leaves behind must be nothing.
        std::printf("bot: %s, memory held %u bytes, files open %d\n", bot.summary().c_str(),
                    MemAllocatedBytes(), Files().OpenCount());
    }
    MemShutdown();
    rt.display = nullptr;
    display.reset();
    Files().Shutdown();
    removeFaces();
    return result;
}
