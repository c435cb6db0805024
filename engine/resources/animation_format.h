#pragma once
// TAF animations (little-endian):
//   header (786 bytes)
//      0    3  tag "TAF"          4  2  depth 16, 8 or 19 (19 reads as 8)
//      6    2  frame count n      8  4  total pixels of all frames (sum of width × height)
//     12  768  palette (8-bit)  780  4  file offset of the first frame header
//    784    2  number k of frame tables at the end of the file
//   frames, chained from the header's offset
//      0  2  compression mode (0 raw, 1 byte runs, 2 word runs, as in TBF pictures)
//      2  2  width    4  2  height    6  4  file offset of the next frame header
//     10  4  not interpreted          14     compressed pixels
//   k tables of n uint32 at the end of the file; the first holds each frame's header offset.
// Frames decode into the in-memory image form: uint16 width, uint16 height, pixels
// (1 byte per pixel for depth 8 and 19, depth / 8 bytes otherwise).

#include <cstdint>

#include "engine/resources/file_manager.h"

constexpr uint32_t kTafHeaderBytes = 786;
constexpr uint32_t kTafFrameHeaderBytes = 14;
// A caller's directory holds three words of its own before the frame addresses.
constexpr uint32_t kTafDirectoryLead = 3;

struct TafHeader {
    char tag[3];
    uint16_t depth;
    uint16_t frames;
    uint32_t totalPixels;
    const uint8_t* palette;  // into the raw header bytes
    uint32_t firstFrame;
    uint16_t tables;
};

struct TafFrameHeader {
    uint16_t mode;
    uint16_t width;
    uint16_t height;
    uint32_t next;
};

TafHeader ParseTafHeader(const uint8_t* bytes);
TafFrameHeader ParseTafFrameHeader(const uint8_t* bytes);
// 1 for depth 8 or 19, depth / 8 otherwise.
uint32_t TafBytesPerPixel(uint16_t depth);
// The depth a reader reports: 8 for 8 or 19, else the stored depth.
int TafReportedDepth(uint16_t depth);

// Decodes a chain of count frames into consecutive images at destination (destinationSize
// bytes), storing the address of image i as the i-th pointer at entries (which need not be
// aligned). Frame offsets count from base, the file position where the data begin. false with
// the error code set: 9 short read, 15 a frame offset outside the file or images that would
// not fit the destination.
bool ReadFrameChain(FileHandle handle, long base, uint32_t firstFrame, uint32_t count,
                    uint32_t bytesPerPixel, uint8_t* destination, uint32_t destinationSize,
                    void* entries);

// Whole load: decodes every frame of the animation into destination and stores frame i's
// address in directory[3 + i] (directoryEntries ≥ 3 + n, else error 4). palette (768 bytes,
// optional) receives the header's palette. Returns 8 or 16, 0 on error (4 missing destination,
// 8 open, 9 short read, 15 wrong tag or frames not fitting the file or the destination).
int ReadAnimation(const char* name, uint8_t* destination, uint32_t destinationSize,
                  uint8_t** directory, uint32_t directoryEntries, uint8_t* palette = nullptr);
// The same from the handle's position (an animation inside a larger file); offsets count from
// that position.
int ReadAnimationAtPosition(FileHandle handle, uint8_t* destination, uint32_t destinationSize,
                            uint8_t** directory, uint32_t directoryEntries,
                            uint8_t* palette = nullptr);

// Reads the first end-of-file table (n frame offsets) into offsets (capacity entries).
// false with 4 (no room), 8, 9, or 15 (wrong tag, k = 0, tables larger than the file).
bool ReadFrameTable(const char* name, uint32_t* offsets, uint32_t capacity);

// Decodes size bytes with a compression mode from the handle's position (a frame's pixel data)
// into destination (destinationSize bytes). Returns the animation's depth (8 or 16), 0 on error.
int ReadFrameAtPosition(FileHandle handle, int mode, uint32_t size, uint8_t* destination,
                        uint32_t destinationSize);

// Bytes a whole load needs: (total pixels + 8n) + 768 for depth 8 and 19, (total pixels + 8n)
// × depth / 8 otherwise. 0 on error (8, 9, 15 wrong tag or a size beyond 32 bits).
uint32_t AnimationSize(const char* name);
// The same for a header already read.
uint32_t AnimationSizeFor(const TafHeader& header);
