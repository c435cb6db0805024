#include "game/scenes/place_kit.h"

#include "game/asset_table.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/ui/hotspots.h"
#include "game/ui/movie.h"

PlacedPicture placed(int number) {
    const assets::Picture* p = assets::FindLocationPicture(number);
    if (!p) return {number, 0, 0, 0, 0};
    return {number, p->x, p->y, p->width, p->height};
}

bool placedHotspot(int number, const char* caption) {
    const PlacedPicture p = placed(number);
    return hotspotClicked(drawHotspot(number, p.x, p.y, caption));
}

bool backButton(const char* caption) {
    return hotspotClicked(drawHotspot(assets::kPicBack, 590, 10, caption));
}

bool areaHotspot(int x, int y, int width, int height, const char* caption) {
    registerHotspot(x, y, width, height, caption);
    const bool inside = cursorIn(x, y, width, height);
    if (inside && caption) drawCursorCaption(caption);
    return hotspotClicked(inside);
}

bool hiddenSpot(int number) {
    return placedHotspot(number, nullptr);
}

void goTo(int scene, const char* music) {
    if (!sceneAvailable(scene)) return;
    playClick();
    changeScene(scene, music);
}

int animationStep(unsigned counter, int framesPerStep, int steps) {
    return static_cast<int>(counter / static_cast<unsigned>(framesPerStep) %
                            static_cast<unsigned>(steps));
}

void placeText(int x, int y, const char* text) {
    drawShadowText(x, y, 0xFFFF, text);
}

void playTelevision(const char* music) {
    ++gameState().tvVisits;
    playMovie(assets::kMovieTvLogo, nullptr);
    playMovie(assets::kMovieTv, music);
}
