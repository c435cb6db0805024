#include "game/app/main_loop.h"

#include <cstdio>
#include <string>

#include "engine/audio/sound_manager.h"
#include "engine/audio/wav_header.h"
#include "engine/base/messages.h"
#include "engine/display/builtin_font.h"
#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/input/input.h"
#include "engine/input/pointer.h"
#include "engine/memory/memory.h"
#include "engine/memory/typed_loaders.h"
#include "engine/platform/terminal.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_check.h"
#include "game/app/data_check.h"
#include "game/app/resolution.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/scenes.h"
#include "game/state/clock.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/damage_report.h"
#include "game/ui/movie.h"
#include "game/ui/panels.h"
#include "game/ui/picture_ownership.h"
#include "game/ui/runtime.h"
#include "game/ui/scene.h"
#include "game/ui/scene_draw.h"
#include "texts/texts.h"

namespace {

constexpr int kSampleTable = 1000;
constexpr const char* kNoSoundPool = "NO TAP-FILE !";
int gSamples[kSampleTable];
uint8_t* gFont = nullptr;

void loadFont() {
    if (gFont) {
        SetFont(BuiltinFontRecord());
        MemFree(gFont);
        gFont = nullptr;
    }
    uint8_t* font = nullptr;
    SetErrorCode(kErrNone);
    tff_adr(nullptr, assets::kFontFile, &font);
    const FileDamage damage = fontDamage(assets::kFontFile, font, GetErrorCode());
    if (!damage) {
        gFont = font;
        SetFont(gFont);
    } else {
        // The built-in font draws every text; the player only learns why it looks different.
        MemFree(font);
        const std::string line = damageLine(damage) + txt::kBuiltinFontUsed;
        platform::printToStderr("%s\n", line.c_str());
    }
    SetErrorCode(kErrNone);
}

// The pointer draws the cursor picture from frame to frame, so it holds it: whatever frees the
// picture (a beach making room for its own) switches the pointer off first, and the next frame
// hands it the picture again.
void letPointerGo(const uint8_t* picture) {
    forgetPointerPicture(picture);
}

void setCursorPicture() {
    uint8_t* cursor = Pictures().Hold(assets::kPicCursor, &letPointerGo);
    if (cursor) {
        setPointerPicture(reinterpret_cast<const uint16_t*>(cursor), MemBlockSize(cursor));
    }
}

// The scene's context, then the scene itself.
void callScene(GameState& s, FrameValues& f) {
    switch (s.sceneId) {
        case kSceneMenu:
            s.onMap = 0;
            break;
        case kSceneMap:
            s.onMap = 1;
            break;
        case kSceneHotel1Lobby:
        case kSceneHotel2Lobby:
        case kSceneHotel3Lobby:
            s.currentHotel = s.sceneId - kSceneHotel1Lobby;
            break;
        case kSceneHotel1Room:
            s.currentRoom = 0;
            break;
        case kSceneHotel2Room:
            s.currentRoom = 1;
            break;
        case kSceneHotel3Room:
            s.currentRoom = 2;
            break;
        case kSceneQuit:
            f.keyCode = 27;
            break;
        default:
            break;
    }
    const int scene = s.sceneId;
    if (SceneFrame frame = sceneFrame(scene)) frame();
    if (scene != kSceneMenu && scene != kSceneApartment && scene != kSceneQuit &&
        !isBeachScene(scene)) {
        drawDatePanel(10, 430, 0xFFFF);
        drawMoneyPanel(10, 400, 0xFFFF);
    }
    s.location = locationAfterScene(scene, s.location);
}

}  // namespace

int locationAfterScene(int sceneId, int location) {
    switch (sceneId) {
        case kSceneShop:
        case kSceneTownStreet:
        case kSceneApartment:
        case kSceneCameraCounter:
        case kSceneCamouflageCounter:
            return kSceneShop;
        case kSceneHotel1Lobby:
        case kSceneHotel1Outside:
        case kSceneLaptop:
            return kSceneHotel1Lobby;
        case kSceneHotel2Lobby:
        case kSceneHotel2Outside:
            return kSceneHotel2Lobby;
        case kSceneHotel3Lobby:
        case kSceneHotel3Outside:
            return kSceneHotel3Lobby;
        case kSceneHospitalOutside:
            return kSceneHospitalInside;
        case kScenePoliceOutside:
            return kScenePoliceInside;
        case kSceneGateBeach2:
            return kSceneBeach2;
        case kSceneGateBeach4:
            return kSceneBeach4;
        case kSceneGateBeach7:
            return kSceneBeach7;
        case kSceneGateBeach8:
            return kSceneBeach8;
        default:
            return isBeachScene(sceneId) ? sceneId : location;
    }
}

int checkGameEnd() {
    GameState& s = gameState();
    const bool room = s.roomRented[0] || s.roomRented[1] || s.roomRented[2];
    if ((s.money < 150 && !room) || s.money < 0) {
        playMovie(assets::kMovieGameOver, assets::kMusicMap);
        s.sceneId = kSceneMenu;
        return 1;
    }
    if (s.money >= 150000) {
        playMovie(assets::kMovieWon, assets::kMusicMap);
        s.sceneId = kSceneMenu;
        return 2;
    }
    return 0;
}

void startMainLoop() {
    FrameValues& f = frameValues();
    Runtime& rt = runtime();
    fillBlendTable();
    rebuildVisitorTypes();
    installDayEndNotices();
    const Resolution size = resolutionFor(f.resolutionMode);
    if (rt.display &&
        !rt.display->SetDirectDrawMode(size.width, size.height, 16, 0, kBufferingQuad)) {
        rt.display->CheckFatalError();
    }
    for (int& sample : gSamples) sample = -1;
    loadFont();

    const bool soundPoolOpen = OpenSoundPool(0, assets::kSoundPool) != 0;
    const int16_t openError = GetErrorCode();
    const PoolCheck sounds =
        CheckPoolFile(assets::kSoundPool, kPoolKindGeneral, PoolContent::kChunks, &CheckWavChunk);
    if (!soundPoolOpen || !sounds.whole()) {
        // A missing pool and one that is not a sound pool are reported alike, as "NO TAP-FILE !";
        // the file and what is wrong with it follow. The game goes on, without those sounds.
        setDamageError(soundPoolOpen ? int16_t{kErrFormat} : openError,
                       soundPoolOpen ? nullptr : kNoSoundPool,
                       sounds.whole() ? std::string(assets::kSoundPool) : damageLine(sounds));
        showErrorEverywhere();
    }
    SetErrorCode(kErrNone);
    OpenPicturePool(kLocationPoolSlot, assets::kLocationPool);
    Pictures().Attach(kLocationPoolSlot);
    preloadCommonPictures();
    SetErrorCode(kErrNone);
    hideSystemPointer();

    playMovie(assets::kMovieIntro, assets::kMusicMap);
    f.buttonWasDown = 0;
    // The clock counts from here until a new game sets its own start: counting from the
    // counter's origin would run the clock through the machine's whole uptime in one frame.
    f.frameEndCounter = turnCounter();
    f.lastTickCounter = f.frameEndCounter;
}

bool runFrame() {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    setCursorPicture();
    if (!pumpTurn()) return false;
    KeyRecord key;
    MouseRecord mouse;
    pollKeys(&key);
    pollMouse(&mouse);
    f.keyCode = key.key;
    f.mouseX = mouse.x;
    f.mouseY = mouse.y;
    f.buttonDown = mouse.left != 0;
    f.clicked = f.buttonDown && !f.buttonWasDown;

    releaseForeignPictures(s.sceneId);
    callScene(s, f);
    advanceClock(0);

    // One reading per turn: the frame lasts from this turn's start to the next one's.
    const uint64_t now = turnCounter();
    f.frameMs = elapsedMs(f.frameEndCounter, now, f.perfFrequency);
    presentFrame();
    f.frameEndCounter = now;

    if (s.sceneId == kSceneMap) checkGameEnd();
    f.buttonWasDown = f.buttonDown;
    return f.keyCode != 27;
}

void endMainLoop() {
    setPointerPicture(nullptr, 0);
    Pictures().ReleaseAll();
    releaseBeach();
    for (int& sample : gSamples) {
        if (sample != -1) Sound().FreeSample(sample);
        sample = -1;
    }
    if (clickSample() != -1) Sound().FreeSample(clickSample());
    clickSample() = -1;
    startMusic(nullptr);
    if (gFont) {
        SetFont(BuiltinFontRecord());
        MemFree(gFont);
        gFont = nullptr;
    }
}

void runMainLoop() {
    startMainLoop();
    while (runFrame()) {
    }
    endMainLoop();
}
