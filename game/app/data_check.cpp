#include "game/app/data_check.h"

#include <cstdio>
#include <string>

#include "engine/audio/wav_header.h"
#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/memory/typed_loaders.h"
#include "engine/platform/text_encoding.h"
#include "engine/resources/little_endian.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_check.h"
#include "engine/resources/pool/pool_format.h"
#include "engine/video/movie_player.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/ui/damage_report.h"
#include "texts/texts.h"

namespace {

// What the main menu draws: without these the game shows a black screen.
constexpr std::initializer_list<int> kMenuPictures = {
    assets::kPicMenuBackground, assets::kPicMenuNewGame, assets::kPicMenuLoad,
    assets::kPicMenuIntro,      assets::kPicMenuQuit,    assets::kPicCursor};

// Enough pictures to tell a movie that plays from one that only opens.
constexpr int kMovieFramesChecked = 5;

// The path a name opens to, else the name.
std::string pathOf(const char* name) {
    const int16_t code = GetErrorCode();
    FileHandle handle = Files().Open(name, "rb");
    std::string path = OpenFilePath(handle);
    Files().Close(handle);
    SetErrorCode(code);
    return path.empty() ? std::string(name) : path;
}

PoolCheck checkLocation(PoolContent content) {
    PoolCheck check = CheckPoolFile(assets::kLocationPool, kPoolKindPicture, content);
    RequireChunks(check, kMenuPictures);
    return check;
}

FileDamage firstMenuDamage(const PoolCheck& check) {
    if (check.pool) return check.pool;
    for (const FileDamage& damage : check.damaged) {
        for (int picture : kMenuPictures) {
            if (damage.chunk == picture) return damage;
        }
    }
    return {};
}

FileDamage checkWavFile(const char* name) {
    FileDamage damage{Damage::kNone, -1, name};
    FileHandle handle = Files().Open(name, "rb");
    if (!handle) {
        damage.what = Damage::kMissing;
        SetErrorCode(kErrNone);
        return damage;
    }
    damage.file = pathOf(name);
    const long length = Files().Length(handle);
    damage.what = CheckWav(handle, static_cast<uint32_t>(length < 0 ? 0 : length));
    Files().Close(handle);
    return damage;
}

FileDamage checkMovieFile(MoviePlayer& player, const char* name) {
    FileDamage damage{Damage::kNone, -1, pathOf(name)};
    FileHandle probe = Files().Open(name, "rb");
    Files().Close(probe);
    if (!probe) {
        damage.what = Damage::kMissing;
    } else if (!player.Open(name, 1, MovieRect{})) {
        damage.what = Damage::kNotAMovie;
    } else if (player.DecodeFrames(kMovieFramesChecked) <= 0) {
        damage.what = Damage::kMovieFrames;
    }
    player.Close();
    SetErrorCode(kErrNone);
    return damage;
}

FileDamage checkFontFile() {
    uint8_t* font = nullptr;
    SetErrorCode(kErrNone);
    tff_adr(nullptr, assets::kFontFile, &font);
    const FileDamage damage = fontDamage(assets::kFontFile, font, GetErrorCode());
    MemFree(font);
    SetErrorCode(kErrNone);
    return damage;
}

}  // namespace

FileDamage fontDamage(const char* name, const uint8_t* font, int16_t code) {
    FileDamage damage;
    if (!font || code != kErrNone) {
        damage.what = code == kErrOpen   ? Damage::kMissing
                      : code == kErrRead ? Damage::kFontShort
                                         : Damage::kNotAFont;
    } else if (LoadLE16(font + 18) != 0 || LoadLE16(font + 14) < 8 || LoadLE16(font + 16) == 0) {
        // A picture font, or cells the text drawer cannot draw: it keeps the font it has.
        damage.what = Damage::kNotAFont;
    }
    if (damage) damage.file = pathOf(name);
    return damage;
}

bool checkLocationPool() {
    const PoolCheck check = checkLocation(PoolContent::kPictures);
    if (check.whole()) return true;
    const FileDamage menu = firstMenuDamage(check);
    // Named here, the pool is not named again when its damaged pictures are drawn.
    NotePictureDamageReported(check.file);
    if (!menu) {
        // Single pictures are missing from the scenes: the game goes on without them.
        setDamageError(kErrFormat, nullptr, damageLine(check));
        showErrorEverywhere();
        return true;
    }
    // The words the pool's opening has for a file that is no picture pool at all.
    int16_t code = kErrFormat;
    const char* engine = nullptr;
    switch (check.pool.what) {
        case Damage::kMissing:
            code = kErrOpen;
            break;
        case Damage::kShortHeader:
            code = kErrRead;
            engine = "TGP-FILE";
            break;
        case Damage::kNotAPool:
        case Damage::kNotPicturePool:
            engine = "NO TGP-FILE !";
            break;
        default:
            break;
    }
    // The menu's own picture is the one to name.
    const std::string line = check.pool
                                 ? damageLine(check)
                                 : damageLine(menu, static_cast<int>(check.damaged.size()) - 1);
    setDamageError(code, engine, line + "\n" + txt::kCannotStart);
    showErrorEverywhere();
    return false;
}

int checkDataSet(std::FILE* out) {
    int files = 0;
    int damaged = 0;
    const auto note = [&](const std::string& line, bool whole) {
        ++files;
        if (whole) return;
        ++damaged;
        std::fprintf(out, "%s\n", platform::EngineTextToUtf8(line).c_str());
    };
    const auto notePool = [&](const PoolCheck& check) { note(damageLine(check), check.whole()); };
    const auto noteFile = [&](const FileDamage& damage) {
        note(damage ? damageLine(damage) : std::string(), !damage);
    };

    noteFile(checkFontFile());
    notePool(checkLocation(PoolContent::kDecoded));
    for (int beach = 1; beach <= assets::kBeachCount; ++beach)
        notePool(checkBeachPool(beach, PoolContent::kDecoded));
    notePool(checkVisitorPool(PoolContent::kDecoded));
    notePool(
        CheckPoolFile(assets::kSoundPool, kPoolKindGeneral, PoolContent::kChunks, CheckWavChunk));
    for (const char* music : assets::kAllMusic) noteFile(checkWavFile(music));
    MoviePlayer player(nullptr);
    player.SetShowErrors(0);
    for (const char* movie : assets::kAllMovies) noteFile(checkMovieFile(player, movie));

    char summary[128];
    if (damaged == 0) {
        std::snprintf(summary, sizeof summary, txt::kCheckWhole, files);
    } else {
        std::snprintf(summary, sizeof summary, txt::kCheckDamaged, files, damaged);
    }
    std::fprintf(out, "%s\n", platform::EngineTextToUtf8(summary).c_str());
    return damaged == 0 ? 0 : 1;
}
