// How large a memory block a file needs once loaded, by the kind of file.

#include <cstring>

#include "engine/base/dos_path.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/little_endian.h"
#include "engine/base/messages.h"

namespace {

constexpr uint32_t kFontHeaderBytes = 20;
constexpr uint32_t kVocHeaderBytes = 26;
constexpr uint32_t kMusicPlayerHeader = 572;  // the music player keeps its own header in front
constexpr long kTrackerSignatureAt = 1080;
constexpr uint32_t kTrackerHeaderWith31 = 512;
constexpr uint32_t kTrackerHeaderWith15 = 32;

const char* DefaultExtension(int kind) {
    switch (kind) {
        case kSizePcx:
            return "PCX";
        case kSizeImage:
            return "TBF";
        case kSizeTaf:
            return "TAF";
        case kSizeTff:
            return "TFF";
        case kSizeVoc:
            return "VOC";
        case kSizeTrackerMusic:
            return "MOD";
        default:
            return nullptr;
    }
}

// Failure: the error code and a size of 0.
uint32_t Fail(int16_t code) {
    SetErrorCode(code);
    return 0;
}

// Most bytes pixel data of payload bytes can decode to: a mode-1 pair gives at most 255 bytes,
// a mode-2 repeat (control and value, 4 bytes) at most 32767 pixels.
uint64_t MaxPixelBytes(uint64_t payload, int mode) {
    if (mode == kTbfByteRuns) return payload / 2 * 255;
    if (mode == kTbfWordRuns) return payload / 4 * 65534;
    return payload;
}

uint32_t PcxSize(FileHandle handle, uint64_t length) {
    uint8_t header[kPcxHeaderBytes];
    if (Files().Read(header, 1, sizeof header, handle) != sizeof header) return Fail(kErrRead);
    PcxLayout layout;
    if (ParsePcxHeader(header, length, layout) != PcxCheck::kOk) return Fail(kErrFormat);
    return layout.pixelBytes + kImageHeaderBytes;
}

uint32_t ImageSize(FileHandle handle, uint64_t length) {
    uint8_t raw[kTbfHeaderBytes];
    if (Files().Read(raw, 1, sizeof raw, handle) != sizeof raw) return Fail(kErrRead);
    const int kind = FileManager::FileKind(raw);
    const TbfHeader header = ParseTbfHeader(raw);
    if ((kind != kFileKindTbf && kind != kFileKindTpf) || !TbfSizesFit(header, UINT32_MAX)) {
        return Fail(kErrFormat);
    }
    const uint64_t before = kTbfHeaderBytes + (TbfDepth(header.depth) == 8 ? kPaletteBytes : 0);
    if (length < before) return Fail(kErrRead);
    int mode = TbfCompressionMode(header.compression);
    if (kind == kFileKindTpf && mode != kTbfByteRuns) mode = kTbfRaw;
    if (header.dataSize > MaxPixelBytes(length - before, mode)) return Fail(kErrFormat);
    return header.dataSize + kImageHeaderBytes;
}

uint32_t FontSize(FileHandle handle, uint64_t length) {
    uint8_t header[kFontHeaderBytes];
    if (Files().Read(header, 1, sizeof header, handle) != sizeof header) return Fail(kErrRead);
    const uint32_t glyphBytes = LoadLE32(header + 4);
    if (FileManager::FileKind(header) != kFileKindTff || glyphBytes > length - kFontHeaderBytes) {
        return Fail(kErrFormat);
    }
    return glyphBytes + kFontHeaderBytes;
}

uint32_t TrackerSize(FileHandle handle, uint64_t length) {
    // 31-instrument modules carry a signature at 1080; older ones have a shorter header.
    uint8_t signature[4] = {};
    const bool hasSignature = length >= kTrackerSignatureAt + sizeof signature &&
                              Files().Seek(handle, kTrackerSignatureAt, 0) == 0 &&
                              Files().Read(signature, 1, 4, handle) == 4;
    bool longHeader = false;
    if (hasSignature) {
        for (const char* known : {"M.K.", "M!K!", "FLT4", "FLT8"}) {
            if (std::memcmp(signature, known, 4) == 0) longHeader = true;
        }
    }
    const uint32_t header = longHeader ? kTrackerHeaderWith31 : kTrackerHeaderWith15;
    if (length < header) return Fail(kErrRead);
    return static_cast<uint32_t>(length - header + kMusicPlayerHeader);
}

uint32_t SizeOf(FileHandle handle, int kind, uint64_t length) {
    switch (kind) {
        case kSizePcx:
            return PcxSize(handle, length);
        case kSizeImage:
            return ImageSize(handle, length);
        case kSizeTff:
            return FontSize(handle, length);
        case kSizeVoc:
            // A sound without samples cannot be loaded.
            if (length <= kVocHeaderBytes) return Fail(kErrRead);
            return static_cast<uint32_t>(length - kVocHeaderBytes);
        case kSizeTrackerMusic:
            return TrackerSize(handle, length);
        default:
            return static_cast<uint32_t>(length);
    }
}

}  // namespace

uint32_t LoadedSize(const char* name, int kind) {
    char path[FileManager::kPathBytes];
    if (!name || std::strlen(name) >= sizeof path) return Fail(kErrOpen);
    std::strcpy(path, name);
    const char* extension = DefaultExtension(kind);
    if (extension && !ExtensionDot(path)) ForceExtension(path, sizeof path, extension);
    FileManager::NormaliseSlashes(path);

    FileHandle handle = Files().Open(path, "rb");
    if (!handle) return Fail(kErrOpen);
    const long length = Files().Length(handle);
    uint32_t size = 0;
    // Sizes are 32 bits; a file too long for them cannot be loaded whole.
    if (length < 0 || static_cast<uint64_t>(length) > UINT32_MAX - kMusicPlayerHeader) {
        Fail(kErrFormat);
    } else {
        size = SizeOf(handle, kind, static_cast<uint64_t>(length));
    }
    Files().Close(handle);
    return size;
}
