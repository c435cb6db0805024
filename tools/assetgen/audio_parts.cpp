// The sound pool and the background loops.

#include <string>

#include "game/asset_table.h"
#include "tools/assetgen/parts.h"
#include "tools/assetgen/synth.h"

namespace gen {

namespace {

// The game's spelling "TAP\x.wav" as a path under the data directory.
std::string PathOf(const char* gameName) {
    std::string s = gameName;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

struct Loop {
    const char* file;
    Song song;
};

// Each place its own piece: tempo, key and instruments chosen for its mood; 8 to 20 seconds.
const Loop kLoops[] = {
    {assets::kMusicMap,
     {11, 112, 6, 60, false, Voice::Marimba, Voice::Guitar, true, true, Ambience::Surf, 0.1f}},
    {assets::kMusicGate,
     {12, 96, 5, 62, false, Voice::Piano, Voice::Pad, true, true, Ambience::None, 0.2f}},
    {assets::kMusicHotel,
     {13, 104, 5, 57, false, Voice::Guitar, Voice::Pad, true, false, Ambience::Surf, 0.0f}},
    {assets::kMusicHotel3,
     {14, 120, 6, 64, false, Voice::Steel, Voice::Guitar, true, true, Ambience::Surf, 0.15f}},
    {assets::kMusicTown,
     {15, 126, 6, 62, false, Voice::Organ, Voice::Guitar, true, true, Ambience::Crowd, 0.0f}},
    {assets::kMusicShop,
     {16, 118, 6, 65, false, Voice::Piano, Voice::Guitar, true, true, Ambience::None, 0.25f}},
    {assets::kMusicLobby,
     {17, 92, 4, 60, false, Voice::Piano, Voice::Pad, true, false, Ambience::Room, 0.2f}},
    {assets::kMusicLobby2,
     {18, 100, 4, 63, false, Voice::Marimba, Voice::Organ, true, false, Ambience::Room, 0.2f}},
    {assets::kMusicRoom,
     {19, 76, 3, 58, false, Voice::Piano, Voice::Pad, false, false, Ambience::Surf, 0.0f}},
    {assets::kMusicComputer,
     {20, 128, 5, 57, true, Voice::Bleep, Voice::Pad, true, true, Ambience::None, 0.0f}},
    {assets::kMusicHospital,
     {21, 72, 3, 55, false, Voice::Pad, Voice::Pad, false, false, Ambience::Monitor, 0.0f}},
    {assets::kMusicPolice,
     {22, 110, 4, 52, true, Voice::Organ, Voice::Pad, true, true, Ambience::None, 0.0f}},
    {assets::kMusicBeach,
     {23, 116, 6, 62, false, Voice::Steel, Voice::Marimba, true, true, Ambience::Surf, 0.12f}},
};

}  // namespace

bool WriteSoundPool(const Output& out) {
    std::vector<Bytes> chunks(assets::kSoundEntries);
    chunks[0] = Wav(Samples(kSampleRate / 10));
    chunks[assets::kSoundClick] = Wav(Click());
    chunks[assets::kSoundShutter] = Wav(Shutter());
    return out.Write("tap/sound.tap", BuildPool(assets::kSoundPoolKind, chunks));
}

bool WriteMusic(const Output& out) {
    bool ok = true;
    for (const Loop& loop : kLoops)
        ok = out.Write(PathOf(loop.file), Wav(RenderSong(loop.song))) && ok;
    // The launcher's title tune: the island theme once through.
    Song title = kLoops[0].song;
    title.bars = 4;
    title.ambience = Ambience::None;
    ok = out.Write(PathOf(assets::kLauncherTune), Wav(RenderSong(title))) && ok;
    return ok;
}

}  // namespace gen
