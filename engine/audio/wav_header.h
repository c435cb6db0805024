#pragma once
// The header of a RIFF WAV file read from an open file: "RIFF", "WAVE", the "fmt" chunk, and the
// "data" chunk found by a byte scan past any chunks in between.

#include <cstdint>

#include "engine/audio/pcm_format.h"
#include "engine/resources/file_manager.h"

// Reads from the handle's position up to the sound data and leaves the handle there. 1 on
// success; 0 with error 20 and, for the three tags, the context message
// "Wave Format Error 'RIFF'", "... 'WAVE'" or "... 'fmt'".
int ParseWavHeader(FileHandle handle, PcmFormat* format, uint32_t* dataLength);
