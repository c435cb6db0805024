#include "engine/video/movie_player.h"

#include <cmath>
#include <filesystem>

#include "engine/audio/sound_manager.h"
#include "engine/platform/headless_audio.h"
#include "engine/platform/window_messages.h"
#include "engine/base/messages.h"
#include "engine/video/movie_writer.h"
#include "tests/support/display_env.h"

namespace {

struct Rgb {
    uint8_t r, g, b;
};

// A movie of solid frames: the first half red, the second half blue, with a 440 Hz tone when
// it has sound.
void WriteMovie(const std::string& name, int width, int height, int fps, int frames,
                int audioRate = 0) {
    MovieLayout layout;
    layout.width = width;
    layout.height = height;
    layout.framesPerSecond = fps;
    layout.audioRate = audioRate;
    const std::filesystem::path folder = std::filesystem::path(name).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder);
    MovieWriter writer;
    ASSERT_EQ(writer.Open(name.c_str(), layout), 1);
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int f = 0; f < frames; ++f) {
        const Rgb c = f < frames / 2 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = c.r;
            rgb[i + 1] = c.g;
            rgb[i + 2] = c.b;
        }
        ASSERT_EQ(writer.AddFrameRgb24(rgb.data(), width * 3), 1);
        if (audioRate > 0) {
            const int n = audioRate / fps;
            std::vector<int16_t> tone(2 * static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                const double t = static_cast<double>(f * n + i) / audioRate;
                const auto v = static_cast<int16_t>(12000 * std::sin(2 * M_PI * 440 * t));
                tone[2 * i] = tone[2 * i + 1] = v;
            }
            ASSERT_EQ(writer.AddAudio(tone.data(), n), 1);
        }
    }
    EXPECT_EQ(writer.FramesWritten(), frames);
    ASSERT_EQ(writer.Close(), 1);
}

bool Reddish(uint16_t p) {
    return (p >> 11) >= 28 && ((p >> 5) & 0x3F) <= 8 && (p & 0x1F) <= 4;
}
bool Bluish(uint16_t p) {
    return (p >> 11) <= 4 && ((p >> 5) & 0x3F) <= 8 && (p & 0x1F) >= 28;
}

class MovieTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
        player = std::make_unique<MoviePlayer>(win.get());
    }
    void TearDown() override {
        player.reset();
        DisplayTest::TearDown();
    }
    static std::string context() { return GetContextMessage() ? GetContextMessage() : ""; }
    uint16_t shownPixel(int x, int y) const {
        return backend.shown[static_cast<std::size_t>(y) * backend.shownWidth + x];
    }

    std::unique_ptr<MoviePlayer> player;
};

TEST_F(MovieTest, InformationAndEveryFrameOfAWrittenMovie) {
    WriteMovie("movies/small.avi", 64, 48, 10, 12);
    ASSERT_EQ(player->Open("MOVIES\\small.avi", 0, MovieRect{0, 0, 640, 480}), 1);
    int w = 0, h = 0, hours = -1, minutes = -1, seconds = -1;
    long frames = 0;
    player->Information(&w, &h, &frames, &hours, &minutes, &seconds);
    EXPECT_EQ(w, 64);
    EXPECT_EQ(h, 48);
    EXPECT_EQ(frames, 12);
    EXPECT_EQ(hours, 0);
    EXPECT_EQ(minutes, 0);
    EXPECT_EQ(seconds, 1);
    EXPECT_EQ(Files().OpenCount(), 1);

    const uint64_t start = clock.now();
    const int presents = backend.presentCount;
    int rendered = 0;
    while (player->RenderFrame() == 1) {
        ++rendered;
        // Each frame reaches the screen scaled over the whole rectangle.
        const bool red = rendered <= 6;
        EXPECT_TRUE(red ? Reddish(shownPixel(320, 240)) : Bluish(shownPixel(320, 240)))
            << "frame " << rendered << " pixel " << std::hex << shownPixel(320, 240);
        EXPECT_TRUE(red ? Reddish(shownPixel(639, 479)) : Bluish(shownPixel(0, 0)));
    }
    EXPECT_EQ(rendered, 12);
    EXPECT_EQ(player->FramesDropped(), 0);
    EXPECT_EQ(backend.presentCount - presents, 12);
    // Shown at their times: eleven frame intervals of 100 ms between the first and the last.
    EXPECT_EQ(clock.now() - start, 1100000u);
    EXPECT_FALSE(player->IsRunning());
    EXPECT_EQ(player->RenderFrame(), 0);
    EXPECT_EQ(GetErrorCode(), kErrNone);
    player->Close();
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(MovieTest, DurationSplitsIntoHoursMinutesAndSeconds) {
    WriteMovie("long.avi", 16, 16, 1, 125);
    ASSERT_EQ(player->Open("long.avi", 1, MovieRect{}), 1);
    const MovieInfo info = player->Information();
    EXPECT_EQ(info.frames, 125);
    EXPECT_EQ(info.hours, 0);
    EXPECT_EQ(info.minutes, 2);
    EXPECT_EQ(info.seconds, 5);
}

TEST_F(MovieTest, TheRectangleIsDrawnAndNothingElse) {
    WriteMovie("r.avi", 32, 32, 25, 2);
    ClearPage(0x07E0);
    const MovieRect rect{100, 50, 164, 82};
    ASSERT_EQ(player->Open("r.avi", 0, rect), 1);
    ASSERT_EQ(player->RenderFrame(), 1);
    EXPECT_TRUE(Reddish(pixel(100, 50)));
    EXPECT_TRUE(Reddish(pixel(163, 81)));
    EXPECT_EQ(pixel(99, 50), 0x07E0);
    EXPECT_EQ(pixel(164, 81), 0x07E0);
    EXPECT_EQ(pixel(100, 82), 0x07E0);
    EXPECT_TRUE(Reddish(shownPixel(130, 60)));

    // A rectangle reaching past the page is clipped to it.
    ASSERT_EQ(player->Open("r.avi", 0, MovieRect{600, 460, 700, 520}), 1);
    ASSERT_EQ(player->RenderFrame(), 1);
    EXPECT_TRUE(Reddish(pixel(639, 479)));
    EXPECT_EQ(pixel(599, 479), 0x07E0);
}

TEST_F(MovieTest, AMissingMovieFailsAtOnceWithTheBox) {
    StartMessages();
    SetErrorCode(kErrGeneral);  // left over from elsewhere: not this movie's failure
    const uint64_t before = clock.now();
    EXPECT_EQ(player->Open("movies\\intro.avi", 1, MovieRect{}), 0);
    EXPECT_EQ(GetErrorCode(), kMovieErrorCode);
    EXPECT_EQ(clock.now(), before);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Fehler");
    EXPECT_EQ(boxes.shown[0].icon, platform::BoxIcon::Error);
    EXPECT_EQ(boxes.shown[0].text.rfind("Fehler beim Oeffnen der Datei\nGenaueres:\n", 0), 0u);
    EXPECT_FALSE(player->IsOpen());
    EXPECT_EQ(player->RenderFrame(), 0);

    // Not a movie at all; and with show errors off, no box.
    writeFile("movies/junk.avi", std::string(1000, 'x'));
    player->SetShowErrors(0);
    EXPECT_EQ(player->Open("movies\\junk.avi", 1, MovieRect{}), 0);
    EXPECT_EQ(GetErrorCode(), kMovieErrorCode);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(player->Play("movies\\intro.avi", 1, MovieRect{}), 0);
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(MovieTest, AMovieOnlyUnderTheSearchPathIsFound) {
    WriteMovie("data/movies/send.avi", 16, 16, 25, 3);
    EXPECT_EQ(player->Open("movies\\send.avi", 1, MovieRect{}), 0);
    Files().SetSearchPath("data\\");
    StartMessages();
    ASSERT_EQ(player->Open("movies\\send.avi", 1, MovieRect{}), 1);
    EXPECT_EQ(GetErrorCode(), kErrNone);
    EXPECT_EQ(player->Information().frames, 3);
}

TEST_F(MovieTest, ASlowMachineDropsFramesInsteadOfDrifting) {
    WriteMovie("fast.avi", 32, 32, 25, 50);
    // Every present takes 100 ms: four frames' time.
    backend.frameClock = &clock;
    backend.frameStep = 100000;
    ASSERT_EQ(player->Open("fast.avi", 0, MovieRect{}), 1);
    const uint64_t start = clock.now();
    int rendered = 0;
    while (player->RenderFrame() == 1) ++rendered;
    EXPECT_EQ(rendered, player->FramesShown());
    EXPECT_EQ(player->FramesShown() + player->FramesDropped(), 50);
    EXPECT_LE(rendered, 22);
    // The movie lasts its two seconds, plus at most the last present.
    EXPECT_LE(clock.now() - start, 2100000u);
}

TEST_F(MovieTest, SeekingAndHooks) {
    WriteMovie("seek.avi", 32, 32, 10, 20);
    ASSERT_EQ(player->Open("seek.avi", 0, MovieRect{}), 1);
    struct Counts {
        int before = 0;
        int after = 0;
    } counts;
    player->SetHooks([](void* u) { ++static_cast<Counts*>(u)->before; },
                     [](void* u) { ++static_cast<Counts*>(u)->after; }, &counts);
    ASSERT_EQ(player->RenderFrame(), 1);
    ASSERT_EQ(player->SeekToFrame(15), 1);
    int rendered = 0;
    while (player->RenderFrame() == 1) {
        EXPECT_TRUE(Bluish(shownPixel(10, 10)));
        ++rendered;
    }
    EXPECT_EQ(rendered, 5);
    EXPECT_EQ(counts.after, 6);
    EXPECT_EQ(counts.before, 7);  // the call that found the end ran it too

    ASSERT_EQ(player->SeekToTime(5000000), 1);  // 0.5 s: frame 5
    ASSERT_EQ(player->RenderFrame(), 1);
    EXPECT_TRUE(Reddish(shownPixel(10, 10)));
    rendered = 1;
    while (player->RenderFrame() == 1) ++rendered;
    EXPECT_EQ(rendered, 15);

    player->Close();
    EXPECT_EQ(player->SeekToFrame(1), 0);
    EXPECT_EQ(boxes.shown.back().text.rfind("Fehler beim Seeken zu einer Frame\n", 0), 0u);
    EXPECT_EQ(player->SetVolume(0), 0);
    EXPECT_EQ(boxes.shown.back().text.rfind("Fehler beim Setzen der Lautst\x84rke\n", 0), 0u);
}

TEST_F(MovieTest, ThePlayLoopEndsOnTheFrameHookAndRestoresTheHandlers) {
    WriteMovie("loop.avi", 32, 32, 25, 30);
    const MessageHandler mine = [](WindowHandle, uintptr_t, intptr_t) -> intptr_t { return 0; };
    win->RegisterHandler(platform::kWmActivateApp, mine);
    int frames = 0;
    player->SetFrameHook([](void* u) { return ++*static_cast<int*>(u) == 3 ? 1 : 0; }, &frames);
    EXPECT_EQ(player->Play("loop.avi", 0, MovieRect{}), 1);
    EXPECT_EQ(frames, 3);
    EXPECT_EQ(win->GetHandler(platform::kWmActivateApp), mine);
    EXPECT_EQ(win->GetHandler(platform::kWmDestroy), nullptr);
    EXPECT_FALSE(player->IsOpen());
    EXPECT_EQ(Files().OpenCount(), 0);
}

// What the window handlers of the activation test see.
struct ActivationProbe {
    platform::HeadlessDisplay* backend = nullptr;
    MoviePlayer* player = nullptr;
    int frames = 0;
    bool reactivate = false;
    bool runningAtDestroy = true;
} probe;

TEST_F(MovieTest, LosingActivationHaltsThePlayLoopUntilItReturns) {
    WriteMovie("act.avi", 32, 32, 25, 30);
    probe = ActivationProbe{&backend, player.get()};
    win->RegisterHandler(platform::kWmDestroy, [](WindowHandle, uintptr_t, intptr_t) -> intptr_t {
        probe.runningAtDestroy = probe.player->IsRunning();
        return 0;
    });
    // After frame 2 the application loses activation; then activation returns, or the window
    // is closed.
    player->SetFrameHook(
        [](void*) {
            if (++probe.frames == 2) {
                probe.backend->activate(false);
                if (probe.reactivate) {
                    probe.backend->activate(true);
                } else {
                    probe.backend->closeWindow();
                }
            }
            return 0;
        },
        nullptr);

    probe.reactivate = true;
    EXPECT_EQ(player->Play("act.avi", 0, MovieRect{}), 1);
    EXPECT_EQ(probe.frames, 30);
    EXPECT_EQ(GetErrorCode(), kErrNone);

    probe.frames = 0;
    probe.reactivate = false;
    EXPECT_EQ(player->Play("act.avi", 0, MovieRect{}), 1);
    EXPECT_EQ(probe.frames, 2);
    EXPECT_FALSE(probe.runningAtDestroy) << "halted at the message after the deactivation";
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(MovieTest, TheSoundTrackPlaysThroughTheSoundDevice) {
    platform::HeadlessAudioDevice device;
    platform::setAudioDevice(&device);
    ASSERT_EQ(Sound().Start(nullptr), 1);
    WriteMovie("tone.avi", 32, 32, 10, 10, 22050);
    ASSERT_EQ(player->Open("tone.avi", 0, MovieRect{}), 1);
    ASSERT_EQ(player->SetVolume(-600), 1);
    ASSERT_EQ(player->SetBalance(0), 1);
    device.record = true;
    while (player->RenderFrame() == 1) device.advanceMs(100);
    player->Close();
    // 44.1 kHz stereo output: the tone at about half its level (-6 dB), after a start of
    // silence no longer than the device's first tick.
    const auto& bytes = device.recorded;
    int peak = 0;
    std::size_t firstSound = bytes.size();
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const int v = static_cast<int16_t>(bytes[i] | bytes[i + 1] << 8);
        if (v != 0 && firstSound == bytes.size()) firstSound = i;
        peak = std::max(peak, std::abs(v));
    }
    EXPECT_NEAR(peak, 6000, 300);
    EXPECT_LT(firstSound, 44100u * 4 / 10);
    Sound().Shutdown();
    platform::setAudioDevice(nullptr);
}

}  // namespace
