// Decoding the first pictures of the open movie without showing them: the data check's look at
// a movie file.
#include "engine/base/messages.h"
#include "engine/video/movie_player.h"
#include "engine/video/movie_player_state.h"

int MoviePlayer::DecodeFrames(int count) {
    State& s = *state_;
    if (!s.open) return -1;
    int decoded = 0;
    while (decoded < count) {
        const int result = s.NextVideoFrame();
        if (result < 0) {
            s.lastResult = result;
            SetErrorCode(kMovieErrorCode);
            return -1;
        }
        if (result == 0) break;
        ++decoded;
    }
    return decoded;
}
