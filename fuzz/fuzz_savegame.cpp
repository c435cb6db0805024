// Feeds arbitrary bytes to the savegame readers: the slot list "sav\gamestr.dat" and a slot
// file "sav\game01". The first byte chooses the file; a slot file is sometimes made the
// input's bytes repeated to a length near one record, so that whole, short and long slots are
// all reached.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "game/files/savegame_file.h"
#include "game/state/game_state.h"

namespace {

void checkDirectory(const SlotDirectory& directory) {
    for (int slot = 0; slot < kSlotEntries; ++slot) {
        // Every half ends inside its 30 bytes, whatever the file held.
        if (!std::memchr(directory.slotText[slot], 0, kSlotHalfBytes)) std::abort();
        if (!std::memchr(directory.slotText[slot] + kSlotHalfBytes, 0, kSlotHalfBytes)) {
            std::abort();
        }
        if (std::strlen(slotTitle(directory, slot)) >= kSlotHalfBytes) std::abort();
        if (std::strlen(slotDate(directory, slot)) >= kSlotHalfBytes) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    static const bool folder = [] {
        std::filesystem::create_directories("sav");
        return true;
    }();
    (void)folder;
    if (size == 0) return 0;

    if ((data[0] & 1) == 0) {
        if (!fuzz::WriteFuzzInput("sav/gamestr.dat", data + 1, size - 1)) std::abort();
        SlotDirectory directory;
        directory.saveCounter = -7;
        if (!readDirectoryFile(&directory)) std::abort();
        checkDirectory(directory);
        if (size - 1 < kDirectoryFileBytes && directory.saveCounter != -7) std::abort();
        return 0;
    }

    // A slot file: the input itself, or (one time in eight: it is slow) one record long give
    // or take up to 127 bytes, the input repeated.
    std::vector<uint8_t> file;
    if (size >= 2 && (data[0] & 0x0F) == 0x03) {
        const auto delta = static_cast<int8_t>(data[1]);
        file.resize(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(kGameStateBytes) + delta));
        const std::size_t first = std::min(size, file.size());
        std::memcpy(file.data(), data, first);
        for (std::size_t done = first; done < file.size();) {
            const std::size_t n = std::min(done, file.size() - done);
            std::memcpy(file.data() + done, file.data(), n);
            done += n;
        }
    } else {
        file.assign(data + 1, data + size);
    }
    if (!fuzz::WriteFuzzInput("sav/game01", file.data(), file.size())) std::abort();
    std::vector<uint8_t> image;
    const SlotRead read = readSlotFile(1, &image);
    const bool whole = file.size() == kGameStateBytes;
    if (read != (whole ? SlotRead::Whole : SlotRead::Damaged)) std::abort();
    if (whole && image != file) std::abort();
    if (!whole && !image.empty()) std::abort();
    return 0;
}
