#include "game/files/photo_export.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/base/dos_path.h"
#include "engine/resources/little_endian.h"
#include "game/files/whole_file.h"

std::array<uint8_t, kPhotoBmpHeaderBytes> photoBmpHeader() {
    std::array<uint8_t, kPhotoBmpHeaderBytes> h{};
    uint8_t* p = h.data();
    p[0] = 'B';
    p[1] = 'M';
    StoreLE32(p + 2, kPhotoBmpFileBytes);
    // 6, 8: two reserved 16-bit zeros.
    StoreLE32(p + 10, kPhotoBmpHeaderBytes);
    StoreLE32(p + 14, 40);
    StoreLE32(p + 18, kPhotoWidth);
    StoreLE32(p + 22, kPhotoHeight);
    StoreLE16(p + 26, 1);
    StoreLE16(p + 28, 24);
    StoreLE32(p + 30, 0);
    StoreLE32(p + 34, kPhotoBmpPixelBytes);
    StoreLE32(p + 38, 76200);
    StoreLE32(p + 42, 76200);
    // 46, 50: colours used and important colours, 0.
    return h;
}

void photoBmpPixels(const uint16_t* pixels, uint8_t* out) {
    for (int row = 0; row < kPhotoHeight; ++row) {
        const uint16_t* source = pixels + (kPhotoHeight - 1 - row) * kPhotoWidth;
        uint8_t* target = out + static_cast<std::size_t>(row) * kPhotoWidth * 3;
        for (int x = 0; x < kPhotoWidth; ++x) {
            const unsigned c = source[x];
            target[3 * x] = static_cast<uint8_t>((c & 0x1F) << 3);
            target[3 * x + 1] = static_cast<uint8_t>((c & 0x07E0) >> 3);
            target[3 * x + 2] = static_cast<uint8_t>((c >> 8) & 0xF8);
        }
    }
}

std::vector<uint8_t> encodePhotoBmp(const uint16_t* pixels) {
    std::vector<uint8_t> file(kPhotoBmpFileBytes);
    const auto header = photoBmpHeader();
    std::copy(header.begin(), header.end(), file.begin());
    photoBmpPixels(pixels, file.data() + kPhotoBmpHeaderBytes);
    return file;
}

std::string exportFileName(int32_t number) {
    char name[40];
    std::snprintf(name, sizeof name, "fotos\\foto%04d.bmp", number);
    return name;
}

namespace {

bool fileExists(const std::string& name) {
    std::error_code error;
    return std::filesystem::exists(ResolveDosPath(name), error);
}

}  // namespace

void removeExportTemporaries() {
    char temporary[48];
    temporaryNameFor(kExportCounterFile, temporary, sizeof temporary);
    removeFileIfThere(temporary);
    std::error_code error;
    const std::string folder = ResolveDosPath(kExportFolder);
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        if (file.size() == 16 && file.compare(0, 4, "foto") == 0 &&
            file.compare(8, 8, ".bmp.tmp") == 0 && entry.is_regular_file(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

ExportResult exportPhotoFile(const uint16_t* pixels, int32_t* counter) {
    ExportResult result;
    std::vector<uint8_t> stored;
    if (readWholeFile(kExportCounterFile, 4, &stored) != ReadResult::Missing &&
        stored.size() == 4) {
        *counter = static_cast<int32_t>(LoadLE32(stored.data()));
    }
    // A counter the file has spoilt (below 0) starts the numbers again from 1.
    const int32_t before = *counter > 0 ? *counter : 0;
    int32_t number = before;
    do {
        number = number < INT32_MAX ? number + 1 : 1;
    } while (fileExists(exportFileName(number)) && number != before);
    result.number = number;

    ensureFolder(kExportFolder);
    const std::vector<uint8_t> file = encodePhotoBmp(pixels);
    if (!writeWholeFile(exportFileName(number).c_str(), file.data(), file.size())) return result;
    result.written = true;
    *counter = number;
    uint8_t bytes[4];
    StoreLE32(bytes, static_cast<uint32_t>(number));
    result.counterWritten = writeWholeFile(kExportCounterFile, bytes, sizeof bytes);
    return result;
}
