// The movie player's failure report: error 1, and with show errors on the box
// "<step>\nGenaueres:\n<reason>" titled "Fehler" with the movie's file on a last line, after which
// the desktop surface is shown.
#include <cstdio>
#include <string>

extern "C" {
#include <libavutil/error.h>
}

#include "engine/base/messages.h"
#include "engine/display/svgahi.h"
#include "engine/platform/message_box.h"
#include "engine/platform/terminal.h"
#include "engine/resources/file_damage.h"
#include "engine/video/movie_player_state.h"

void MoviePlayer::State::Fail(const char* step, int result) {
    SetErrorCode(kMovieErrorCode);
    lastResult = result;
    if (!showErrors) return;
    char reason[AV_ERROR_MAX_STRING_SIZE * 2] = {};
    av_strerror(result == 0 ? AVERROR_UNKNOWN : result, reason, sizeof reason);
    // The movie is named on a line of its own, as found on disk where it was found at all.
    std::string movie = file ? OpenFilePath(file) : std::string();
    if (movie.empty()) movie = name;
    char text[512];
    std::snprintf(text, sizeof text, "%s\nGenaueres:\n%s%s%s", step, reason,
                  movie.empty() ? "" : "\n", movie.c_str());
    // A box of the window face is not seen on the terminal; the headless face writes it there.
    if (!dynamic_cast<platform::HeadlessMessageBox*>(&platform::messageBoxService()))
        platform::printToStderr("%s\n", text);
    platform::MessageBoxRequest request;
    request.caption = "Fehler";
    request.text = text;
    request.icon = platform::BoxIcon::Error;
    request.owner = GetBoxOwner();
    platform::messageBoxService().show(request);
    FlipToGDI();
}
