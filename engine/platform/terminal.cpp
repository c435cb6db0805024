#include "engine/platform/terminal.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "engine/platform/text_encoding.h"

namespace platform {

void printToStderr(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int needed = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text;
    if (needed > 0) {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::vsnprintf(text.data(), text.size(), format, again);
        text.resize(static_cast<std::size_t>(needed));
    }
    va_end(again);
    // One write, so that lines from the sound thread or FFmpeg's threads do not interleave.
    const std::string out = TerminalText(text);
    std::fwrite(out.data(), 1, out.size(), stderr);
}

}  // namespace platform
