// Loading one picture-pool entry into a memory-manager block.
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/platform/message_box.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/pool/pool.h"

namespace {

// The most pixel bytes a chunk's compressed data can expand to. A header asking for more is
// lying, and believing it would mean a huge allocation for a small chunk.
uint64_t mostPixelBytes(int kind, int mode, uint64_t payload) {
    if (mode == kTbfByteRuns) return payload / 2 * 255;  // (count, value) pairs
    if (mode == kTbfWordRuns && kind == kFileKindTbf) {
        return (payload + 3) / 4 * 65534;  // (control word k, pixel) repeats k ≤ 32767 times
    }
    return payload;  // stored as they are
}

uint8_t* refuse(int16_t code, const char* context) {
    if (GetErrorCode() == kErrNone) SetErrorCode(code);
    SetContextMessage(context);
    return nullptr;
}

}  // namespace

Damage PoolPictureHeaderDamage(const uint8_t* raw, uint32_t dataLength) {
    if (dataLength < kTbfHeaderBytes) return Damage::kNotAPicture;
    const int kind = FileManager::FileKind(raw);
    const TbfHeader header = ParseTbfHeader(raw);
    const int depth = TbfDepth(header.depth);
    if ((kind != kFileKindTbf && kind != kFileKindTpf) || depth == 0) return Damage::kNotAPicture;

    // The block must hold the picture its header describes (the drawing code trusts width and
    // height) and no more than the chunk can deliver.
    uint64_t payload = dataLength - kTbfHeaderBytes;
    if (depth == 8) payload = payload > kPaletteBytes ? payload - kPaletteBytes : 0;
    const uint64_t pictureBytes = uint64_t{header.width} * header.height * (depth / 8);
    const int mode = TbfCompressionMode(header.compression);
    if (header.dataSize < pictureBytes || header.dataSize > mostPixelBytes(kind, mode, payload) ||
        header.dataSize > UINT32_MAX - kImageHeaderBytes) {
        return Damage::kPictureSizes;
    }
    return Damage::kNone;
}

uint8_t* LoadPoolPictureQuietly(FileHandle handle, int n, PictureDamage* damage) {
    *damage = PictureDamage{};
    SetErrorCode(kErrNone);
    PoolEntry entry;
    const bool located = n >= 0 && LocatePoolEntry(handle, n, &entry);
    if (!located || entry.selected != n) {
        // An entry past the end of the pool is only missing; one inside it that cannot be
        // found is damage.
        if (n >= 0 && !located && entry.selected == n) damage->what = Damage::kChunkOutside;
        return refuse(kErrRead, "Pool Entry NOT AVAILABLE");
    }

    uint8_t raw[kTbfHeaderBytes];
    if (entry.dataLength < kTbfHeaderBytes) {
        damage->what = Damage::kNotAPicture;
        return refuse(kErrRead, "Pool Image Header");
    }
    if (Files().Read(raw, 1, kTbfHeaderBytes, handle) != kTbfHeaderBytes) {
        damage->what = Damage::kPictureShort;
        return refuse(kErrRead, "Pool Image Header");
    }
    damage->what = PoolPictureHeaderDamage(raw, entry.dataLength);
    if (damage->what == Damage::kNotAPicture) return refuse(kErrFormat, "Pool Image Header");
    if (damage->what != Damage::kNone) return refuse(kErrRead, "Pool Image Header");

    const TbfHeader header = ParseTbfHeader(raw);
    const uint32_t blockSize = header.dataSize + kImageHeaderBytes;
    auto* block = static_cast<uint8_t*>(MemAlloc(blockSize));
    if (!block || GetErrorCode() != kErrNone) {
        MemFree(block);
        return refuse(kErrNoMemory, "Pool Picture");
    }
    const QuietOverfills quiet;
    if (Files().Seek(handle, static_cast<int32_t>(entry.dataOffset), 0) != 0 ||
        ReadImageAtPosition(handle, block, blockSize, nullptr) == 0) {
        // A half-decoded picture is no picture.
        damage->what = GetErrorCode() == kErrFormat ? Damage::kPictureSizes : Damage::kPictureShort;
        MemFree(block);
        return refuse(kErrRead, "Pool Picture");
    }
    if (LastDecodeOverreach() > header.dataSize) {
        damage->what = Damage::kPictureOverfill;
        damage->reached = LastDecodeOverreach();
        damage->size = header.dataSize;
    }
    return block;
}

uint8_t* LoadPoolPicture(FileHandle handle, int n) {
    PictureDamage damage;
    uint8_t* picture = LoadPoolPictureQuietly(handle, n, &damage);
    if (damage.what != Damage::kNone) ReportPictureDamage(handle, n, damage);
    return picture;
}

namespace {

PictureDamageReport installedReport = nullptr;
std::set<std::string> reportedFiles;

// Without a program's own report: the engine's words and the file's in one INFO box.
void engineReport(const FileDamage& damage, const char* engineText) {
    if (!Files().MessageBoxes()) return;
    platform::MessageBoxRequest box;
    box.caption = "INFO";
    box.text = engineText ? std::string(engineText) + "\n" : std::string();
    box.text += DescribeDamage(damage);
    box.icon = platform::BoxIcon::Exclamation;
    box.owner = GetBoxOwner();
    platform::messageBoxService().show(box);
}

}  // namespace

void SetPictureDamageReport(PictureDamageReport report) {
    installedReport = report;
}

void NotePictureDamageReported(const std::string& file) {
    reportedFiles.insert(file);
}

void ForgetPictureDamage() {
    reportedFiles.clear();
}

void ReportPictureDamage(FileHandle handle, int n, const PictureDamage& damage) {
    FileDamage file{damage.what, n, OpenFilePath(handle)};
    if (file.file.empty()) file.file = "?";
    if (!reportedFiles.insert(file.file).second) return;
    char engineText[128] = {};
    if (damage.what == Damage::kPictureOverfill) {
        std::snprintf(engineText, sizeof engineText,
                      "read_tbf_image: Heap corrupted! \npos = %lu, size = %lu diff: %lu",
                      static_cast<unsigned long>(damage.reached),
                      static_cast<unsigned long>(damage.size),
                      static_cast<unsigned long>(damage.reached - damage.size));
    }
    // Whoever listens may show a box; what the loader reported stays as it was.
    const int16_t code = GetErrorCode();
    const char* context = GetContextMessage();
    (installedReport ? installedReport : engineReport)(file, engineText[0] ? engineText : nullptr);
    SetErrorCode(code);
    SetContextMessage(context);
}
