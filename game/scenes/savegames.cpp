// The savegame screens: load (scene 20) and save (scene 21), ten slots each with their title
// and date from the list "sav\gamestr.dat". A slot is written whole or not at all, and a slot
// file that is not one whole game is refused without touching the running game.

#include <cstdio>
#include <vector>

#include "engine/display/text.h"
#include "game/asset_table.h"
#include "game/files/savegame_file.h"
#include "game/scenes/after_load.h"
#include "game/scenes/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_ids.h"
#include "game/ui/hotspots.h"
#include "game/ui/modal_box.h"
#include "game/ui/scene.h"
#include "texts/texts.h"

namespace {

constexpr int kRowX = 45;
constexpr int kRowTop = 73;
constexpr int kRowStep = 30;
constexpr int kRowWidth = 530;
constexpr int kRowHeight = 20;
constexpr uint16_t kRowColour = 0xFFE0;
constexpr uint16_t kRowHoverColour = 0xF800;

// The list as the screens last read it; it stays as it is while the file cannot be read.
SlotDirectory gDirectory;

int rowY(int slot) {
    return kRowTop + kRowStep * (slot - 1);
}

// The screen both share: background, back button, the ten rows. Returns whether the back
// button was clicked, and in `clickedSlot` the row clicked (0 for none).
bool drawSlotScreen(int background, const char* rowLabel, int* clickedSlot) {
    readDirectoryFile(&gDirectory);
    drawCopy(scenePage(), locationPicture(background), 0, 0);
    const bool back = hotspotClicked(drawHotspot(assets::kPicBack, 590, 10, txt::kToMap));
    *clickedSlot = 0;
    const char* hoverLabel = nullptr;
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        const int y = rowY(slot);
        registerHotspot(kRowX, y, kRowWidth, kRowHeight, rowLabel);
        const bool inside = cursorIn(kRowX, y, kRowWidth, kRowHeight);
        const char* title = slotTitle(gDirectory, slot);
        const char* date = slotDate(gDirectory, slot);
        PrintText(kRowX + 11, y + 5, 0, kTransparentBackground, "%s %s", title, date);
        PrintText(kRowX + 10, y + 4, inside ? kRowHoverColour : kRowColour, kTransparentBackground,
                  "%s %s", title, date);
        if (inside) {
            hoverLabel = rowLabel;
            if (hotspotClicked(true)) *clickedSlot = slot;
        }
    }
    if (hoverLabel) drawCursorCaption(hoverLabel);
    return back;
}

void loadSlot(int slot) {
    std::vector<uint8_t> image;
    switch (readSlotFile(slot, &image)) {
        case SlotRead::Whole:
            // No beach's pictures are loaded after a load, whatever the file says.
            if (putRecordImage(image.data(), 0)) {
                messageBox(210, 150, txt::kGameLoaded, "", "", "", "", "");
                break;
            }
            // A file of the right size that is no game is as damaged as a cut one.
            [[fallthrough]];
        case SlotRead::Damaged:
            // The running game stays exactly as it was, on this screen.
            messageBox(210, 150, txt::kSaveDamaged[0], txt::kSaveDamaged[1], "", "", "", "");
            return;
        case SlotRead::Missing:
            // A row whose file is gone loads nothing; from the main menu the blank record of a
            // program start would be shown as a lost game.
            messageBox(210, 150, txt::kSaveUnreadable[0], txt::kSaveUnreadable[1], "", "", "", "");
            return;
    }
    changeScene(kSceneMap, nullptr);
}

void saveSlot(int slot) {
    const SaveTime now = saveTimeNow();
    playClick();
    GameState& s = gameState();
    if (!slotEmpty(gDirectory, slot) &&
        confirmBox(210, 250, txt::kOverwrite1, txt::kOverwrite2) != 1) {
        changeScene(kSceneMap, nullptr);
        return;
    }
    if (!writeSlotFile(slot, &s, sizeof s)) {
        // The old slot and its row stay as they were.
        messageBox(210, 150, txt::kSaveFailed[0], txt::kSaveFailed[1], "", "", "", "");
        changeScene(kSceneMap, nullptr);
        return;
    }
    gDirectory.saveCounter =
        gDirectory.saveCounter < INT32_MAX ? gDirectory.saveCounter + 1 : gDirectory.saveCounter;
    setSlotEntry(&gDirectory, slot, txt::kSaveTitleFormat, txt::kSaveDateFormat,
                 gDirectory.saveCounter, now);
    if (writeDirectoryFile(gDirectory)) {
        messageBox(210, 150, txt::kGameSaved, "", "", "", "", "");
    } else {
        messageBox(210, 150, txt::kGameSaved, txt::kListNotSaved[0], txt::kListNotSaved[1], "", "",
                   "");
    }
    changeScene(kSceneMap, nullptr);
}

}  // namespace

void startSavegameRun() {
    gDirectory = SlotDirectory{};
    removeSaveTemporaries();
}

void runLoadScreenFrame() {
    GameState& s = gameState();
    int slot = 0;
    if (drawSlotScreen(assets::kPicLoadScreen, txt::kLoadRow, &slot)) {
        playClick();
        changeScene(s.onMap ? kSceneMap : kSceneMenu, nullptr);
        return;
    }
    if (slot > 0 && !slotEmpty(gDirectory, slot)) {
        playClick();
        loadSlot(slot);
    }
}

void runSaveScreenFrame() {
    int slot = 0;
    if (drawSlotScreen(assets::kPicSaveScreen, txt::kSaveRow, &slot)) {
        playClick();
        changeScene(kSceneMap, nullptr);
        return;
    }
    if (slot > 0) saveSlot(slot);
}
