#pragma once
// What is wrong with a data file, in a form every reader can give and every program can put in
// its own words: the file (as found on disk, else the name asked for), the kind of damage and
// the chunk it concerns.

#include <string>

#include "engine/resources/file_manager.h"

enum class Damage : int {
    kNone = 0,
    kMissing,          // cannot be opened
    kShortHeader,      // shorter than a pool header
    kNotAPool,         // no "QRX"
    kNotPicturePool,   // a pool of another kind than 21
    kNotSoundPool,     // a pool of another kind than 24
    kIndexOutside,     // shorter than its header and index (chunk = the chunk count)
    kChunkOutside,     // an index entry or a chunk length points past the chunk area
    kNotAPicture,      // a chunk that is not a TBF/TPF picture
    kPictureSizes,     // a picture header that does not fit its chunk
    kPictureShort,     // picture data that end before the picture does
    kPictureOverfill,  // picture data that run past the picture (the decoder cuts them)
    kChunkNotASound,   // a sound-pool chunk that is not a WAV file
    kChunkSoundShort,  // a sound-pool chunk whose sound data end early
    kNotASound,        // a file that is not a WAV file
    kSoundShort,       // a WAV file whose sound data end early
    kNotAFont,         // not a TFF bitmap font the text drawer can use
    kFontShort,        // a font whose glyphs end early
    kNotAMovie,        // a movie that cannot be opened
    kMovieFrames,      // a movie whose first pictures cannot be decoded
    kChunkMissing,     // a pool without a chunk the game needs
};
constexpr int kDamageKinds = static_cast<int>(Damage::kChunkMissing) + 1;

struct FileDamage {
    Damage what = Damage::kNone;
    int chunk = -1;    // the chunk concerned (for kIndexOutside: the chunk count)
    std::string file;  // the path of the file as opened, else the name asked for

    explicit operator bool() const { return what != Damage::kNone; }
};

// The reasons in English, by kind: printf formats that take the chunk number (one int).
extern const char* const kEnglishDamageReasons[kDamageKinds];

// "<file>: <reason>", the reason taken from a table like the one above.
std::string DescribeDamage(const FileDamage& damage,
                           const char* const* reasons = kEnglishDamageReasons);

// The path an open file has on disk, for naming it; empty when it cannot be told.
std::string OpenFilePath(FileHandle handle);
