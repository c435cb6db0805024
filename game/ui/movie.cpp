#include "game/ui/movie.h"

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/input/input.h"
#include "engine/base/messages.h"
#include "engine/video/movie_player.h"
#include "game/state/frame_values.h"
#include "game/ui/runtime.h"
#include "game/ui/scene.h"

namespace {

constexpr int kBlackFrames = 4;

bool stopsMovie(int key) {
    return key == 27 || key == 32 || key == 13;
}

}  // namespace

void playMovie(const char* movie, const char* music) {
    const NestedLoop nested;
    Runtime& rt = runtime();
    FrameValues& f = frameValues();
    startMusic(nullptr);
    if (rt.display && rt.display->HasSurfaces()) {
        FlipToGDI();
        for (int i = 0; i < kBlackFrames; ++i) {
            ClearPage(0);
            presentPlain();
        }
        // A movie that cannot be opened returns at once, as one that is skipped does.
        if (rt.movies && !rt.skipMovies && rt.movies->Open(movie, 1, MovieRect{0, 0, 640, 480})) {
            bool running = true;
            while (running) {
                running = rt.movies->RenderFrame() != 0;
                countFrame();
                if (!pumpTurn()) break;
                KeyRecord key;
                MouseRecord mouse;
                pollKeys(&key);
                pollMouse(&mouse);
                f.keyCode = key.key;
                if (stopsMovie(f.keyCode)) break;
            }
            rt.movies->Close();
        }
        // A failed open is reported through the error code only; the game goes on.
        SetErrorCode(kErrNone);
        SetPageAdr();
    }
    startMusic(music);
}
