#pragma once
// Still pictures: the engine's TBF format (and its planar variant TPF) and ZSoft PCX version 5.
// Every reader produces the in-memory image form in a caller-supplied block:
//   uint16 width, uint16 height, then the pixel rows top first without padding
//   (2 bytes per pixel for 16-bit pictures, 1 byte per pixel for 8-bit ones).
// Readers never write past the block size they are given and never read past the file.

#include <cstdint>

#include "engine/resources/file_manager.h"

constexpr uint32_t kTbfHeaderBytes = 16;
constexpr uint32_t kPaletteBytes = 768;
constexpr uint32_t kImageHeaderBytes = 4;  // width and height in front of the pixels

enum TbfCompression : uint16_t { kTbfRaw = 0, kTbfByteRuns = 1, kTbfWordRuns = 2 };

// Selectors of the loaded-size query.
enum LoadSizeKind : int {
    kSizePcx = 0,
    kSizeImage = 1,  // TBF and TPF
    kSizeTaf = 2,
    kSizeTff = 3,
    kSizeVoc = 4,
    kSizeTrackerMusic = 5,
    kSizeRaw = 200,
};

struct TbfHeader {
    char tag[3];
    uint8_t unused;
    uint16_t depth;  // 16, 8 or 19 (19 reads as 8)
    uint16_t compression;
    uint32_t dataSize;  // pixel bytes after decompression
    uint16_t width;
    uint16_t height;
};
static_assert(sizeof(TbfHeader) == kTbfHeaderBytes);

// Reads a TBF/TPF picture at the handle's position (a file start or a pool entry) into
// destination (destinationSize bytes). The palette (768 bytes) is filled for 8-bit pictures
// when given. Returns the depth (8 or 16), 0 on error (error code set).
int ReadImageAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize,
                        uint8_t* palette);

// Opens name (extension forced to TBF) and reads it as above.
int ReadTbfFile(const char* name, uint8_t* destination, uint32_t destinationSize,
                uint8_t* palette);

// Decodes size bytes of pixel data with a compression mode from the handle's position into
// destination. Returns true when exactly size bytes were produced (error 9 otherwise).
bool DecodePixels(FileHandle handle, int mode, uint32_t size, uint8_t* destination);

// Opens name (extension forced to PCX) and decodes it; returns 8 × planes (error set on failure).
int ReadPcxFile(const char* name, uint8_t* destination, uint32_t destinationSize);
// Reads the 256-entry palette at the end of an 8-bit PCX file; true on success.
bool ReadPcxPalette(const char* name, uint8_t* palette);

// Size of the memory block a file needs when loaded (see LoadSizeKind); 0 on error.
uint32_t LoadedSize(const char* name, int kind);
