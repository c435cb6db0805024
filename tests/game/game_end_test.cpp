// The end of the game on the map: lost without money and room, won at 150000 Euro.

#include <gtest/gtest.h>

#include "game/app/main_loop.h"
#include "game/state/game_state.h"

namespace {

class GameEndTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearGameState();
        gameState().sceneId = 1;
    }
};

TEST_F(GameEndTest, LossNeedsNoRoomUnlessTheMoneyIsBelowZero) {
    GameState& s = gameState();
    s.money = 149;
    s.roomRented[2] = 1;
    EXPECT_EQ(checkGameEnd(), 0);
    EXPECT_EQ(s.sceneId, 1);
    s.roomRented[2] = 0;
    EXPECT_EQ(checkGameEnd(), 1);
    EXPECT_EQ(s.sceneId, 0);
    s.sceneId = 1;
    s.money = 150;
    EXPECT_EQ(checkGameEnd(), 0);
    s.money = -1;
    s.roomRented[0] = 1;
    EXPECT_EQ(checkGameEnd(), 1);
    EXPECT_EQ(s.money, -1);  // the record keeps its values
}

TEST_F(GameEndTest, WinAtExactly150000) {
    GameState& s = gameState();
    s.money = 149999;
    EXPECT_EQ(checkGameEnd(), 0);
    s.money = 150000;
    EXPECT_EQ(checkGameEnd(), 2);
    EXPECT_EQ(s.sceneId, 0);
}

}  // namespace
