// The photo album (scene 11): the film's thumbnails by camera row, the series with their white
// outlines, what the film is worth, the photo order, a photo in detail (S exports it), and the
// transfer of the film into the computer's outbox.

#include <algorithm>
#include <cstdio>

#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "game/asset_table.h"
#include "game/files/photo_export.h"
#include "game/scenes/scenes.h"
#include "game/state/film.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/modal_box.h"
#include "game/ui/movie.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

constexpr int kThumbLeft = 20;
constexpr int kThumbTop = 70;
constexpr int kThumbStep = 60;
constexpr int kThumbWidth = 55;
constexpr int kThumbHeight = 33;
constexpr int kSlotsPerRow = 10;
constexpr int kSummaryX = 150;
constexpr int kBackX = 590;
constexpr int kBackY = 10;
constexpr int kTransferX = 480;
constexpr int kTransferY = 350;
constexpr int kKeyS = 0x53;
constexpr uint16_t kTextColour = 0xFFFF;     // on the detail panel
constexpr uint16_t kSummaryColour = 0xB280;  // on the album's light summary card
constexpr uint16_t kEmptySlotColour = 0x2104;
constexpr uint16_t kEmptySlotFrame = 0x8410;
constexpr uint16_t kPanelColour = 0x0000;
constexpr uint16_t kPanelFrame = 0xFFE0;
constexpr int kPanelHeight = 100;

// Export counter of this run; 0 at program start, mirrored in "fotos\scrshot.bin".
int32_t gPhotoFileNumber = 0;

int thumbX(int slot) {
    return kThumbLeft + kThumbStep * (slot % kSlotsPerRow);
}
int thumbY(int slot) {
    return kThumbTop + kThumbStep * (slot / kSlotsPerRow);
}

PicView photoView(const PhotoImage& photo) {
    // The size is the film's, whatever a loaded game says in the photo's header.
    return {photo.pixels, kPhotoWidth, kPhotoHeight, kPhotoWidth};
}

void drawThumbnails(const GameState& s, const SeriesWalk& series) {
    const PageView page = scenePage();
    for (int i = 0; i < kPhotoSlots; ++i) {
        const int x = thumbX(i);
        const int y = thumbY(i);
        if (s.photoUsed[i]) {
            drawScaled(page, photoView(s.photos[i]), x, y, kThumbWidth, kThumbHeight);
            if (series.seriesOf[i] >= 0) {
                DrawRect(x - 1, y - 1, x + kThumbWidth, y + kThumbHeight, 0xFFFF);
            }
        } else {
            FillBox(x, y, x + kThumbWidth - 1, y + kThumbHeight, kEmptySlotColour);
            DrawRect(x, y, x + kThumbWidth - 1, y + kThumbHeight - 1, kEmptySlotFrame);
        }
    }
}

void drawSummary(const FilmWorth& worth, bool fulfilled, const GameState& s) {
    char line[96];
    if (worth.count < 1) {
        drawShadowText(kSummaryX, 320, kSummaryColour, txt::kNoPhotos);
        return;
    }
    std::snprintf(line, sizeof line, txt::kPhotoCount, worth.count);
    drawShadowText(kSummaryX, 320, kSummaryColour, line);
    std::snprintf(line, sizeof line, txt::kTotalValue, worth.total);
    drawShadowText(kSummaryX, 340, kSummaryColour, line);
    if (worth.anySeries) drawShadowText(kSummaryX, 360, kSummaryColour, txt::kSeriesBonus);
    if (fulfilled) {
        std::snprintf(line, sizeof line, txt::kOrderBonus, s.orderBonus[s.currentOrder]);
        drawShadowText(kSummaryX, 380, kSummaryColour, line);
    }
}

void showExportBox(const ExportResult& result) {
    char name[48];
    std::snprintf(name, sizeof name, txt::kExported[1], result.number);
    if (!result.written) {
        messageBox(210, 150, txt::kExportFailed[0], txt::kExportFailed[1], name, "", "", "");
        return;
    }
    messageBox(210, 150, txt::kExported[0], name, txt::kExported[2],
               result.counterWritten ? "" : txt::kCounterNotSaved, "", "");
}

// The used slot whose thumbnail is under the cursor, or -1.
int slotUnderCursor(const GameState& s) {
    for (int i = 0; i < kPhotoSlots; ++i) {
        if (s.photoUsed[i] && cursorIn(thumbX(i), thumbY(i), kThumbWidth, kThumbHeight)) return i;
    }
    return -1;
}

void drawDetail(const GameState& s, int slot) {
    const FrameValues& f = frameValues();
    const int x = std::clamp(f.mouseX - kPhotoWidth / 2, 5, 315);
    const int y = std::clamp(f.mouseY - kPhotoHeight / 2, 5, 195);
    const PageView page = scenePage();
    drawCopy(page, photoView(s.photos[slot]), x, y);
    DrawRect(x - 1, y - 1, x + kPhotoWidth, y + kPhotoHeight, 0xFFFF);

    const int panelY = y + kPhotoHeight + 2;
    FillBox(x - 1, panelY, x + kPhotoWidth, panelY + kPanelHeight, kPanelColour);
    DrawRect(x - 1, panelY, x + kPhotoWidth, panelY + kPanelHeight - 1, kPanelFrame);
    const int tx = x + 5;
    const int ty = panelY + 5;
    const PhotoRecords& r = s.photoRecords;
    drawShadowText(tx, ty, kTextColour, txt::kCameraNames[slot / kSlotsPerRow]);
    const char* equipment = nullptr;
    if (r.withTele[slot] && r.withFlash[slot]) {
        equipment = txt::kWithTeleAndFlash;
    } else if (r.withFlash[slot]) {
        equipment = txt::kWithFlash;
    } else if (r.withTele[slot]) {
        equipment = txt::kWithTele;
    }
    if (equipment) drawShadowText(tx, ty + 15, kTextColour, equipment);
    drawShadowText(tx, ty + 30, kTextColour, txt::kSharpness[r.blurLevel[slot]]);
    if (r.value[slot] != 0) {
        char line[64];
        std::snprintf(line, sizeof line, txt::kPhotoValue, r.value[slot]);
        drawShadowText(tx, ty + 50, kTextColour, line);
    }
    drawShadowText(tx, ty + 80, kTextColour, txt::kPressS);
}

}  // namespace

void startAlbumRun() {
    gPhotoFileNumber = 0;
    removeExportTemporaries();
}

void exportPhoto(int slot) {
    if (slot < 0 || slot >= kPhotoSlots) return;
    showExportBox(exportPhotoFile(gameState().photos[slot].pixels, &gPhotoFileNumber));
}

void runAlbumFrame() {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    const PageView page = scenePage();
    drawCopy(page, locationPicture(assets::kPicAlbum), 0, 0);
    if (hotspotClicked(drawHotspot(assets::kPicBack, kBackX, kBackY, txt::kToHotelRoom)) &&
        sceneAvailable(kSceneLaptop)) {
        playClick();
        changeScene(kSceneLaptop, nullptr);
    }

    const SeriesWalk series = findSeries(s.photoRecords);
    drawThumbnails(s, series);
    const FilmWorth worth = filmWorth(s, series);
    const bool fulfilled = orderFulfilled(s);
    drawSummary(worth, fulfilled && worth.count >= 1, s);

    const int slot = slotUnderCursor(s);
    if (slot >= 0) {
        drawDetail(s, slot);
        if (f.keyCode == kKeyS) {
            f.keyCode = 0;
            exportPhoto(slot);
        }
    }

    if (worth.count >= 1 && hotspotClicked(drawHotspot(assets::kPicTransfer, kTransferX, kTransferY,
                                                       txt::kTransferPhotos))) {
        playClick();
        playMovie(assets::kMovieScan, assets::kMusicComputer);
        transferFilm(s);
    }
}
