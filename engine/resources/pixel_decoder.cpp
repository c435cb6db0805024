// Run-length expansion shared by the picture and animation readers.
//
// The compressed data are read in large blocks so that a picture costs a few reads. Because
// whole blocks are consumed, the file position after a decode lies somewhere behind the end of
// the compressed data; callers that read on (pools, animations) seek before every load.

#include <algorithm>
#include <bit>
#include <cstring>

#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/messages.h"

// Pixels are copied from the file as they are: file and memory are both little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::size_t kByteRunBlock = 63990;  // bytes per read in mode 1
constexpr std::size_t kWordRunBlock = 31990;  // words per read in mode 2
constexpr std::size_t kWorkBufferBytes = 64010;

// One work buffer per thread: a decode never calls another decode, so this is safe and saves
// a 64 KB allocation per picture.
alignas(16) thread_local uint8_t workBuffer[kWorkBufferBytes];

// The data go on past the end of the picture: nothing is written past it, but the file is
// plainly wrong, so say so when boxes are wanted.
void ReportOverfill(uint64_t reached, uint32_t size) {
    if (!Files().MessageBoxes()) return;
    WinInfoMsg("read_tbf_image: Heap corrupted! ");
    WinInfoMsg("pos = %lu, size = %lu diff: %lu", static_cast<unsigned long>(reached),
               static_cast<unsigned long>(size), static_cast<unsigned long>(reached - size));
}

// Writes bytes bytes of the repeated little-endian 16-bit value (an odd count ends with the
// low byte).
void FillWords(uint8_t* out, uint16_t value, std::size_t bytes) {
    const auto low = static_cast<uint8_t>(value & 0xFF);
    const auto high = static_cast<uint8_t>(value >> 8);
    if (low == high) {
        std::memset(out, low, bytes);
        return;
    }
    const uint8_t pair[8] = {low, high, low, high, low, high, low, high};
    uint64_t pattern;
    std::memcpy(&pattern, pair, sizeof pattern);
    std::size_t i = 0;
    for (; i + 8 <= bytes; i += 8) std::memcpy(out + i, &pattern, 8);
    for (; i < bytes; ++i) out[i] = (i & 1) ? high : low;
}

// Mode 1: (count, value) byte pairs. Blocks are even, so a pair never straddles two blocks.
uint32_t ExpandByteRuns(FileHandle handle, uint32_t size, uint8_t* destination) {
    uint32_t written = 0;
    while (written < size) {
        const std::size_t got = Files().Read(workBuffer, 1, kByteRunBlock, handle);
        if (got < 2) break;
        const uint8_t* in = workBuffer;
        const uint8_t* const end = workBuffer + (got & ~std::size_t{1});
        for (; in < end; in += 2) {
            const uint32_t count = in[0];
            const uint32_t room = size - written;
            if (count >= room) {
                std::memset(destination + written, in[1], room);
                if (count > room) ReportOverfill(uint64_t{written} + count, size);
                return size;
            }
            std::memset(destination + written, in[1], count);
            written += count;
        }
    }
    return written;
}

// Mode 2: signed control words; -k is followed by k literal pixels, k >= 0 by one pixel
// written k times. Data that run past the end of a block are read straight from the file.
uint32_t ExpandWordRuns(FileHandle handle, uint32_t size, uint8_t* destination) {
    uint32_t written = 0;
    while (written < size) {
        const std::size_t words = Files().Read(workBuffer, 2, kWordRunBlock, handle);
        if (words == 0) break;
        const uint8_t* in = workBuffer;
        const uint8_t* const end = workBuffer + words * 2;
        while (in < end) {
            int16_t control;
            std::memcpy(&control, in, 2);
            in += 2;
            const uint32_t room = size - written;
            uint32_t runBytes;
            uint32_t take;
            if (control < 0) {
                runBytes = 2u * static_cast<uint32_t>(-static_cast<int32_t>(control));
                take = std::min(runBytes, room);
                const auto inBlock =
                    std::min<std::size_t>(take, static_cast<std::size_t>(end - in));
                std::memcpy(destination + written, in, inBlock);
                in += inBlock;
                if (inBlock < take) {
                    const std::size_t rest = take - inBlock;
                    const std::size_t got =
                        Files().Read(destination + written + inBlock, 1, rest, handle);
                    if (got < rest) return written + static_cast<uint32_t>(inBlock + got);
                }
            } else {
                uint16_t value;
                if (in < end) {
                    std::memcpy(&value, in, 2);
                    in += 2;
                } else if (Files().Read(&value, 2, 1, handle) != 1) {
                    return written;
                }
                runBytes = 2u * static_cast<uint32_t>(control);
                take = std::min(runBytes, room);
                FillWords(destination + written, value, take);
            }
            written += take;
            if (written == size) {
                // An odd size always cuts the last pixel in half; only more than that is wrong.
                const bool halfWord = (size & 1) && runBytes - take == 1;
                if (runBytes > take && !halfWord)
                    ReportOverfill(uint64_t{size} - take + runBytes, size);
                return size;
            }
        }
    }
    return written;
}

}  // namespace

bool DecodePixels(FileHandle handle, int mode, uint32_t size, uint8_t* destination) {
    if (!destination) {
        SetErrorCode(kErrNullPointer);
        return false;
    }
    if (size == 0) return true;
    uint32_t produced;
    switch (mode) {
        case kTbfByteRuns:
            produced = ExpandByteRuns(handle, size, destination);
            break;
        case kTbfWordRuns:
            produced = ExpandWordRuns(handle, size, destination);
            break;
        default:
            produced = static_cast<uint32_t>(Files().Read(destination, 1, size, handle));
            break;
    }
    if (produced < size) {
        SetErrorCode(kErrRead);
        return false;
    }
    return true;
}
