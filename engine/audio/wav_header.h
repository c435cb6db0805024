#pragma once
// The header of a RIFF WAV file read from an open file: "RIFF", "WAVE", the "fmt" chunk, and the
// "data" chunk found by a byte scan past any chunks in between.

#include <cstdint>

#include "engine/audio/pcm_format.h"
#include "engine/resources/file_damage.h"
#include "engine/resources/file_manager.h"

// Reads from the handle's position up to the sound data and leaves the handle there. 1 on
// success; 0 with error 20 and, for the three tags, the context message
// "Wave Format Error 'RIFF'", "... 'WAVE'" or "... 'fmt'".
int ParseWavHeader(FileHandle handle, PcmFormat* format, uint32_t* dataLength);

// Whether the WAV file at the handle's position, `available` bytes long, is one the sound
// manager can play whole: kNone; kNotASound for missing tags or a format the sound buffers
// cannot play; kSoundShort for sound data that end before their stated length. The error code
// and context message are left as they were.
Damage CheckWav(FileHandle handle, uint32_t available);
// The same for a chunk of the sound pool (kChunkNotASound, kChunkSoundShort).
Damage CheckWavChunk(FileHandle handle, uint32_t length);
