#pragma once
// Typed loaders: ask the format readers how much memory a file needs, take one block from the
// memory manager, let the reader fill it, and give the block back when the load fails. With the
// memory trace on, each load is framed in "memory.log" by its title and " OK " or " ERROR ".
//
// The source argument is the file-layer handle the data come from:
//   null     the named file is opened (and closed again) by the loader;
//   a handle the data begin at the handle's current position (a pool entry, say); the name is
//            only used for the trace. The handle stays open and its position afterwards is
//            unspecified.
// PCX files are read by name only: pcx_adr refuses a handle with error 4.
//
// pcx_adr, image_adr, void_adr and taf_adr stop when the error code is set after their size
// query, an error still pending from earlier work included: clear it before loading.
// Errors go to the shared error code: 4 bad argument, 5 no memory, 8 open, 9 short read,
// 15 not the expected format. A failed load leaves every out pointer null and every block it
// took given back.

#include <cstdint>

#include "engine/resources/file_manager.h"

// A PCX picture into *picture; for an 8-bit file also its palette into *palette (when palette
// is given; a palette that cannot be read is not a failure: *palette is null, error code 0).
// Returns the bits per pixel, 0 when nothing was loaded.
int pcx_adr(FileHandle source, const char* name, uint8_t** picture, uint8_t** palette);

// A TBF/TPF picture into *picture, and for an 8-bit picture its palette (768 bytes) into
// *palette (null for other depths). Returns 8 or 16, 0 when nothing was loaded.
int image_adr(FileHandle source, const char* name, uint8_t** picture, uint8_t** palette);

// A TFF font into *font. A bitmap font (kind 0) is the file's header and glyphs as they stand
// (see font_format.h); a picture font is laid out as font_format.h describes for picture fonts.
void tff_adr(FileHandle source, const char* name, uint8_t** font);

// The whole file (from a handle: the rest of it) as uint32 size followed by the bytes; null on
// failure.
uint8_t* void_adr(FileHandle source, const char* name);

// A whole animation in one block: the frame directory (aligned pointers), then the decoded
// frames one after another, then for an 8-bit animation its palette.
struct LoadedAnimation {
    uint8_t* block = nullptr;  // what FreeAnimation gives back
    // directory[0] the first frame, directory[1] the palette (null for 16-bit),
    // directory[2] null, directory[3 + i] frame i (uint16 width, uint16 height, pixels).
    uint8_t** directory = nullptr;
    uint16_t frames = 0;
    uint16_t depth = 0;  // 8 or 16

    const uint8_t* Frame(uint32_t i) const { return i < frames ? directory[3 + i] : nullptr; }
};

// Loads an animation whole. Returns the depth (8 or 16), 0 on failure (animation cleared).
int taf_adr(FileHandle source, const char* name, LoadedAnimation* animation);
// Gives the block back and clears the record; a cleared record is ignored.
void FreeAnimation(LoadedAnimation* animation);
