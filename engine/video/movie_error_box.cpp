// The movie player's failure report: error 1, and with show errors on the box
// "<step>\nGenaueres:\n<reason>" titled "Fehler", after which the desktop surface is shown.
#include <cstdio>

extern "C" {
#include <libavutil/error.h>
}

#include "engine/display/svgahi.h"
#include "engine/platform/message_box.h"
#include "engine/base/messages.h"
#include "engine/video/movie_player_state.h"

void MoviePlayer::State::Fail(const char* step, int result) {
    SetErrorCode(kMovieErrorCode);
    lastResult = result;
    if (!showErrors) return;
    char reason[AV_ERROR_MAX_STRING_SIZE * 2] = {};
    av_strerror(result == 0 ? AVERROR_UNKNOWN : result, reason, sizeof reason);
    char text[512];
    std::snprintf(text, sizeof text, "%s\nGenaueres:\n%s", step, reason);
    platform::MessageBoxRequest request;
    request.caption = "Fehler";
    request.text = text;
    request.icon = platform::BoxIcon::Error;
    request.owner = GetBoxOwner();
    platform::messageBoxService().show(request);
    FlipToGDI();
}
