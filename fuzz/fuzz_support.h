#pragma once
// What every fuzz target does around its readers: an engine that shows no boxes and warns
// about nothing, and the input bytes written to a file the readers can open by name.

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "engine/memory/memory.h"
#include "engine/platform/message_box.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"

namespace fuzz {

// The boxes the engine asked for during the current run.
inline platform::HeadlessMessageBox& QuietBoxes() {
    static platform::HeadlessMessageBox boxes;
    return boxes;
}

// Called at the top of every run: the first call installs the silent message boxes and starts
// the message state, the file manager and the memory manager without warnings; every call
// forgets the boxes of the run before, so that millions of runs do not pile them up.
inline void QuietEngineOnce() {
    static const bool started = [] {
        QuietBoxes().quiet = true;
        platform::setMessageBoxService(&QuietBoxes());
        StartMessages();
        Files().Startup();
        Files().SetMessageBoxes(0);
        SetMemoryWarnings(0);
        return true;
    }();
    (void)started;
    QuietBoxes().shown.clear();
}

// Replaces the file at path by exactly the given bytes. False when it cannot be written whole.
inline bool WriteFuzzInput(const char* path, const uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const bool whole = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole;
}

}  // namespace fuzz
