// One frame of a beach: the panorama by the time of day, the panel and its buttons, visitors
// arriving, posing and leaving, the camera's zoom, viewfinder and photos, the flash, the film
// strip, the clock and money, scrolling, leaving, and the hourly danger.

#include <algorithm>
#include <cstring>

#include "engine/display/svgahi.h"
#include "engine/input/input.h"
#include "engine/platform/window_messages.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/scenes/beach/beach_pixels.h"
#include "game/scenes/beach/beach_view.h"
#include "game/scenes/beach/blended_panorama.h"
#include "game/scenes/beach/danger.h"
#include "game/scenes/beach/incidents.h"
#include "game/scenes/beach/lit_sprites.h"
#include "game/scenes/beach/photo_grade.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/beach/visitors.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/hotspots.h"
#include "game/ui/panels.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

constexpr int kZoomPartX = 80;  // the centre 160 × 90 of the viewfinder, shown at twice the size
constexpr int kZoomPartY = 45;
constexpr int kZoomPartWidth = 160;
constexpr int kZoomPartHeight = 90;
constexpr int kStripX = 23;
constexpr int kStripY = 425;
constexpr int kStripStep = 60;
constexpr int kStripWidth = 55;
constexpr int kStripHeight = 31;
constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kEmptyFrame = 0x8410;

enum Button { kCamera0, kCamera1, kCamera2, kZoom, kFlash, kCamouflage, kBalance, kClock, kLeave };

const char* buttonLabel(int button) {
    switch (button) {
        case kCamera0:
        case kCamera1:
        case kCamera2:
            return txt::kCameraNames[button];
        case kZoom:
            return txt::kZoom;
        case kFlash:
            return txt::kFlash;
        case kCamouflage:
            return txt::kCamouflage;
        case kBalance:
            return txt::kBalanceOnOff;
        case kClock:
            return txt::kClockOnOff;
        default:
            return txt::kLeaveBeach;
    }
}

bool anyCamouflage(const GameState& s) {
    for (int32_t item : s.camouflage) {
        if (item) return true;
    }
    return false;
}

// Whether a button is shown; the toggles of buttons not shown are switched off.
bool buttonShown(GameState& s, int button) {
    const int c = s.selectedCamera;
    switch (button) {
        case kCamera0:
        case kCamera1:
        case kCamera2:
            return s.camera[button] != 0;
        case kZoom:
            if (s.lens[c]) return true;
            s.zoomOn = 0;
            return false;
        case kFlash:
            if (s.flash[c]) return true;
            s.flashOn = 0;
            return false;
        case kCamouflage:
            if (anyCamouflage(s)) return true;
            s.camouflageOn = 0;
            return false;
        default:
            return true;
    }
}

bool buttonActive(const GameState& s, int button) {
    switch (button) {
        case kCamera0:
        case kCamera1:
        case kCamera2:
            return s.selectedCamera == button;
        case kZoom:
            return s.zoomOn != 0;
        case kFlash:
            return s.flashOn != 0;
        case kCamouflage:
            return s.camouflageOn != 0;
        case kBalance:
            return s.balanceShown != 0;
        case kClock:
            return s.clockShown != 0;
        default:
            return false;
    }
}

void toggle(int32_t& flag) {
    flag = flag ? 0 : 1;
}

// Step 4: the buttons. Returns whether "leave" was hit; the label of a hovered button is
// handed out to be drawn last, so that nothing of the view covers it.
bool drawButtons(GameState& s, const PageView& page, const char** hoverLabel) {
    bool leave = false;
    for (int button = kCamera0; button <= kLeave; ++button) {
        if (!buttonShown(s, button)) continue;
        const assets::BeachButton& b = assets::kBeachButtons[button];
        const bool active = buttonActive(s, button) && b.activeEntry >= 0;
        const PicView picture = beachPicture(active ? b.activeEntry : b.entry);
        if (!picture) continue;
        const char* label = buttonLabel(button);
        registerHotspot(b.x, assets::kBeachButtonY, picture.width, picture.height, label);
        drawKeyed(page, picture, b.x, assets::kBeachButtonY);
        if (!cursorIn(b.x, assets::kBeachButtonY, picture.width, picture.height)) continue;
        *hoverLabel = label;
        if (!frameValues().clicked) continue;
        playClick();
        switch (button) {
            case kCamera0:
            case kCamera1:
            case kCamera2:
                s.selectedCamera = button;
                break;
            case kZoom:
                toggle(s.zoomOn);
                break;
            case kFlash:
                toggle(s.flashOn);
                break;
            case kCamouflage:
                toggle(s.camouflageOn);
                break;
            case kBalance:
                toggle(s.balanceShown);
                break;
            case kClock:
                toggle(s.clockShown);
                break;
            default:
                leave = true;
                break;
        }
    }
    return leave;
}

// Step 2.
void drawPanorama(const GameState& s, const PageView& view) {
    const PicView day =
        subPicture(beachPicture(assets::kBeachDay), s.scrollX, 0, kViewWidth, kViewHeight);
    const PicView night =
        subPicture(beachPicture(assets::kBeachNight), s.scrollX, 0, kViewWidth, kViewHeight);
    if (frameValues().detailMode == 0) {
        drawCopy(view, isDaytime(s.hour) ? day : night, 0, 0);
        return;
    }
    drawBlendedPanorama(view, day, night, s.scrollX,
                        255 - beachNightWeight(s.hour, s.minute, s.second),
                        beachPicturesGeneration());
}

// Step 3: the panel sits at the bottom of the screen (a full-screen panel keyed over the view).
void drawPanel(const PageView& page) {
    const PicView panel = beachPicture(assets::kBeachPanel);
    if (!panel) return;
    const int y = 480 - panel.height;
    if (y < kViewHeight) {
        drawKeyed(page, panel, 0, y);
    } else {
        drawCopy(page, panel, 0, y);
    }
}

// Step 6.
void drawVisitors(GameState& s, const PageView& view, int frameMs) {
    VisitorLight light;
    if (frameValues().detailMode != 0) {
        light = {VisitorLight::Mixed, beachNightWeight(s.hour, s.minute, s.second)};
    } else if (!isDaytime(s.hour)) {
        light = {VisitorLight::Night, 0};
    }
    BeachVisitors& v = s.visitors;
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (v.life[i] <= 0) continue;
        const int index = visitorType(v.typeId[i]).firstSprite + v.pose[i];
        const PicView sprite = visitorSprite(index);
        const int x = v.x[i] - sprite.width / 2 - s.scrollX;
        const int y = v.y[i] - sprite.height / 2;
        if (sprite && light.kind == VisitorLight::Mixed) {
            drawLitVisitor(view, index, sprite, x, y, light.night, beachPicturesGeneration());
        } else if (sprite) {
            drawVisitorSprite(view, sprite, x, y, light);
        }
        ageVisitor(v, i, frameMs);
    }
}

ViewRect currentViewfinder(int camera) {
    const FrameValues& f = frameValues();
    const PicView finder = beachPicture(assets::kBeachViewfinder[camera]);
    const int w = finder ? finder.width : kPhotoWidth;
    const int h = finder ? finder.height : kPhotoHeight;
    return viewfinderRect(f.mouseX, f.mouseY, w, h);
}

// Step 7: the centre of the viewfinder read out first, then drawn back at twice the size, so
// that no pixel is read after it was written.
void drawZoom(const PageView& view, const ViewRect& r) {
    static uint16_t part[kZoomPartWidth * kZoomPartHeight];
    copyFromView(view, r.x + kZoomPartX, r.y + kZoomPartY, kZoomPartWidth, kZoomPartHeight, part,
                 kZoomPartWidth, false);
    const PicView pic{part, kZoomPartWidth, kZoomPartHeight, kZoomPartWidth};
    drawScaled(view, pic, r.x, r.y, 2 * kZoomPartWidth, 2 * kZoomPartHeight);
}

// Step 8: the photo of the frame under the viewfinder, graded and valued.
void takePhoto(GameState& s, const PageView& view, const ViewRect& r, int camera, int slot) {
    // The photo is always 320 × 180: taken from the viewfinder's corner, kept inside the view.
    const int x = std::clamp(r.x, 0, kViewWidth - kPhotoWidth);
    const int y = std::clamp(r.y, 0, kViewHeight - kPhotoHeight);
    // The blur rolls and the grade never look at the pixels, so the copy, the softening and the
    // blur run together after them.
    const int blur = rollBlurCount(camera);
    const int cx = s.scrollX + r.x + r.width / 2;
    const int cy = r.y + r.height / 2;
    storeGrade(s.photoRecords, slot,
               gradePhoto(s.visitors, cx, cy, s.zoomOn != 0, s.flashOn != 0, s.hour, blur));
    capturePhoto(view, x, y, kPhotoWidth, kPhotoHeight, s.photos[slot].pixels, kPhotoWidth,
                 s.flashOn != 0, blur);
}

PicView photoView(const GameState& s, int slot) {
    return {s.photos[slot].pixels, kPhotoWidth, kPhotoHeight, kPhotoWidth};
}

// Step 11: the selected camera's film, and the photo under the cursor at full size.
void drawFilmStrip(const GameState& s, const PageView& page) {
    const int c = s.selectedCamera;
    const FrameValues& f = frameValues();
    int hovered = -1;
    for (int i = 0; i < kShotsPerCamera; ++i) {
        const int slot = c * kShotsPerCamera + i;
        const int x = kStripX + kStripStep * i;
        if (s.photoUsed[slot]) {
            drawScaled(page, photoView(s, slot), x, kStripY, kStripWidth, kStripHeight);
        } else {
            DrawRect(x, kStripY, x + kStripWidth - 1, kStripY + kStripHeight - 1, kEmptyFrame);
        }
        const int left = 20 + kStripStep * i;
        if (f.mouseX >= left && f.mouseX < left + 55 && f.mouseY > 419 && f.mouseY < 453 &&
            s.photoUsed[slot]) {
            hovered = slot;
        }
    }
    if (hovered < 0) return;
    const int x = std::clamp(f.mouseX - 160, 5, 315);
    const int y = std::clamp(f.mouseY - 160, 5, 295);
    drawCopy(page, photoView(s, hovered), x, y);
}

bool scrollKey(int virtualKey) {
    return frameValues().keyCode == virtualKey || keyHeld(virtualKey);
}

}  // namespace

void runBeachFrame() {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    const int frameMs = f.frameMs;
    const PageView page = scenePage();
    PageView view = page;
    view.width = std::min(page.width, kViewWidth);
    view.height = std::min(page.height, kViewHeight);

    rebuildVisitorTypes();
    drawPanorama(s, view);
    drawPanel(page);
    const char* hoverLabel = nullptr;
    const bool leave = drawButtons(s, page, &hoverLabel);
    runArrivals(s, frameMs);
    drawVisitors(s, view, frameMs);

    const int camera = cameraInHand(s);
    const bool aiming = f.mouseY < kViewHeight && s.shutterLock == 0 && camera >= 0;
    ViewRect finder{};
    if (aiming) finder = currentViewfinder(camera);
    if (aiming && s.zoomOn) drawZoom(view, finder);
    const int slot = nextPhotoSlot(s);
    const bool shoot = aiming && f.clicked && slot >= 0;
    if (shoot) takePhoto(s, view, finder, camera, slot);
    if (aiming) {
        drawKeyed(view, beachPicture(assets::kBeachViewfinder[camera]), finder.x, finder.y);
        if (shoot) {
            s.photoUsed[slot] = 1;
            s.shotsTaken[camera] += 1;
            playShutter();
            if (s.flashOn) s.flashGlow = 255;
            s.shutterLock = shutterLockFor(camera);
        }
    }

    if (s.flashGlow > 0 && camera >= 0) {
        addGlow(view, s.flashGlow);
        s.flashGlow -= frameMs;
    } else {
        s.flashGlow = 0;
    }
    drawFilmStrip(s, page);

    s.shutterLock = shutterLockAfter(s.shutterLock, frameMs);
    if (s.clockShown) drawDatePanel(537, 3, kWhite);
    if (s.balanceShown) drawMoneyPanel(537, 43, kWhite);
    if (hoverLabel) drawCaption(hoverLabel, f.mouseX, f.mouseY - 50, 0xFFFF, 1, 0xFFE0);

    const int direction = scrollDirection(f.mouseX, page.width, scrollKey(platform::kVkLeft),
                                          scrollKey(platform::kVkRight));
    s.scrollX = scrolled(s.scrollX, direction, frameMs);

    if (leave) leaveBeach(kSceneMap, assets::kMusicMap);

    if (s.hour != s.lastBeachHour && camera >= 0) playIncident(rollDanger(s));
    s.lastBeachHour = s.hour;
}
