#include "engine/audio/wav_header.h"

#include <cstring>

#include "engine/base/messages.h"
#include "engine/resources/little_endian.h"

namespace {

constexpr uint32_t kPcmFieldBytes = 16;

bool ReadBytes(FileHandle handle, void* out, std::size_t n) {
    return Files().Read(out, 1, n, handle) == n;
}

bool ReadU32(FileHandle handle, uint32_t* value) {
    uint8_t b[4];
    if (!ReadBytes(handle, b, 4)) return false;
    *value = LoadLE32(b);
    return true;
}

int Fail(const char* context) {
    if (context) SetContextMessage(context);
    SetErrorCode(kErrGeneral);
    return 0;
}

// Scans forward byte by byte for "data"; the handle is left behind the tag.
bool ScanForData(FileHandle handle) {
    static constexpr char kTag[4] = {'d', 'a', 't', 'a'};
    int matched = 0;
    for (;;) {
        const int c = Files().GetByte(handle);
        if (c < 0) return false;
        if (c == kTag[matched]) {
            if (++matched == 4) return true;
        } else {
            matched = c == 'd' ? 1 : 0;
        }
    }
}

}  // namespace

int ParseWavHeader(FileHandle handle, PcmFormat* format, uint32_t* dataLength) {
    if (!handle || !format || !dataLength) return Fail(nullptr);
    uint8_t tag[4];
    uint32_t length = 0;
    if (!ReadBytes(handle, tag, 4) || std::memcmp(tag, "RIFF", 4) != 0 ||
        !ReadU32(handle, &length)) {
        return Fail("Wave Format Error 'RIFF'");
    }
    if (!ReadBytes(handle, tag, 4) || std::memcmp(tag, "WAVE", 4) != 0) {
        return Fail("Wave Format Error 'WAVE'");
    }
    // A format chunk shorter than the PCM fields would leave the format half unset; a long
    // one is passed over by seeking rather than read into a buffer of its claimed size.
    uint8_t fields[kPcmFieldBytes];
    if (!ReadBytes(handle, tag, 4) || std::memcmp(tag, "fmt", 3) != 0 ||
        !ReadU32(handle, &length) || length < kPcmFieldBytes || length > 0x7FFFFFFFu ||
        !ReadBytes(handle, fields, kPcmFieldBytes) ||
        (length > kPcmFieldBytes &&
         Files().Seek(handle, static_cast<int32_t>(length - kPcmFieldBytes), 1) != 0)) {
        return Fail("Wave Format Error 'fmt'");
    }
    format->formatTag = LoadLE16(fields);
    format->channels = LoadLE16(fields + 2);
    format->samplesPerSec = LoadLE32(fields + 4);
    format->avgBytesPerSec = LoadLE32(fields + 8);
    format->blockAlign = LoadLE16(fields + 12);
    format->bitsPerSample = LoadLE16(fields + 14);

    if (!ReadBytes(handle, tag, 4)) return Fail(nullptr);
    if (std::memcmp(tag, "data", 4) != 0) {
        if (Files().Seek(handle, -4, 1) != 0 || !ScanForData(handle)) return Fail(nullptr);
    }
    if (!ReadU32(handle, dataLength)) return Fail(nullptr);
    return 1;
}

Damage CheckWav(FileHandle handle, uint32_t available) {
    const int16_t code = GetErrorCode();
    const char* context = GetContextMessage();
    const long start = Files().Tell(handle);
    PcmFormat format;
    uint32_t dataLength = 0;
    Damage damage = Damage::kNone;
    if (!ParseWavHeader(handle, &format, &dataLength) || !IsPlayablePcm(format)) {
        damage = Damage::kNotASound;
    } else {
        // The scan for "data" may have run on past the end of this file (into the next chunk).
        const long used = Files().Tell(handle) - start;
        if (used < 0 || static_cast<unsigned long>(used) > available) {
            damage = Damage::kNotASound;
        } else if (dataLength > available - static_cast<uint32_t>(used)) {
            damage = Damage::kSoundShort;
        }
    }
    SetErrorCode(code);
    SetContextMessage(context);
    return damage;
}

Damage CheckWavChunk(FileHandle handle, uint32_t length) {
    switch (CheckWav(handle, length)) {
        case Damage::kNone:
            return Damage::kNone;
        case Damage::kSoundShort:
            return Damage::kChunkSoundShort;
        default:
            return Damage::kChunkNotASound;
    }
}
