#include "engine/video/movie_log.h"

#include <atomic>
#include <cstdarg>
#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

#include "engine/platform/terminal.h"

namespace {

std::atomic<int> gLevel{AV_LOG_ERROR};
std::once_flag gInstalled;
// FFmpeg may log from more than one thread; the prefix state belongs to the line being built.
std::mutex gLineLock;
int gPrintPrefix = 1;

void LogLine(void* context, int level, const char* format, va_list args) {
    if (level > gLevel.load()) return;
    char line[1024];
    std::lock_guard<std::mutex> hold(gLineLock);
    av_log_format_line2(context, level, format, args, line, sizeof line, &gPrintPrefix);
    platform::printToStderr("%s", line);
}

}  // namespace

void InstallMovieLog() {
    std::call_once(gInstalled, [] {
        av_log_set_level(gLevel.load());
        av_log_set_callback(&LogLine);
    });
}

void SetMovieLogVerbose(bool verbose) {
    gLevel = verbose ? AV_LOG_WARNING : AV_LOG_ERROR;
    InstallMovieLog();
    av_log_set_level(gLevel.load());
}
