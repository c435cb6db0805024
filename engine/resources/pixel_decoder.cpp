// Run-length expansion shared by the picture and animation readers.
//
// The compressed data are read in large blocks so that a picture costs a few reads. Because
// whole blocks are consumed, the file position after a decode lies somewhere behind the end of
// the compressed data; callers that read on (pools, animations) seek before every load.

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"

// Pixels are copied from the file as they are: file and memory are both little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::size_t kByteRunBlock = 63990;  // bytes per read in mode 1
constexpr std::size_t kWordRunBlock = 31990;  // words per read in mode 2
constexpr std::size_t kFastRun = 256;         // see ExpandWordRuns
// Room for the blocks plus the fixed-size moves of short literal runs, which may read up to
// 32 bytes past the end of a block.
constexpr std::size_t kWorkBufferBytes = 64010 + 32;

// One work buffer per thread: a decode never calls another decode, so this is safe and saves
// a 64 KB allocation per picture. It is allocated on the first decode rather than kept in
// static thread storage, which every thread of the process would carry: 64 KB there leave no
// room in a thread with a small stack (SDL's queued audio, the wait for a started program), and
// such a thread then cannot be created at all.
uint8_t* WorkBuffer() {
    static_assert(__STDCPP_DEFAULT_NEW_ALIGNMENT__ >= 16);
    thread_local std::unique_ptr<uint8_t[]> buffer;
    if (!buffer) buffer = std::make_unique_for_overwrite<uint8_t[]>(kWorkBufferBytes);
    return buffer.get();
}

// How far the data of the last decode on this thread reached past the picture (0: not past it),
// and whether a reader that names its file shows the cut itself.
thread_local uint64_t lastOverreach = 0;
thread_local int quietOverfills = 0;

// The data go on past the end of the picture: nothing is written past it, but the file is
// plainly wrong, so say so when boxes are wanted.
void ReportOverfill(uint64_t reached, uint32_t size) {
    lastOverreach = reached;
    if (quietOverfills > 0 || !Files().MessageBoxes()) return;
    WinInfoMsg("read_tbf_image: Heap corrupted! ");
    WinInfoMsg("pos = %lu, size = %lu diff: %lu", static_cast<unsigned long>(reached),
               static_cast<unsigned long>(size), static_cast<unsigned long>(reached - size));
}

// Mode 1: (count, value) byte pairs. Blocks are even, so a pair never straddles two blocks.
uint32_t ExpandByteRuns(FileHandle handle, uint32_t size, uint8_t* destination) {
    uint8_t* const workBuffer = WorkBuffer();
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

// Eight 16-bit lanes: one vector register on every target we build for.
using Lanes = uint16_t __attribute__((vector_size(16)));

void Store16(uint8_t* out, Lanes lanes) {
    std::memcpy(out, &lanes, 16);
}
void Copy16(uint8_t* out, const uint8_t* in) {
    std::memcpy(out, in, 16);
}

constexpr std::size_t kSeedBytes = 64;

// Writes exactly bytes bytes of the repeated little-endian 16-bit value (an odd count ends
// with the low byte). Long runs copy what is already written onto the rest, doubling each time.
void FillWords(uint8_t* out, uint16_t value, std::size_t bytes) {
    const Lanes lanes = Lanes{} + value;
    if (bytes < kSeedBytes) {
        std::size_t i = 0;
        for (; i + 16 <= bytes; i += 16) Store16(out + i, lanes);
        for (; i < bytes; ++i) out[i] = static_cast<uint8_t>(i & 1 ? value >> 8 : value & 0xFF);
        return;
    }
    for (std::size_t i = 0; i < kSeedBytes; i += 16) Store16(out + i, lanes);
    std::size_t done = kSeedBytes;  // even, so every copy keeps the byte order of the pixels
    while (done < bytes) {
        const std::size_t part = std::min(done, bytes - done);
        std::memcpy(out + done, out, part);
        done += part;
    }
}

// Mode 2: signed control words; -k is followed by k literal pixels, k >= 0 by one pixel
// written k times. Data that run past the end of a block are read straight from the file.
//
// Pictures are mostly short runs, so the cost is per run rather than per byte. While there is
// room, a run of up to kFastRun bytes is written in whole 16-byte moves with no further tests;
// the following runs overwrite the excess. Everything else (long runs, runs across a block end,
// the end of the picture) takes the careful path.
uint32_t ExpandWordRuns(FileHandle handle, uint32_t size, uint8_t* destination) {
    uint8_t* out = destination;
    uint8_t* const outEnd = destination + size;
    uint8_t* const workBuffer = WorkBuffer();
    while (out < outEnd) {
        const std::size_t words = Files().Read(workBuffer, 2, kWordRunBlock, handle);
        if (words == 0) break;
        const uint8_t* in = workBuffer;
        const uint8_t* const end = workBuffer + words * 2;
        while (in < end) {
            while (end - in >= 4 && outEnd - out >= static_cast<std::ptrdiff_t>(kFastRun + 16)) {
                int16_t control;
                std::memcpy(&control, in, 2);
                if (control >= 0) {
                    const auto bytes = 2 * static_cast<std::size_t>(control);
                    if (bytes > kFastRun) break;
                    uint16_t value;
                    std::memcpy(&value, in + 2, 2);
                    const Lanes lanes = Lanes{} + value;
                    Store16(out, lanes);
                    Store16(out + 16, lanes);
                    for (std::size_t i = 32; i < bytes; i += 16) Store16(out + i, lanes);
                    out += bytes;
                    in += 4;
                } else {
                    const auto bytes = 2 * static_cast<std::size_t>(-static_cast<int32_t>(control));
                    if (bytes > kFastRun || bytes + 2 > static_cast<std::size_t>(end - in)) break;
                    Copy16(out, in + 2);
                    Copy16(out + 16, in + 18);
                    for (std::size_t i = 32; i < bytes; i += 16) Copy16(out + i, in + 2 + i);
                    out += bytes;
                    in += 2 + bytes;
                }
            }
            if (out == outEnd) return size;
            if (in >= end) break;

            int16_t control;
            std::memcpy(&control, in, 2);
            in += 2;
            const auto room = static_cast<std::size_t>(outEnd - out);
            std::size_t runBytes;
            std::size_t take;
            if (control < 0) {
                runBytes = 2 * static_cast<std::size_t>(-static_cast<int32_t>(control));
                take = std::min(runBytes, room);
                const std::size_t inBlock = std::min(take, static_cast<std::size_t>(end - in));
                std::memcpy(out, in, inBlock);
                in += inBlock;
                if (inBlock < take) {
                    const std::size_t rest = take - inBlock;
                    const std::size_t got = Files().Read(out + inBlock, 1, rest, handle);
                    if (got < rest) return static_cast<uint32_t>(out + inBlock + got - destination);
                }
            } else {
                uint16_t value;
                if (in < end) {
                    std::memcpy(&value, in, 2);
                    in += 2;
                } else if (Files().Read(&value, 2, 1, handle) != 1) {
                    return static_cast<uint32_t>(out - destination);
                }
                runBytes = 2 * static_cast<std::size_t>(control);
                take = std::min(runBytes, room);
                FillWords(out, value, take);
            }
            out += take;
            if (out == outEnd) {
                // An odd size always cuts the last pixel in half; only more than that is wrong.
                const bool halfWord = (size & 1) && runBytes - take == 1;
                if (runBytes > take && !halfWord)
                    ReportOverfill(uint64_t{size} - take + runBytes, size);
                return size;
            }
        }
    }
    return static_cast<uint32_t>(out - destination);
}

}  // namespace

QuietOverfills::QuietOverfills() {
    ++quietOverfills;
}
QuietOverfills::~QuietOverfills() {
    --quietOverfills;
}

uint64_t LastDecodeOverreach() {
    return lastOverreach;
}

bool DecodePixels(FileHandle handle, int mode, uint32_t size, uint8_t* destination) {
    lastOverreach = 0;
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
