#pragma once
// The movie player: opens an AVI movie, decodes one frame per RenderFrame call into the
// destination rectangle of the draw page (5-6-5, scaled), shows it with the movie present
// (TouchBackBuffer, WaitBlitDone, FlipOnly) and plays the sound track through the sound
// manager's device. Frames are shown at their presentation times on the performance counter;
// a frame that is already late is decoded but not shown, so a slow machine drops frames
// instead of drifting. On a virtual counter, waiting for a frame moves the counter on.
//
// Failures set error 1 and, with show errors on, show "<step>\nGenaueres:\n<reason>" in a box
// titled "Fehler". The caller sees a failed open through the error code and goes on.

#include <cstdint>
#include <memory>

class NormalWin;

struct MovieRect {
    int left = 0;
    int top = 0;
    int right = 640;
    int bottom = 480;
};

struct MovieInfo {
    int width = 0;
    int height = 0;
    long frames = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

// Called around each frame's blit.
using MovieFrameHook = void (*)(void* user);
// Called by the play loop after each frame; non-zero ends playback.
using MovieStopHook = int (*)(void* user);

constexpr int kMovieErrorCode = 1;

class MoviePlayer {
  public:
    // Show errors on, nothing open; the display object may be null (nothing is shown then).
    explicit MoviePlayer(NormalWin* display);
    ~MoviePlayer();
    MoviePlayer(const MoviePlayer&) = delete;
    MoviePlayer& operator=(const MoviePlayer&) = delete;

    // Closes what is open and opens the file (through the file manager, so its search path is
    // the second attempt). Unless skipDecoderCheck, only MPEG video is accepted (error 1,
    // no box). 1 on success; 0 with error 1.
    int Open(const char* name, int skipDecoderCheck, const MovieRect& rect);
    void Close();
    bool IsOpen() const;

    MovieInfo Information() const;
    void Information(int* width, int* height, long* frames, int* hours, int* minutes,
                     int* seconds) const;

    // Shows the next frame: 1 while the movie runs, 0 at its end (or on a failure).
    int RenderFrame();
    // Decodes up to count pictures from where the movie stands without showing them or waiting
    // for their time: how many there were (fewer at the movie's end), -1 (error 1) when the
    // decoder fails.
    int DecodeFrames(int count);
    // Halts the pictures and the sound; the next RenderFrame goes on from there.
    void Stop();
    bool IsRunning() const;

    // Hundredths of a decibel: volume -10000..0, balance -10000..10000. 1 on success.
    int SetVolume(long volume);
    int SetBalance(long balance);
    // The next RenderFrame shows the frame at this position. 1 on success.
    int SeekToFrame(long frame);
    int SeekToTime(int64_t hundredNanoseconds);

    void SetHooks(MovieFrameHook beforeFrame, MovieFrameHook afterFrame, void* user);
    void SetFrameHook(MovieStopHook hook, void* user);
    void SetShowErrors(int on);
    int ShowErrors() const;
    // The last FFmpeg result (0 when the last step succeeded).
    int LastResult() const;
    // Frames shown and frames dropped since the open.
    long FramesShown() const;
    long FramesDropped() const;

    // The player's own loop: opens the movie and renders it to its end, pumping window
    // messages between frames; losing activation halts it until activation returns, and
    // destroying the window (error 20) or a frame hook ends it. 1 when the movie ran.
    int Play(const char* name, int skipDecoderCheck, const MovieRect& rect);

    // The decoder state, known to the player's own sources only.
    struct State;

  private:
    std::unique_ptr<State> state_;
};
