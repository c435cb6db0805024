// The beach played through scripts on the generated data: a prepared record with cameras goes
// to a beach, visitors arrive, a photo of a known visitor is graded against the record, and the
// leave button brings the map back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

#include "game/scenes/beach/spawn_zones.h"
#include "game/scenes/beach/visitors.h"
#include "tests/e2e/game_run.h"

namespace {

class BeachRun : public GameRun {
  protected:
    // A new game's record, dumped from the map.
    std::unique_ptr<GameState> newGame() {
        EXPECT_EQ(play("frames 1\nclick \"start new game\"\nuntil-scene 1 10\n"), 0);
        return std::make_unique<GameState>(dumped());
    }
    std::string save(const GameState& s, const std::string& name) {
        const std::string path = (dir / name).string();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&s), sizeof s);
        return path;
    }
};

TEST_F(BeachRun, VisitorsArriveWhereTheyMayAndKeepTheirDistance) {
    std::unique_ptr<GameState> s = newGame();
    s->sceneId = 203;  // Rodeo Beach, open to all
    s->hour = 12;
    const std::string start = save(*s, "start.bin");
    const std::string mid = (dir / "mid.bin").string();
    ASSERT_EQ(play("frames 1\nload-state " + start + "\nmove 320 100\nframes 600\ndump-state " +
                   mid + "\n"),
              0);
    // The end of the run lets the beach go.
    EXPECT_EQ(dumped().beachLoaded, 0);
    const std::vector<uint8_t> bytes = readFile(mid);
    ASSERT_EQ(bytes.size(), sizeof(GameState));
    auto state = std::make_unique<GameState>();
    std::memcpy(static_cast<void*>(state.get()), bytes.data(), sizeof(GameState));
    const GameState& d = *state;
    EXPECT_EQ(d.sceneId, 203);
    EXPECT_EQ(d.beachLoaded, 1);
    EXPECT_EQ(d.currentBeach, 2);
    EXPECT_EQ(d.location, 203);
    int active = 0;
    for (int i = 0; i < kVisitorSlots; ++i) {
        if (d.visitors.life[i] <= 0) continue;
        ++active;
        EXPECT_TRUE(insideSpawnZone(2, d.visitors.x[i], d.visitors.y[i]));
        for (int j = i + 1; j < kVisitorSlots; ++j) {
            if (d.visitors.life[j] <= 0) continue;
            EXPECT_NE(d.visitors.typeId[i], d.visitors.typeId[j]);
            EXPECT_FALSE(std::abs(d.visitors.x[i] - d.visitors.x[j]) < 110 &&
                         std::abs(d.visitors.y[i] - d.visitors.y[j]) < 110);
        }
    }
    EXPECT_GT(active, 0);
}

TEST_F(BeachRun, APhotoOfAVisitorIsGradedAgainstTheRecord) {
    std::unique_ptr<GameState> s = newGame();
    s->camera[0] = 1;
    s->lens[0] = 1;
    s->sceneId = 205;
    s->hour = 12;
    s->minute = 10;
    const std::string start = save(*s, "start.bin");
    // The same visit again with one visitor placed in the middle of the view: a record put
    // back while the beach is loaded keeps its visitors.
    s->beachLoaded = 1;
    s->currentBeach = 4;
    s->scrollX = 960;
    s->lastBeachHour = 12;
    s->beachRate[4] = 0;  // and nobody else arrives ... (raised to 10: rare)
    std::memset(&s->visitors, 0, sizeof s->visitors);
    s->visitors.typeId[0] = 18;
    s->visitors.x[0] = 960 + 320;
    s->visitors.y[0] = 200;
    s->visitors.pose[0] = 3;
    s->visitors.life[0] = 1 << 30;
    s->zoomOn = 1;
    const std::string placed = save(*s, "placed.bin");
    const std::string afterShot = (dir / "shot.bin").string();
    const std::string afterLeave = (dir / "left.bin").string();
    ASSERT_EQ(play("frames 1\nload-state " + start + "\nframes 3\nexpect-scene 205\nload-state " +
                   placed + "\nmove 320 200\nframes 2\nclick 320 200\nframes 1\ndump-state " +
                   afterShot + "\nmove 300 440\nframes 2\nclick \"leave beach\"\nframes 2\n" +
                   "dump-state " + afterLeave + "\n"),
              0);
    const std::vector<uint8_t> shotBytes = readFile(afterShot);
    ASSERT_EQ(shotBytes.size(), sizeof(GameState));
    auto shot = std::make_unique<GameState>();
    std::memcpy(static_cast<void*>(shot.get()), shotBytes.data(), sizeof(GameState));
    EXPECT_EQ(shot->photoUsed[0], 1);
    EXPECT_EQ(shot->shotsTaken[0], 1);
    EXPECT_GT(shot->shutterLock, 0);
    EXPECT_LE(shot->shutterLock, 502 - 16);
    // The visitor in the record is the subject; value = (((5 + 5) × 3 + 20) × 2 + 20) / (blur + 1).
    const PhotoRecords& r = shot->photoRecords;
    EXPECT_EQ(r.subject[0], shot->visitors.typeId[0]);
    EXPECT_EQ(r.subject[0], 18);
    EXPECT_EQ(r.subjectPose[0], 3);
    EXPECT_EQ(r.withTele[0], 1);
    EXPECT_EQ(r.daytime[0], 1);
    EXPECT_EQ(r.withFlash[0], 0);
    EXPECT_GE(r.blurLevel[0], 0);
    EXPECT_LE(r.blurLevel[0], 2);
    EXPECT_EQ(r.value[0], 120 / (r.blurLevel[0] + 1));
    // The photo is the view, not black.
    int lit = 0;
    for (uint16_t p : shot->photos[0].pixels) lit += p != 0;
    EXPECT_GT(lit, kPhotoWidth * kPhotoHeight / 2);

    const GameState& left = dumped();
    EXPECT_EQ(left.sceneId, 1);
    EXPECT_EQ(left.beachLoaded, 0);
    EXPECT_EQ(left.photoUsed[0], 1);
}

TEST_F(BeachRun, WithoutACameraNothingIsTakenAndTheMapLeadsThere) {
    const std::string shot = (dir / "beach.bmp").string();
    ASSERT_EQ(play("frames 1\nclick \"start new game\"\nuntil-scene 1 10\nclick \"Chili Beach\"\n"
                   "until-scene 201 5\nmove 320 200\nframes 30\nclick 320 200\nframes 2\n"
                   "screenshot " +
                   shot + "\n"),
              0);
    EXPECT_EQ(dumped().sceneId, 201);
    EXPECT_EQ(dumped().shotsTaken[0], 0);
    EXPECT_EQ(dumped().photoUsed[0], 0);
    EXPECT_EQ(dumped().hoursOnBeach, 0);
}

}  // namespace
