#pragma once
// A photo exported as a Windows bitmap "fotos\foto%04d.bmp": a 54-byte header, then the 180
// rows bottom row first, each 320 pixels of blue, green, red. The number counts on from the
// one kept in "fotos\scrshot.bin" (4 bytes, little-endian).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/state/game_state.h"

constexpr std::size_t kPhotoBmpHeaderBytes = 54;
constexpr std::size_t kPhotoBmpPixelBytes = kPhotoWidth * kPhotoHeight * 3;             // 172800
constexpr std::size_t kPhotoBmpFileBytes = kPhotoBmpHeaderBytes + kPhotoBmpPixelBytes;  // 172854
constexpr const char* kExportFolder = "fotos";
constexpr const char* kExportCounterFile = "fotos\\scrshot.bin";

std::array<uint8_t, kPhotoBmpHeaderBytes> photoBmpHeader();
// The pixel part of the file for a 320 × 180 RGB565 picture (rows from the top).
void photoBmpPixels(const uint16_t* pixels, uint8_t* out);
std::vector<uint8_t> encodePhotoBmp(const uint16_t* pixels);

// "fotos\foto%04d.bmp"
std::string exportFileName(int32_t number);

struct ExportResult {
    bool written = false;         // the bitmap file is whole on disk
    bool counterWritten = false;  // the counter file holds its number
    int32_t number = 0;           // the number the photo was (or would have been) saved under
};

// Exports the picture: the counter from "fotos\scrshot.bin" when it can be read (else the one
// in memory), the next number, the bitmap, then the counter file. The folder is created when
// missing. A number whose file is already there is passed over, so an earlier export is never
// overwritten. When the bitmap cannot be written, `counter` keeps the value it had before.
ExportResult exportPhotoFile(const uint16_t* pixels, int32_t* counter);

// Removes the temporary files of the folder's photos and counter that a crash left.
void removeExportTemporaries();
