// Feeds arbitrary bytes to the readers of the game's own text files: a play script (the first
// byte even) and a recorded session (odd). Each must take the file whole or refuse it with a
// reason, and never read outside what it was given.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_support.h"
#include "game/app/recording.h"
#include "game/app/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        ScriptDriver script;
        if (!script.loadText(text) && script.error().empty()) std::abort();
    } else {
        // Recordings start with their header line; most inputs get it, so that the lines
        // after it are what is explored.
        const std::string file =
            data[0] % 4 == 1 ? std::string(kRecordingHeader) + "\n" + text : text;
        if (!fuzz::WriteFuzzInput("input.rec", reinterpret_cast<const uint8_t*>(file.data()),
                                  file.size()))
            return 0;
        SessionReplay replay;
        if (!replay.load("input.rec") && replay.error().empty()) std::abort();
    }
    return 0;
}
