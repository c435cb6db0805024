// The game state record: its byte layout (the savegame format) and what a new game resets.

#include <gtest/gtest.h>

#include <cstring>

#include "game/state/frame_values.h"
#include "game/state/game_state.h"

namespace {

int32_t at(const GameState& s, std::size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, reinterpret_cast<const uint8_t*>(&s) + offset, 4);
    return v;
}

class StateTest : public ::testing::Test {
  protected:
    void SetUp() override { clearGameState(); }
};

TEST_F(StateTest, FieldsSitAtTheirFileOffsets) {
    GameState& s = gameState();
    EXPECT_EQ(sizeof(GameState), 3460408u);
    s.sceneId = 11;
    s.money = 22;
    s.photos[0].width = 0x3344;
    s.photoRecords.value[29] = 33;
    s.visitors.life[49] = 44;
    s.secretFound[0] = 55;
    s.tvVisits = 66;
    s.reportLines[5][79] = 'x';
    EXPECT_EQ(at(s, 0), 11);
    EXPECT_EQ(at(s, 64), 22);
    EXPECT_EQ(at(s, 332) & 0xFFFF, 0x3344);
    EXPECT_EQ(at(s, 3456452 + 6 * 120 + 29 * 4), 33);
    EXPECT_EQ(at(s, 3457788 + 6 * 200 + 49 * 4), 44);
    EXPECT_EQ(at(s, 3459188), 55);
    EXPECT_EQ(at(s, 3460404), 66);
    EXPECT_EQ(reinterpret_cast<const char*>(&s)[3457304 + 480 - 1], 'x');
}

TEST_F(StateTest, NewGameResetsItsFieldsAndKeepsTheRest) {
    GameState& s = gameState();
    frameValues().perfFrequency = 3000000;
    s.sceneId = 7;
    s.money = -5;
    s.camera[2] = s.lens[1] = s.flash[0] = 1;
    s.camouflage[5] = 1;
    s.roomRented[1] = 1;
    s.shotsTaken[2] = 9;
    s.photoUsed[17] = 1;
    s.orderDone[3] = 1;
    s.orderSubject[20] = 77;
    s.currentOrder = 4;
    // Kept across a new game.
    s.secretFound[6] = s.secretRedeemed[2] = s.vipMember[3] = 1;
    s.nightsPaid[0] = 12;
    s.lampOn[1] = 1;
    s.porterMood[2] = 2;
    s.tip = 40;
    s.crowdedBeach = 6;
    s.location = 204;

    startNewGame();

    EXPECT_EQ(s.sceneId, 7);  // the menu sets the scene
    EXPECT_EQ(s.money, 3000);
    EXPECT_EQ(s.year * 10000 + s.month * 100 + s.day, 2000 * 10000 + 5 * 100 + 1);
    EXPECT_EQ(s.hour * 3600 + s.minute * 60 + s.second, 8 * 3600);
    EXPECT_EQ(s.gameSpeed, 1);
    EXPECT_EQ(s.tickLength, 10000u);
    EXPECT_EQ(s.camera[2] + s.lens[1] + s.flash[0] + s.camouflage[5] + s.roomRented[1], 0);
    EXPECT_EQ(s.shotsTaken[2] + s.photoUsed[17], 0);
    EXPECT_EQ(s.currentOrder, -1);
    EXPECT_EQ(s.orderDaysLeft, 0);
    EXPECT_EQ(s.orderDone[3], 0);
    EXPECT_EQ(s.orderSubject[20], 0);
    EXPECT_EQ(s.orderSubject[8], 33);
    EXPECT_EQ(s.orderDays[2], 1);
    EXPECT_EQ(s.orderCount[5], 2);
    EXPECT_EQ(s.beachRate[7], 60);
    EXPECT_EQ(s.shopVisits, 2);
    for (const PhotoImage& photo : s.photos) {
        ASSERT_EQ(photo.width, 320);
        ASSERT_EQ(photo.height, 180);
    }
    EXPECT_EQ(s.secretFound[6] + s.secretRedeemed[2] + s.vipMember[3] + s.lampOn[1], 4);
    EXPECT_EQ(s.nightsPaid[0], 12);
    EXPECT_EQ(s.porterMood[2], 2);
    EXPECT_EQ(s.tip, 40);
    EXPECT_EQ(s.crowdedBeach, 6);
    EXPECT_EQ(s.location, 204);
}

}  // namespace
