// The main menu (scene 0): new game, load, the intro again, and quit.

#include "game/asset_table.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/hotspots.h"
#include "game/ui/modal_box.h"
#include "game/ui/movie.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

struct MenuButton {
    int picture;
    int x;
    int y;
};
constexpr MenuButton kNewGameButton = {assets::kPicMenuNewGame, 480, 160};
constexpr MenuButton kLoadButton = {assets::kPicMenuLoad, 480, 240};
constexpr MenuButton kIntroButton = {assets::kPicMenuIntro, 480, 320};
constexpr MenuButton kQuitButton = {assets::kPicMenuQuit, 470, 410};

// Menu buttons are drawn keyed whether hovered or not; the caption shows while hovered.
bool menuButton(const MenuButton& button, const char* caption) {
    const PicView picture = locationPicture(button.picture);
    if (!picture) return false;
    registerHotspot(button.x, button.y, picture.width, picture.height, caption);
    drawKeyed(scenePage(), picture, button.x, button.y);
    const bool inside = cursorIn(button.x, button.y, picture.width, picture.height);
    if (inside) drawCursorCaption(caption);
    return hotspotClicked(inside);
}

}  // namespace

void runMenuScene() {
    GameState& s = gameState();
    drawCopy(scenePage(), locationPicture(assets::kPicMenuBackground), 0, 0);

    if (menuButton(kNewGameButton, txt::kNewGame)) {
        startNewGame();
        playClick();
        playMovie(assets::kMovieNewGame, assets::kMusicMap);
        s.sceneId = kSceneMap;
    }
    // The load screen comes with the savegames; until then the button leads nowhere.
    if (menuButton(kLoadButton, txt::kLoadSavedGame) && sceneAvailable(kSceneLoadGame)) {
        playClick();
        s.sceneId = kSceneLoadGame;
    }
    if (menuButton(kIntroButton, txt::kViewIntro)) {
        playClick();
        playMovie(assets::kMovieIntro, assets::kMusicMap);
    }
    if (menuButton(kQuitButton, txt::kQuitGame)) {
        playClick();
        if (confirmBox(210, 250, txt::kAreYouSure, txt::kBlankLine) == 1) s.sceneId = kSceneQuit;
    }
}
