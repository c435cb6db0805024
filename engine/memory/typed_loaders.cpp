#include "engine/memory/typed_loaders.h"

#include <cstdio>
#include <cstring>
#include <limits>

#include "engine/memory/memory.h"
#include "engine/resources/animation_format.h"
#include "engine/resources/font_format.h"
#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"

namespace {

// Frames one load in "memory.log"; the outcome line follows the error code at the end.
class LoadTrace {
  public:
    LoadTrace(const char* loader, const char* name) {
        if (!GetMemoryTrace()) return;
        AppendToLog(kMemoryLogName, "%s", "============================= \n ");
        AppendToLog(kMemoryLogName, " %s: %s ..... \n ", loader, name ? name : "");
    }
    ~LoadTrace() {
        if (!GetMemoryTrace()) return;
        AppendToLog(kMemoryLogName, "%s", GetErrorCode() != kErrNone ? " ERROR \n " : " OK \n ");
        AppendToLog(kMemoryLogName, "%s", "============================= \n ");
    }
    LoadTrace(const LoadTrace&) = delete;
    LoadTrace& operator=(const LoadTrace&) = delete;
};

// The named file, or the caller's handle; closes only what it opened itself.
class Source {
  public:
    Source(FileHandle source, const char* name, const char* extension) : handle_(source) {
        if (handle_) return;
        if (!name) {
            SetErrorCode(kErrOpen);
            return;
        }
        char fileName[FileManager::kPathBytes] = {};
        std::snprintf(fileName, sizeof fileName, "%s", name);
        if (extension) {
            ForceExtension(fileName, sizeof fileName, extension);
        } else {
            FileManager::NormaliseSlashes(fileName);
        }
        handle_ = Files().Open(fileName, "rb");
        if (!handle_) {
            SetErrorCode(kErrOpen);
            return;
        }
        owned_ = true;
    }
    ~Source() {
        if (owned_) Files().Close(handle_);
    }
    Source(const Source&) = delete;
    Source& operator=(const Source&) = delete;

    FileHandle handle() const { return handle_; }

  private:
    FileHandle handle_ = nullptr;
    bool owned_ = false;
};

// Reads size bytes at the handle's position and puts the position back; false (error 9) on a
// short read.
bool peek(FileHandle handle, uint8_t* bytes, uint32_t size) {
    const long position = Files().Tell(handle);
    const bool ok = position >= 0 && Files().Read(bytes, 1, size, handle) == size;
    if (position >= 0) Files().Seek(handle, static_cast<int32_t>(position), 0);
    if (!ok) SetErrorCode(kErrRead);
    return ok;
}

uint8_t* allocate(uint32_t size) {
    auto* block = static_cast<uint8_t*>(MemAlloc(size));
    if (!block) SetErrorCode(kErrNoMemory);
    return block;
}

// Size of the TBF/TPF picture at the handle's position.
uint32_t imageSizeAt(FileHandle handle) {
    uint8_t raw[kTbfHeaderBytes];
    if (!peek(handle, raw, sizeof raw)) return 0;
    const int kind = FileManager::FileKind(raw);
    const TbfHeader header = ParseTbfHeader(raw);
    if ((kind != kFileKindTbf && kind != kFileKindTpf) || !TbfSizesFit(header, UINT32_MAX)) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    return header.dataSize + kImageHeaderBytes;
}

}  // namespace

int pcx_adr(FileHandle source, const char* name, uint8_t** picture, uint8_t** palette) {
    LoadTrace trace("pcx_adr", name);
    if (palette) *palette = nullptr;
    if (picture) *picture = nullptr;
    if (!picture || source) {
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    const uint32_t size = LoadedSize(name, kSizePcx);
    if (GetErrorCode() != kErrNone) return 0;

    *picture = allocate(size);
    if (!*picture) return 0;
    const int bits = ReadPcxFile(name, *picture, size);
    if (bits == 0 || GetErrorCode() != kErrNone) {
        MemFree(*picture);
        *picture = nullptr;
        return 0;
    }
    if (palette && bits == 8) {
        *palette = static_cast<uint8_t*>(MemAlloc(kPaletteBytes));
        if (*palette && !ReadPcxPalette(name, *palette)) {
            MemFree(*palette);
            *palette = nullptr;
        }
        // The picture is what was asked for; a missing palette does not fail the load.
        SetErrorCode(kErrNone);
    }
    return bits;
}

int image_adr(FileHandle source, const char* name, uint8_t** picture, uint8_t** palette) {
    LoadTrace trace("image_adr", name);
    if (palette) *palette = nullptr;
    if (!picture) {
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    *picture = nullptr;
    const uint32_t size = source ? imageSizeAt(source) : LoadedSize(name, kSizeImage);
    if (GetErrorCode() != kErrNone) return 0;

    uint8_t* pixels = allocate(size);
    uint8_t* colours = palette && pixels ? allocate(kPaletteBytes) : nullptr;
    int bits = 0;
    if (pixels && (colours || !palette)) {
        bits = source ? ReadImageAtPosition(source, pixels, size, colours)
                      : ReadTbfFile(name, pixels, size, colours);
    }
    if (bits == 0 || GetErrorCode() != kErrNone) {
        MemFree(colours);
        MemFree(pixels);
        return 0;
    }
    if (bits != 8) {
        MemFree(colours);
        colours = nullptr;
    }
    *picture = pixels;
    if (palette) *palette = colours;
    return bits;
}

void tff_adr(FileHandle source, const char* name, uint8_t** font) {
    LoadTrace trace("tff_adr", name);
    if (!font) {
        SetErrorCode(kErrNullPointer);
        return;
    }
    *font = nullptr;
    Source file(source, name, "TFF");
    FileHandle handle = file.handle();
    if (!handle) return;

    const long start = Files().Tell(handle);
    uint8_t raw[kFontHeaderBytes];
    if (start < 0 || !peek(handle, raw, sizeof raw)) return;
    const FontHeader header = ParseFontHeader(raw);

    if (header.kind == 0) {
        const uint32_t size = FontBlockSize(header);
        if (size == 0) return;
        uint8_t* block = allocate(size);
        if (!block) return;
        if (!ReadFontAtPosition(handle, block, size)) {
            MemFree(block);
            return;
        }
        *font = block;
        return;
    }

    // A picture font: its second header, right behind the font header, gives the block size.
    if (Files().Seek(handle, static_cast<int32_t>(start + long{kFontHeaderBytes}), 0) != 0) {
        SetErrorCode(kErrRead);
        return;
    }
    uint8_t second[kPictureFontHeaderBytes];
    if (!peek(handle, second, sizeof second)) return;
    const uint32_t size = PictureFontBlockSize(ParsePictureFontHeader(second));
    if (size == 0) return;
    uint8_t* block = allocate(size);
    if (!block) return;
    if (!ReadPictureFontAtPosition(handle, start, raw, block, size)) {
        MemFree(block);
        return;
    }
    *font = block;
}

uint8_t* void_adr(FileHandle source, const char* name) {
    LoadTrace trace("void_adr", name);
    uint32_t size = 0;
    if (source) {
        const long position = Files().Tell(source);
        const long length = Files().Length(source);
        if (position < 0 || length < position) {
            SetErrorCode(kErrRead);
        } else if (static_cast<uint64_t>(length - position) > UINT32_MAX - 8u) {
            SetErrorCode(kErrFormat);
        } else {
            size = static_cast<uint32_t>(length - position);
        }
    } else {
        size = LoadedSize(name, kSizeRaw);
        if (size > UINT32_MAX - 8u) SetErrorCode(kErrFormat);
    }
    if (GetErrorCode() != kErrNone) return nullptr;

    uint8_t* block = allocate(size + 4);
    if (!block) return nullptr;
    Source file(source, name, nullptr);
    if (!file.handle() || Files().Read(block + 4, 1, size, file.handle()) != size) {
        if (file.handle()) SetErrorCode(kErrRead);
        MemFree(block);
        return nullptr;
    }
    std::memcpy(block, &size, sizeof size);
    return block;
}

int taf_adr(FileHandle source, const char* name, LoadedAnimation* animation) {
    LoadTrace trace("taf_adr", name);
    if (!animation) {
        SetErrorCode(kErrNullPointer);
        return 0;
    }
    *animation = {};
    Source file(source, name, "TAF");
    FileHandle handle = file.handle();
    if (!handle) return 0;

    uint8_t raw[kTafHeaderBytes];
    if (!peek(handle, raw, sizeof raw)) return 0;
    if (FileManager::FileKind(raw) != kFileKindTaf) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    const TafHeader header = ParseTafHeader(raw);
    const uint32_t frameBytes = AnimationSizeFor(header);
    if (GetErrorCode() != kErrNone) return 0;

    // MemAlloc blocks are only 4-aligned: the directory starts at the first 8-aligned address.
    const uint32_t entries = kTafDirectoryLead + uint32_t{header.frames};
    const uint64_t directoryBytes = uint64_t{entries} * sizeof(uint8_t*);
    const uint64_t total = alignof(uint8_t*) + directoryBytes + frameBytes;
    if (total > std::numeric_limits<uint32_t>::max()) {
        SetErrorCode(kErrFormat);
        return 0;
    }
    uint8_t* block = allocate(static_cast<uint32_t>(total));
    if (!block) return 0;
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    const std::size_t skip = (alignof(uint8_t*) - address % alignof(uint8_t*)) % alignof(uint8_t*);
    auto** directory = reinterpret_cast<uint8_t**>(block + skip);
    uint8_t* frames = block + skip + directoryBytes;
    uint8_t* end = block + total;

    // The palette of an 8-bit animation takes the last 768 bytes the size query counts for it.
    const bool paletted = header.depth == 8 || header.depth == 19;
    uint8_t* palette = paletted ? end - kPaletteBytes : nullptr;
    const auto frameRoom = static_cast<uint32_t>((paletted ? palette : end) - frames);
    const int depth =
        ReadAnimationAtPosition(handle, frames, frameRoom, directory, entries, palette);
    if (depth == 0) {
        MemFree(block);
        return 0;
    }
    directory[0] = frames;
    directory[1] = palette;
    directory[2] = nullptr;
    *animation = {block, directory, header.frames, static_cast<uint16_t>(depth)};
    return depth;
}

void FreeAnimation(LoadedAnimation* animation) {
    if (!animation) return;
    MemFree(animation->block);
    *animation = {};
}
