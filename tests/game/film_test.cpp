// The film's rules: series of successive poses, the worth of the film, the photo order, the
// transfer into the outbox and the computer's sending with its report.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "game/state/film.h"
#include "game/state/game_state.h"

namespace {

class FilmTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clearGameState();
        startNewGame();
        // Every slot its own subject, so that nothing forms a series unless a test says so.
        for (int i = 0; i < kPhotoSlots; ++i) r().subject[i] = 100 + i;
    }
    static GameState& s() { return gameState(); }
    static PhotoRecords& r() { return gameState().photoRecords; }
    static void photo(int slot, int subject, int pose, int value, bool used = true) {
        r().subject[slot] = subject;
        r().subjectPose[slot] = pose;
        r().value[slot] = value;
        s().photoUsed[slot] = used ? 1 : 0;
    }
};

TEST_F(FilmTest, SuccessivePosesOfOneSubjectFormASeries) {
    photo(0, 18, 2, 100);
    photo(1, 18, 3, 100);
    photo(2, 18, 4, 100);
    SeriesWalk walk = findSeries(r());
    ASSERT_EQ(walk.seriesCount, 1);
    EXPECT_EQ(walk.seriesStart[0], 0);
    EXPECT_EQ(walk.seriesLength[0], 3);
    EXPECT_EQ(walk.seriesOf[2], 0);
    EXPECT_EQ(walk.seriesOf[3], -1);
    // Each of the three counts four times.
    FilmWorth worth = filmWorth(s(), walk);
    EXPECT_EQ(worth.count, 3);
    EXPECT_EQ(worth.total, 1200);
    EXPECT_TRUE(worth.anySeries);

    r().subjectPose[2] = 5;  // 2, 3, 5: no series
    walk = findSeries(r());
    EXPECT_EQ(walk.seriesCount, 0);
    worth = filmWorth(s(), walk);
    EXPECT_EQ(worth.total, 300);
    EXPECT_FALSE(worth.anySeries);
}

TEST_F(FilmTest, SeriesRunAcrossCameraRowsAndOverUnusedSlots) {
    photo(9, 7, 0, 10);
    photo(10, 7, 1, 10, false);  // not used: part of the run, not of the worth
    photo(11, 7, 2, 10);
    photo(12, 7, 3, 10);
    const SeriesWalk walk = findSeries(r());
    ASSERT_EQ(walk.seriesCount, 1);
    EXPECT_EQ(walk.seriesStart[0], 9);
    EXPECT_EQ(walk.seriesLength[0], 4);
    const FilmWorth worth = filmWorth(s(), walk);
    EXPECT_EQ(worth.count, 3);
    EXPECT_EQ(worth.total, 3 * 10 * 5);
}

TEST_F(FilmTest, ABrokenPoseStartsANewRunAndTheLastRunIsJudgedToo) {
    // Poses 1 2 3 | 1 2 | 5 6 7 8 at the very end of the film.
    const int poses[] = {1, 2, 3, 1, 2};
    for (int i = 0; i < 5; ++i) photo(i, 4, poses[i], 1);
    for (int i = 0; i < 4; ++i) photo(26 + i, 9, 5 + i, 1);
    const SeriesWalk walk = findSeries(r());
    ASSERT_EQ(walk.seriesCount, 2);
    EXPECT_EQ(walk.seriesStart[0], 0);
    EXPECT_EQ(walk.seriesLength[0], 3);
    EXPECT_EQ(walk.seriesStart[1], 26);
    EXPECT_EQ(walk.seriesLength[1], 4);
    EXPECT_EQ(walk.seriesOf[3], -1);
    EXPECT_EQ(walk.seriesOf[29], 1);
}

TEST_F(FilmTest, AFilmHoldsAtMostTenSeriesAndTheTableSixteen) {
    // Thirty slots hold ten runs of three at the most, well within the sixteen the table keeps.
    for (int i = 0; i < kPhotoSlots; ++i) photo(i, 50 + i / 3, i % 3, 1);
    const SeriesWalk walk = findSeries(r());
    EXPECT_EQ(walk.seriesCount, 10);
    EXPECT_LE(walk.seriesCount, kMaxSeries);
    for (int k = 0; k < walk.seriesCount; ++k) EXPECT_EQ(walk.seriesStart[k], 3 * k);
    EXPECT_EQ(filmWorth(s(), walk).total, 30 * 4);
}

TEST_F(FilmTest, SpoiltRecordsNeitherOverflowNorWrap) {
    photo(0, 1, INT32_MAX, INT32_MAX);
    photo(1, 1, INT32_MIN, INT32_MAX);
    photo(2, 1, INT32_MIN + 1, INT32_MAX);
    const SeriesWalk walk = findSeries(r());
    EXPECT_EQ(walk.seriesCount, 0);
    EXPECT_EQ(filmWorth(s(), walk).total, INT32_MAX);
}

TEST_F(FilmTest, AnOrderIsFulfilledByEnoughUsedPhotosOfItsSubject) {
    s().currentOrder = 0;  // subject 18, five photos, 1000 Euro
    for (int i = 0; i < 4; ++i) photo(i * 7, 18, 0, 10);
    EXPECT_FALSE(orderFulfilled(s()));
    photo(29, 18, 0, 10, false);
    EXPECT_FALSE(orderFulfilled(s()));  // unused slots do not count
    photo(29, 18, 0, 10);
    EXPECT_TRUE(orderFulfilled(s()));
    photo(1, 18, 0, 10);
    EXPECT_TRUE(orderFulfilled(s()));  // or more
    s().currentOrder = -1;
    EXPECT_FALSE(orderFulfilled(s()));
}

TEST_F(FilmTest, TransferEmptiesTheFilmIntoTheOutboxAndPaysAFulfilledOrder) {
    s().currentOrder = 5;  // subject 30, two photos, 2500 Euro
    s().orderDaysLeft = 2;
    s().photosToSend = 3;
    s().euroToSend = 40;
    s().shotsTaken[0] = 3;
    s().shotsTaken[2] = 10;
    photo(0, 30, 1, 100);
    photo(1, 30, 2, 100);
    photo(2, 30, 3, 100);  // a series of three: 1200
    photo(15, 8, 0, 55);
    transferFilm(s());
    EXPECT_EQ(s().photosToSend, 3 + 4);
    EXPECT_EQ(s().euroToSend, 40 + 1200 + 55 + 2500);
    for (int i = 0; i < kPhotoSlots; ++i) EXPECT_EQ(s().photoUsed[i], 0);
    for (int shots : s().shotsTaken) EXPECT_EQ(shots, 0);
    EXPECT_EQ(s().currentOrder, -1);
    EXPECT_EQ(s().orderDaysLeft, 0);
    EXPECT_EQ(s().orderDone[5], 0);  // the done flag is not touched
    EXPECT_EQ(s().money, 3000);      // money only comes with sending

    // An order that is not fulfilled stays open.
    s().currentOrder = 0;
    s().orderDaysLeft = 3;
    photo(4, 18, 0, 10);
    transferFilm(s());
    EXPECT_EQ(s().currentOrder, 0);
    EXPECT_EQ(s().orderDaysLeft, 3);
    EXPECT_EQ(s().euroToSend, 40 + 1200 + 55 + 2500 + 10);
}

TEST_F(FilmTest, SendingCreditsTheOutboxAndReportsIt) {
    s().photosToSend = 12;
    s().euroToSend = 3400;
    sendOutbox(s());
    EXPECT_EQ(s().money, 3000 + 3400);
    EXPECT_EQ(s().photosToSend, 0);
    EXPECT_EQ(s().euroToSend, 0);
    EXPECT_EQ(s().reportPending, 1);
    EXPECT_EQ(std::string(s().reportLines[0]), "Fotos gesendet: 12");
    EXPECT_EQ(std::string(s().reportLines[1]), "3400 Euro transferiert");
    for (int k = 2; k < kReportLines; ++k) EXPECT_EQ(std::string(s().reportLines[k]), " ");
    // Each line is NUL-terminated inside its 80 bytes.
    for (int k = 0; k < kReportLines; ++k) {
        EXPECT_NE(std::memchr(s().reportLines[k], 0, kReportLineBytes), nullptr);
    }

    s().money = INT32_MAX - 5;
    s().euroToSend = 100;
    sendOutbox(s());
    EXPECT_EQ(s().money, INT32_MAX);  // stops at the top instead of turning into a debt
}

TEST_F(FilmTest, OnlyExactlyOneDayUsesTheSingular) {
    EXPECT_STREQ(daysLeftFormat(1), "noch %d Tag");
    EXPECT_STREQ(daysLeftFormat(0), "noch %d Tage");
    EXPECT_STREQ(daysLeftFormat(2), "noch %d Tage");
    EXPECT_STREQ(daysLeftFormat(3), "noch %d Tage");
}

}  // namespace
