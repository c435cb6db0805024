// The sound pool and the background loops.

#include <strings.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "game/asset_table.h"
#include "tools/assetgen/parts.h"
#include "tools/assetgen/synth.h"

namespace gen {

namespace {

std::string WithSlashes(const char* gameName) {
    std::string s = gameName;
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

// The folder of the sound pool ("tap/"): the loops live there too.
std::string SoundFolder() {
    const std::string pool = WithSlashes(assets::kSoundPool);
    return pool.substr(0, pool.find('/') + 1);
}

// A game name as a path under the data directory. The game spells the loops' folder "TAP" and
// the sound pool's "tap" and finds both either way; written as two folders they would be one on
// a file system that ignores case, so the loops go into the pool's spelling.
std::string PathOf(const char* gameName) {
    std::string s = WithSlashes(gameName);
    const std::string folder = SoundFolder();
    if (s.size() > folder.size() && strncasecmp(s.c_str(), folder.c_str(), folder.size()) == 0)
        s.replace(0, folder.size(), folder);
    return s;
}

// Sets written before the loops moved hold a second folder "TAP" beside "tap" (on a file system
// that tells them apart); the loops in it are written again, so it goes.
void RemoveOldLoopFolder(const Output& out) {
    std::string upper = SoundFolder();
    upper.pop_back();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::filesystem::path old = out.Path(upper), current = out.Path(SoundFolder());
    std::error_code error;
    std::filesystem::directory_iterator it(out.Root(), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->path().filename() != upper || !it->is_directory()) continue;
        if (std::filesystem::exists(current, error) &&
            std::filesystem::equivalent(old, current, error))
            return;
        std::filesystem::remove_all(old, error);
        return;
    }
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
    return out.Write(PathOf(assets::kSoundPool), BuildPool(assets::kSoundPoolKind, chunks));
}

bool WriteMusic(const Output& out) {
    RemoveOldLoopFolder(out);
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
