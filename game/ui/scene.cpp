#include "game/ui/scene.h"

#include <algorithm>
#include <cstring>

#include "engine/audio/sound_manager.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_entry.h"
#include "game/asset_table.h"
#include "game/state/clock.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/ui/hotspots.h"

namespace {
constexpr int kMusicChannel = kFirstStreamChannel;
constexpr int kClickChannel = 1;
int gClickSample = -1;
}  // namespace

int& clickSample() {
    return gClickSample;
}

PageView scenePage() {
    return GetDrawTarget();
}

PicView locationPicture(int n) {
    return picView(Pictures().Get(n));
}

bool cursorIn(int x, int y, int width, int height) {
    const FrameValues& f = frameValues();
    return f.mouseX >= x && f.mouseX < x + width && f.mouseY >= y && f.mouseY < y + height;
}

bool drawHotspot(PicView picture, int x, int y, const char* caption) {
    if (!picture) return false;
    registerHotspot(x, y, picture.width, picture.height, caption);
    const bool inside = cursorIn(x, y, picture.width, picture.height);
    if (inside) {
        drawKeyed(scenePage(), picture, x, y);
        if (caption) drawCursorCaption(caption);
    } else {
        drawFaded(scenePage(), picture, x, y);
    }
    return inside;
}

bool drawHotspot(int pictureNumber, int x, int y, const char* caption) {
    return drawHotspot(locationPicture(pictureNumber), x, y, caption);
}

bool hotspotClicked(bool inside) {
    return inside && frameValues().clicked != 0;
}

CaptionPlace captionPlace(int characters, int x, int y) {
    const int width = 8 * characters;
    int left = x - width / 2;
    left = std::max(left, 6);
    left = std::min(left, 636 - width);
    return {left, std::clamp(y, 0, 465)};
}

void drawCaption(const char* text, int x, int y, uint16_t boxColour, uint16_t textColour,
                 uint16_t frameColour) {
    if (!text) return;
    const int n = static_cast<int>(std::strlen(text));
    const CaptionPlace place = captionPlace(n, x, y);
    tintBox(scenePage(), place.left - 5, place.y - 2, 8 * n + 8, 14, boxColour);
    DrawRect(place.left - 6, place.y - 3, place.left + 8 * n + 3, place.y + 12, frameColour);
    PrintText(place.left, place.y, textColour, kTransparentBackground, "%s", text);
}

void drawCursorCaption(const char* text) {
    const FrameValues& f = frameValues();
    drawCaption(text, f.mouseX, f.mouseY + 13, 0xFFFF, 1, 0xFFE0);
}

void drawShadowText(int x, int y, uint16_t colour, const char* text) {
    PrintText(x + 1, y + 1, 0, kTransparentBackground, "%s", text);
    PrintText(x, y, colour, kTransparentBackground, "%s", text);
}

void playPoolSample(int channel, int entry, int& sample) {
    Sound().StopChannel(channel);
    if (sample == -1) {
        const FileHandle pool = soundPool();
        PoolEntry found;
        if (pool && LocatePoolEntry(pool, entry, &found) && found.selected == entry) {
            sample = Sound().LoadSample(pool);
        }
    }
    if (sample != -1) Sound().Play(channel, sample, 1);
}

void playClick() {
    playPoolSample(kClickChannel, assets::kSoundClick, gClickSample);
}

void startMusic(const char* music) {
    Sound().StopChannel(kMusicChannel);
    if (music) Sound().StreamFile(music, kMusicChannel, kRepeatForever);
}

void changeScene(int scene, const char* music) {
    gameState().sceneId = scene;
    if (music) startMusic(music);
}

void drawDayNightBackground(int dayPicture, int nightPicture) {
    const GameState& s = gameState();
    if (frameValues().detailMode == 0) {
        const bool day = s.hour >= 9 && s.hour <= 19;
        drawCopy(scenePage(), locationPicture(day ? dayPicture : nightPicture), 0, 0);
        return;
    }
    const int night = dayNightWeight();
    blendTwo(scenePage(), locationPicture(dayPicture), locationPicture(nightPicture), 255 - night);
}
