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

// The header fields from 16 little-endian bytes.
TbfHeader ParseTbfHeader(const uint8_t* raw);
// Depth a stored depth is read as: 8 (for 8 and 19), 16, or 0 for anything else.
int TbfDepth(uint16_t storedDepth);
// Mode a stored compression field is read as (unknown values read as raw).
int TbfCompressionMode(uint16_t storedMode);
// Whether width × height pixels fit in the pixel data size and that size (plus the width and
// height in front) fits in destinationSize; false for an unknown depth.
bool TbfSizesFit(const TbfHeader& header, uint32_t destinationSize);

// Reads a TBF/TPF picture at the handle's position (a file start or a pool entry) into
// destination (destinationSize bytes). The palette (768 bytes) is filled for 8-bit pictures
// when given (skipped otherwise). Returns the depth (8 or 16), 0 on error (error code set):
// 4 null argument, 9 short read or short data, 15 unknown tag or depth, or sizes that do not
// fit the pixel data or the destination. A header with another engine tag (TAF, TFF) gives its
// width and height only. The file position afterwards is not at the end of the picture.
int ReadImageAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize,
                        uint8_t* palette);

// Opens name (extension forced to TBF) and reads it as above.
int ReadTbfFile(const char* name, uint8_t* destination, uint32_t destinationSize, uint8_t* palette);

// Decodes size bytes of pixel data with a compression mode from the handle's position into
// destination, which must hold size bytes; nothing is written past them (data that would go
// further are cut, and reported in an INFO box when the file manager's boxes are on).
// Returns true when exactly size bytes were produced (error 9 otherwise). Compressed data are
// read in whole blocks, so the file position afterwards may lie beyond their end.
bool DecodePixels(FileHandle handle, int mode, uint32_t size, uint8_t* destination);
// Where the data of this thread's last DecodePixels would have reached had they not been cut
// at the picture's end; 0 when they fitted.
uint64_t LastDecodeOverreach();
// While one lives on a thread, data cut at a picture's end are only noted there
// (LastDecodeOverreach), not shown: the reader names the file and reports them itself.
class QuietOverfills {
  public:
    QuietOverfills();
    ~QuietOverfills();
    QuietOverfills(const QuietOverfills&) = delete;
    QuietOverfills& operator=(const QuietOverfills&) = delete;
};

// Opens name (extension forced to PCX) and decodes it: bytes per line as the width, the height,
// then planes × bytes-per-line bytes per row. Returns 8 × planes, 0 on failure (error 4, 8,
// 9 data end early, 13 not ZSoft version 5, 15 sizes that do not fit the destination).
int ReadPcxFile(const char* name, uint8_t* destination, uint32_t destinationSize);
// Reads the 256-entry palette at the end of an 8-bit PCX file; true on success.
bool ReadPcxPalette(const char* name, uint8_t* palette);

// The fields of a PCX header the readers use.
struct PcxLayout {
    uint8_t encoding;
    uint8_t planes;
    uint16_t bytesPerLine;
    uint32_t visibleWidth;  // xmax - xmin + 1
    uint32_t height;        // ymax - ymin + 1
    uint32_t pixelBytes;    // height × planes × bytes per line
};
enum class PcxCheck { kOk, kNotVersion5, kBadSizes };
constexpr uint32_t kPcxHeaderBytes = 128;
// Reads the 128-byte header of a fileLength-byte file; kBadSizes when the picture is empty,
// too large for the image form, or larger than the file's data could expand to.
PcxCheck ParsePcxHeader(const uint8_t* header, uint64_t fileLength, PcxLayout& layout);

// Size of the memory block a file needs when loaded (see LoadSizeKind); 0 on error (8 open,
// 9 short header or file, 15 wrong tag or sizes the file cannot hold). A name without '.' gets
// the kind's extension (PCX, TBF, TAF, TFF, VOC, MOD; raw files none).
uint32_t LoadedSize(const char* name, int kind);
