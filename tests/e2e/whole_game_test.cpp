// The whole road of a photograph, played by caption from a new game: a camera from the shop,
// photos on a beach, a room in a hotel, the album's transfer and the computer's sending, and the
// money on the account; then a saved game that loads back in a new run.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "game/state/game_state.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

class WholeGame : public GameRun {
  protected:
    // Shots at the middle of the view, each after the shutter has opened again.
    static std::string photos(int count) {
        std::string script;
        for (int k = 0; k < count; ++k) script += "move 320 200\nframes 40\nclick 320 200\n";
        return script + "frames 2\n";
    }
};

TEST_F(WholeGame, PhotosFromTheBeachAreSentForMoney) {
    // A camera from the shop, then Rodeo Beach, where visitors come.
    ASSERT_EQ(play("frames 1\n" + click(txt::kNewGame) + until(1) + click(txt::kSpeedFast) +
                   "frames 1\n" + click(txt::kRavezShop) + until(19) + click(txt::kIntoShop) +
                   until(2) + click(txt::kBuyCameras) + until(25) +
                   click(txt::kEquipmentCaptions[0][0]) + "frames 1\n" + click("ok") +
                   "frames 1\n" + click(txt::kToShop) + until(2) + click(txt::kLeaveShop) +
                   until(19) + click(txt::kToMap) + until(1) + click(txt::kBeachNames[2]) +
                   until(203) + "move 320 200\nframes 400\n" + dumpTo("arrived")),
              0);
    // Where the player stands, one more visitor in the middle of the view to photograph (the
    // record is put back twice: the first time loads the beach, the second keeps its visit).
    std::unique_ptr<GameState> arrived = step("arrived");
    ASSERT_EQ(arrived->sceneId, 203);
    ASSERT_EQ(arrived->beachLoaded, 1);
    int free = 0;
    while (free < kVisitorSlots && arrived->visitors.typeId[free] != 0) ++free;
    ASSERT_LT(free, kVisitorSlots);
    arrived->visitors.typeId[free] = 18;
    arrived->visitors.x[free] = arrived->scrollX + 320;
    arrived->visitors.y[free] = 200;
    arrived->visitors.pose[free] = 3;
    arrived->visitors.life[free] = 1 << 30;
    writeFile("placed.bin", std::vector<uint8_t>(reinterpret_cast<const uint8_t*>(arrived.get()),
                                                 reinterpret_cast<const uint8_t*>(arrived.get()) +
                                                     sizeof(GameState)));
    const std::string placed = "load-state " + (dir / "placed.bin").string() + "\n";

    const std::string script =
        "frames 1\n" + placed + "frames 3\n" + placed + "frames 1\n" + photos(5) + dumpTo("beach") +
        click(txt::kLeaveBeach) + until(1) + dumpTo("left") +
        // Hotel 1: a room, its laptop, the album and the computer.
        click(txt::kHotelNames[0]) + until(14) + click(txt::kToHotel) + until(3) +
        click(txt::kToReception) + until(6) + click(txt::kRentRoom) + "frames 1\n" +
        click(txt::kToHotel) + until(3) + click(txt::kToRoom) + until(7) + click(txt::kToLaptop) +
        until(15) + click(txt::kToCamera) + until(11) + "frames 1\n" + dumpTo("album") +
        click(txt::kTransferPhotos) + "frames 2\n" + dumpTo("transferred") +
        click(txt::kToHotelRoom) + until(15) + click(txt::kToComputer) + until(12) + "frames 1\n" +
        click(txt::kSendPhotos) + "frames 2\n" + click("ok") + "frames 2\n" + dumpTo("sent");
    ASSERT_EQ(play(script), 0);

    std::unique_ptr<GameState> s = step("beach");
    EXPECT_EQ(s->sceneId, 203);
    EXPECT_EQ(s->camera[0], 1);
    EXPECT_EQ(s->shotsTaken[0], 5);
    int worth = 0;
    for (int slot = 0; slot < kPhotoSlots; ++slot) {
        EXPECT_EQ(s->photoUsed[slot], slot < 5 ? 1 : 0) << slot;
        if (slot < 5) worth += s->photoRecords.value[slot];
    }
    const int moneyAfterShop = s->money;

    s = step("left");
    EXPECT_EQ(s->sceneId, 1);
    EXPECT_EQ(s->beachLoaded, 0);

    s = step("album");
    EXPECT_EQ(s->sceneId, 11);
    EXPECT_EQ(s->roomRented[0], 1);
    const int moneyWithRoom = s->money;
    EXPECT_EQ(moneyWithRoom, moneyAfterShop - 150);  // the first night is paid at once

    s = step("transferred");
    EXPECT_EQ(s->photosToSend, 5);
    EXPECT_GE(s->euroToSend, worth);  // the film's worth, series bonuses included
    EXPECT_EQ(s->shotsTaken[0], 0);
    for (int slot = 0; slot < kPhotoSlots; ++slot) EXPECT_EQ(s->photoUsed[slot], 0);
    const int sent = s->euroToSend;

    s = step("sent");
    EXPECT_EQ(s->sceneId, 12);
    EXPECT_EQ(s->photosToSend, 0);
    EXPECT_EQ(s->euroToSend, 0);
    EXPECT_EQ(s->money, moneyWithRoom + sent);
    EXPECT_GT(sent, 0);
}

}  // namespace
