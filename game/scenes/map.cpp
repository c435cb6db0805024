// The island map (scene 1): travel to every place, the game speed, the end of the day, and
// the load, save and title-screen buttons.

#include "game/asset_table.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/hotspots.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

struct MapPlace {
    int x;
    int y;
};

// Map indices 0..9 beaches, 10..12 hotels, 13 shop and town, 22 hospital, 23 police.
constexpr MapPlace kBeachPlace[kBeaches] = {{478, 2},   {280, 45},  {199, 93},  {529, 79},
                                            {86, 221},  {169, 199}, {479, 184}, {86, 286},
                                            {426, 271}, {160, 363}};
constexpr MapPlace kHotelPlace[kHotels] = {{404, 126}, {275, 195}, {278, 363}};
constexpr MapPlace kShopPlace = {252, 256};
constexpr MapPlace kHospitalPlace = {164, 297};
constexpr MapPlace kPolicePlace = {296, 316};
constexpr MapPlace kLoadPlace = {559, 314};
constexpr MapPlace kSavePlace = {565, 370};
constexpr MapPlace kMenuPlace = {515, 421};
constexpr MapPlace kEndDayPlace = {79, 10};
constexpr MapPlace kSpeedPlace[3] = {{16, 51}, {91, 46}, {166, 51}};
constexpr MapPlace kPreviewPlace = {530, 240};

constexpr const char* kHotelMusic[kHotels] = {assets::kMusicHotel, assets::kMusicHotel,
                                              assets::kMusicHotel3};

// Members-only beaches (index 0..9) lead to their gates; -1 for the open beaches.
int gateOf(int beach) {
    for (int gate = 0; gate < kVipGates; ++gate) {
        if (kGateBeachScene[gate] == beachScene(beach + 1)) return gate;
    }
    return -1;
}

// Where the player marker stands: the place of `location`, lower by 50 (30 for hotels).
MapPlace playerMarkerPlace(int location) {
    if (isBeachScene(location)) {
        const MapPlace p = kBeachPlace[beachOfScene(location) - 1];
        return {p.x, p.y + 50};
    }
    if (location >= kSceneHotel1Lobby && location <= kSceneHotel3Lobby) {
        const MapPlace p = kHotelPlace[location - kSceneHotel1Lobby];
        return {p.x, p.y + 30};
    }
    if (location == kSceneShop || location == kSceneTownStreet) {
        return {kShopPlace.x, kShopPlace.y + 50};
    }
    if (location == kSceneHospitalInside) return {kHospitalPlace.x, kHospitalPlace.y + 50};
    if (location == kScenePoliceInside) return {kPolicePlace.x, kPolicePlace.y + 50};
    return {300, 220};
}

// A place whose scene is not there yet does nothing.
void travel(int scene, const char* music) {
    if (!sceneAvailable(scene)) return;
    playClick();
    changeScene(scene, music);
}

const char* const* speedCaptions() {
    static const char* const captions[3] = {txt::kSpeedSlow, txt::kSpeedNormal, txt::kSpeedFast};
    return captions;
}

}  // namespace

void runMapScene() {
    GameState& s = gameState();
    const PageView page = scenePage();
    drawCopy(page, locationPicture(assets::kPicMap), 0, 0);
    const MapPlace marker = playerMarkerPlace(s.location);
    int preview = -1;

    for (int b = 0; b < kBeaches; ++b) {
        const bool inside = drawHotspot(assets::kPicMapBeach, kBeachPlace[b].x, kBeachPlace[b].y,
                                        txt::kBeachNames[b]);
        const int gate = gateOf(b);
        if (inside && gate >= 0) preview = assets::kPicPreviewVipBeach[gate];
        if (hotspotClicked(inside)) {
            if (gate >= 0) {
                travel(kGateScene[gate], assets::kMusicGate);
            } else {
                travel(beachScene(b + 1), nullptr);
            }
        }
    }
    for (int h = 0; h < kHotels; ++h) {
        const bool inside = drawHotspot(assets::kPicMapHotel, kHotelPlace[h].x, kHotelPlace[h].y,
                                        txt::kHotelNames[h]);
        if (inside) preview = assets::kPicPreviewHotel[h];
        if (hotspotClicked(inside)) travel(kHotelOutsideScene[h], kHotelMusic[h]);
    }
    struct TownPlace {
        int picture;
        MapPlace place;
        const char* caption;
        int preview;
        int scene;
    };
    const TownPlace town[3] = {{assets::kPicMapShop, kShopPlace, txt::kRavezShop,
                                assets::kPicPreviewShop, kSceneTownStreet},
                               {assets::kPicMapHospital, kHospitalPlace, txt::kHospitalMap,
                                assets::kPicPreviewHospital, kSceneHospitalOutside},
                               {assets::kPicMapPolice, kPolicePlace, txt::kPoliceMap,
                                assets::kPicPreviewPolice, kScenePoliceOutside}};
    for (const TownPlace& t : town) {
        const bool inside = drawHotspot(t.picture, t.place.x, t.place.y, t.caption);
        if (inside) preview = t.preview;
        if (hotspotClicked(inside)) travel(t.scene, assets::kMusicTown);
    }

    for (int speed = 0; speed < 3; ++speed) {
        const PicView picture = locationPicture(assets::kPicMapSpeed[speed]);
        if (!picture) continue;
        const MapPlace p = kSpeedPlace[speed];
        registerHotspot(p.x, p.y, picture.width, picture.height, speedCaptions()[speed]);
        const bool inside = cursorIn(p.x, p.y, picture.width, picture.height);
        if (s.gameSpeed == speed) {
            drawKeyed(page, picture, p.x, p.y);
        } else {
            drawFaded(page, picture, p.x, p.y);
        }
        if (inside) drawCursorCaption(speedCaptions()[speed]);
        if (hotspotClicked(inside)) {
            playClick();
            s.gameSpeed = speed;
        }
    }

    if (hotspotClicked(
            drawHotspot(assets::kPicMapEndDay, kEndDayPlace.x, kEndDayPlace.y, txt::kEndDay))) {
        playClick();
        s.hour = 23;
        s.minute = 59;
        s.second = 59;
    }

    drawKeyed(page, locationPicture(assets::kPicMapPlayer), marker.x, marker.y);

    if (hotspotClicked(
            drawHotspot(assets::kPicMapLoad, kLoadPlace.x, kLoadPlace.y, txt::kLoadGame))) {
        travel(kSceneLoadGame, nullptr);
    }
    if (hotspotClicked(
            drawHotspot(assets::kPicMapSave, kSavePlace.x, kSavePlace.y, txt::kSaveGame))) {
        travel(kSceneSaveGame, nullptr);
    }
    if (hotspotClicked(
            drawHotspot(assets::kPicMapMenu, kMenuPlace.x, kMenuPlace.y, txt::kToStartScreen))) {
        travel(kSceneMenu, nullptr);
    }

    if (preview >= 0) drawKeyed(page, locationPicture(preview), kPreviewPlace.x, kPreviewPlace.y);
}
