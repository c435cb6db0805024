#include "game/app/program.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/audio/sound_manager.h"
#include "engine/base/messages.h"
#include "engine/display/normhi.h"
#include "engine/input/input.h"
#include "engine/memory/memory.h"
#include "engine/platform/headless_platform.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/terminal.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/config.h"
#include "engine/resources/data_location.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/pool.h"
#include "engine/video/movie_log.h"
#include "engine/video/movie_player.h"
#include "game/app/bot.h"
#include "game/app/data_check.h"
#include "game/app/main_loop.h"
#include "game/app/options.h"
#include "game/app/recording.h"
#include "game/app/resolution.h"
#include "game/app/script.h"
#include "game/app/settings_file.h"
#include "game/app/settings_host.h"
#include "game/scenes/scenes.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/random.h"
#include "game/ui/away.h"
#include "game/ui/damage_report.h"
#include "game/ui/game_settings.h"
#include "game/ui/mute_key.h"
#include "game/ui/options_box.h"
#include "game/ui/runtime.h"
#include "game/ui/screenshots.h"
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

// Everything one run of the program holds, in the order the steps below make it.
struct Session {
    Options options;
    ScriptDriver script;
    SessionReplay replay;
    bool replaying = false;
    std::unique_ptr<Bot> bot;
    DataSetSearch data;
    std::unique_ptr<platform::Platform> face;
    SessionRecorder recorder;
    std::unique_ptr<NormalWin> display;
    std::unique_ptr<MoviePlayer> movies;
    std::unique_ptr<GameSettingsHost> settings;
};

// A step either lets the start go on or ends the program with an exit code.
constexpr int kGoOn = -1;

int readCommandLine(Session& s, int argc, char** argv) {
    Options& options = s.options;
    std::string error;
    if (!parseOptions(argc, argv, &options, &error)) {
        platform::printToStderr("%s\n%s", error.c_str(), usageText());
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
    return kGoOn;
}

// The script, the recording to replay or the bot: where a headless run's input comes from.
int loadPlayedInput(Session& s) {
    Options& options = s.options;
    s.replaying = !options.script.empty() && isRecording(options.script);
    if (s.replaying) {
        if (!s.replay.load(options.script)) {
            platform::printToStderr("%s\n", s.replay.error().c_str());
            return 2;
        }
        // A recording plays as it was made.
        options.skipMovies = options.skipMovies || s.replay.skipMovies();
    } else if (!options.script.empty() && !s.script.load(options.script)) {
        platform::printToStderr("%s\n", s.script.error().c_str());
        return 2;
    }
    if (options.botDays > 0 && !options.script.empty()) {
        platform::printToStderr("%s: --bot and --script do not go together\n%s", kTitle,
                                usageText());
        return 2;
    }
    s.bot = std::make_unique<Bot>(options.botDays, options.botSeed);
    return kGoOn;
}

// Finds the data set and moves into the working directory (saves, photos, configuration).
int enterWorkingDirectory(Session& s) {
    Options& options = s.options;
    // Paths on the command line are taken from where the program was started.
    std::error_code ec;
    if (!options.dumpState.empty())
        options.dumpState = fs::absolute(options.dumpState, ec).string();
    if (!options.record.empty()) options.record = fs::absolute(options.record, ec).string();
    s.data = FindDataSet(options.dataDir, kDataSetMarker);
    // A working directory named or found here keeps the player's settings beside config.cfg.
    const bool portable = !options.workDir.empty() || fs::exists("config.cfg", ec);
    const std::string workDir = chooseWorkDir(options);
    if (workDir.empty() || chdir(workDir.c_str()) != 0) {
        platform::printToStderr("%s: no working directory for saves and photos\n", kTitle);
        return 1;
    }
    const std::string here = fs::current_path(ec).string();
    s.settings = std::make_unique<GameSettingsHost>(settingsFilePath(portable, here),
                                                    (fs::path(here) / "config.cfg").string(), here);
    // A working directory that holds a whole set (a portable copy) needs no other; a folder
    // the player named must hold one.
    if (s.data.found.empty() && (s.data.explicitChoice || !HoldsDataSet(workDir, kDataSetMarker))) {
        platform::printToStderr("%s: %s\n", kTitle, NoDataSetMessage(s.data).c_str());
        return 1;
    }
    return kGoOn;
}

// The record is zero and the generator fresh when a program starts.
void startFreshGame() {
    clearGameState();
    setRandomState(1);
    startAlbumRun();
    startSavegameRun();
}

void openFiles(const Session& s) {
    Files().Startup();
    if (!s.data.found.empty()) Files().SetSearchPath((s.data.found + "/").c_str());
    // The shared files carry German words; another build reads its own pictures first.
    if (std::strcmp(txt::kLanguage, "de") != 0) Files().SetLanguageFolder(txt::kLanguage);
}

int makeFace(Session& s, platform::PlatformFactory windowFace) {
    const Options& options = s.options;
    if (options.headless) {
        s.face = platform::createHeadlessPlatform();
    } else if (windowFace) {
        platform::PlatformSettings settings;
        settings.windowed = !s.settings->settings().fullScreen;
        // A recorded run counts in microseconds, the unit of the headless replay.
        settings.microsecondCounter = !options.record.empty();
        settings.padPointerSpeed = s.settings->settings().padPointerSpeed;
        s.face = windowFace(settings);
    }
    if (!s.face) {
        platform::printToStderr("%s: this program has no window; use --headless\n", kTitle);
        return 1;
    }
    s.face->install(!options.noSound);
    Runtime& rt = runtime();
    rt.clock = s.face->engineCounter();
    if (platform::HeadlessPlatform* headless = s.face->headless()) {
        // The virtual clock moves at the start of every turn, so that the frame the main loop
        // measures (from the end of one present to the next) lasts --frame-ms.
        rt.virtualClock = &headless->clock();
        rt.virtualStep = static_cast<uint64_t>(options.frameMs) *
                         (platform::VirtualPerformanceCounter::kFrequency / 1000);
        rt.headless = &headless->headlessDisplay();
        rt.headlessAudio = &headless->headlessAudio();
    }
    return kGoOn;
}

void removeFace(Session& s) {
    Runtime& rt = runtime();
    rt.headless = nullptr;
    rt.headlessAudio = nullptr;
    rt.virtualClock = nullptr;
    rt.script = nullptr;
    rt.clock = nullptr;
    if (s.face) s.face->uninstall();
    s.face.reset();
}

// A headless run takes its turns from the recording, the bot or the script.
void attachPlayedInput(Session& s) {
    Runtime& rt = runtime();
    // A replay sets the clock to each recorded turn itself.
    if (s.replaying) rt.virtualStep = 0;
    latchTurnCounter();
    rt.skipMovies = s.options.skipMovies;
    platform::HeadlessPlatform* headless = s.face->headless();
    if (!headless) return;
    if (s.replaying) {
        s.replay.attach(&headless->headlessDisplay(), &headless->clock(), turnCounter());
        rt.script = &s.replay;
    } else if (s.options.botDays > 0) {
        s.bot->setInput(&headless->headlessDisplay());
        rt.script = s.bot.get();
    } else {
        s.script.setInput(&headless->headlessDisplay());
        rt.script = &s.script;  // without a script file: nothing to play, the game ends at once
    }
}

int openRecording(Session& s) {
    Runtime& rt = runtime();
    const Options& options = s.options;
    if (!options.record.empty()) {
        if (!s.recorder.open(options.record, options.skipMovies, turnCounter())) {
            platform::printToStderr("%s: cannot write %s\n", kTitle, options.record.c_str());
            return 1;
        }
        if (s.replaying) s.recorder.setSource(&s.replay);
        rt.recorder = &s.recorder;
        setPollTap(&s.recorder);
    } else if (s.replaying) {
        setPollTap(&s.replay);
    }
    return kGoOn;
}

int closeRecording(Session& s, int result) {
    setPollTap(nullptr);
    runtime().recorder = nullptr;
    if (!s.options.record.empty() && !s.recorder.close()) {
        platform::printToStderr("%s: the recording %s is incomplete\n", kTitle,
                                s.options.record.c_str());
        if (result == 0) result = 1;
    }
    return result;
}

// The services, in their order.
void startServices(Session& s) {
    s.display = std::make_unique<NormalWin>(s.face->display());
    SetMemoryWarnings(0);
    installInputHandlers();
    SetMovieLogVerbose(s.options.verbose);
    s.movies = std::make_unique<MoviePlayer>(s.display.get());
    StartMessages();
    if (!Sound().Start(nullptr)) {
        // A machine without a sound device still plays, silently; the failure must not be
        // taken for a display failure when the window is checked next.
        if (!s.options.noSound) {
            const char* why = GetContextMessage();
            platform::printToStderr("%s: playing without sound (%s)\n", kTitle, why ? why : "");
        }
        SetContextMessage(nullptr);
        SetErrorCode(0);
    }
    Runtime& rt = runtime();
    rt.display = s.display.get();
    rt.movies = s.movies.get();
    // The chain, first to see a message first: the options box (everything while it is open),
    // the away handlers (any key means the player is back), M and the screenshot keys, then the
    // input records.
    installScreenshotHandlers();
    installMuteKey();
    installAwayHandlers();
    installOptionsHandlers();
    s.settings->attachDisplay(&s.face->display());
    setSettingsHost(s.settings.get());
    s.settings->applyAll();
}

// Opens the window in the configured resolution and runs the main loop until the game ends.
int playGame(Session& s) {
    NormalWin& display = *s.display;
    FrameValues& f = frameValues();
    ReadConfiguration(f.resolutionMode, f.detailMode);
    const Resolution size = resolutionFor(f.resolutionMode);
    if (!display.CreateGameWindow(kTitle, kTitle, size.width, size.height, 16, kBufferingQuad)) {
        platform::printToStderr("%s: the window cannot be opened\n", kTitle);
        return 1;
    }
    SetBoxOwner(display.GetWindow());
    f.perfFrequency = platform::performanceCounter().frequency();
    display.RegisterHandler(platform::kWmCommand, &OnMenuCommand);
    display.RegisterHandler(platform::kWmDestroy, &OnDestroy);
    display.PumpMessages();
    KeyRecord key;
    MouseRecord mouse;
    pollKeys(&key);
    pollMouse(&mouse);
    installPictureDamageReport();
    // A location pool that cannot serve the menu would leave a black screen without a word.
    const bool started = checkLocationPool();
    if (started) runMainLoop();
    uninstallPictureDamageReport();
    if (!started) return 1;
    int result = 0;
    const std::string& dumpState = s.options.dumpState;
    if (!dumpState.empty() && !dumpGameState(dumpState)) {
        platform::printToStderr("%s: cannot write %s\n", kTitle, dumpState.c_str());
        result = 1;
    }
    if (s.script.failed() || s.replay.failed() || s.bot->failed()) result = 3;
    return result;
}

// The release, in reverse order.
void stopServices(Session& s) {
    Runtime& rt = runtime();
    Sound().Shutdown();
    rt.movies = nullptr;
    s.movies.reset();
    s.display->ReleaseDirectDraw();
    ClosePools();
    if (s.options.botDays > 0) {
        // What the run leaves behind must be nothing.
        std::printf("bot: %s, memory held %u bytes, files open %d\n", s.bot->summary().c_str(),
                    MemAllocatedBytes(), Files().OpenCount());
    }
    MemShutdown();
    removeOptionsHandlers();
    removeAwayHandlers();
    removeMuteKey();
    removeScreenshotHandlers();
    // What the player changed during the run (the M key, say) is kept for the next.
    if (s.settings->changedSinceSave()) s.settings->save();
    setSettingsHost(nullptr);
    s.settings->attachDisplay(nullptr);
    // The mixer outlives the run: another run in this process starts at the full level.
    Sound().Buffers().SetGroupLevel(SoundGroup::Music, kGroupLevelFull);
    Sound().Buffers().SetGroupLevel(SoundGroup::Effects, kGroupLevelFull);
    Sound().Buffers().SetMuted(false);
    rt.display = nullptr;
    s.display.reset();
}

}  // namespace

int gameMain(int argc, char** argv, platform::PlatformFactory windowFace) {
    Session s;
    int code = readCommandLine(s, argc, argv);
    if (code == kGoOn) code = loadPlayedInput(s);
    if (code == kGoOn) code = enterWorkingDirectory(s);
    if (code != kGoOn) return code;

    startFreshGame();
    openFiles(s);
    if (s.options.checkData) {
        SetMemoryWarnings(0);
        code = checkDataSet(stdout);
        Files().Shutdown();
        return code;
    }
    RunOverrides overrides;
    overrides.windowed = s.options.windowed;
    overrides.noPauseWhenAway = !s.options.pauseWhenAway;
    overrides.padSpeed = s.options.padSpeedGiven ? s.options.padSpeed : 0;
    s.settings->load(overrides);
    code = makeFace(s, windowFace);
    if (code == kGoOn) {
        attachPlayedInput(s);
        code = openRecording(s);
    }
    if (code == kGoOn) {
        startServices(s);
        code = closeRecording(s, playGame(s));
        stopServices(s);
    }
    Files().Shutdown();
    removeFace(s);
    return code;
}
