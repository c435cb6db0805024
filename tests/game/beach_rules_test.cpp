// The beach's rules that are easy to get wrong: who may arrive and where, how poses run out,
// what a photo is worth, the view's night weight and scrolling, and the hourly danger.

#include <gtest/gtest.h>

#include <cstring>

#include "game/asset_table.h"
#include "game/scenes/beach/beach_view.h"
#include "game/scenes/beach/danger.h"
#include "game/scenes/beach/photo_grade.h"
#include "game/scenes/beach/spawn_zones.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/beach/visitors.h"
#include "game/state/game_state.h"
#include "game/state/random.h"

namespace {

BeachVisitors emptyVisitors() {
    BeachVisitors v;
    std::memset(&v, 0, sizeof v);
    for (int i = 0; i < kVisitorSlots; ++i) v.x[i] = kEmptyVisitorX;
    return v;
}

void put(BeachVisitors& v, int slot, int type, int x, int y, int pose, int life = 1000) {
    v.typeId[slot] = type;
    v.x[slot] = x;
    v.y[slot] = y;
    v.pose[slot] = pose;
    v.life[slot] = life;
}

// A generator state whose next draw satisfies the test (searched, so the test does not depend
// on hand-picked magic numbers).
template <typename Want>
uint32_t stateWhere(Want want) {
    for (uint32_t seed = 1;; ++seed) {
        setRandomState(seed);
        if (want()) return seed;
    }
}

class BeachRules : public ::testing::Test {
  protected:
    void SetUp() override {
        rebuildVisitorTypes();
        saved_ = randomState();
    }
    void TearDown() override { setRandomState(saved_); }
    uint32_t saved_ = 1;
};

TEST_F(BeachRules, CatalogueMatchesTheSpritePoolLayout) {
    EXPECT_EQ(visitorType(0).available, 0);
    for (int id = 1; id <= assets::kVisitorLastObject; ++id) {
        SCOPED_TRACE(id);
        EXPECT_EQ(visitorType(id).available, 1);
        EXPECT_EQ(visitorType(id).firstSprite, assets::VisitorFirstSprite(id));
        EXPECT_EQ(visitorType(id).spriteCount, assets::VisitorSpriteCount(id));
        EXPECT_EQ((visitorType(id).flags & kVisitorMembersOnly) != 0, assets::IsCelebrity(id));
    }
    EXPECT_EQ(visitorType(4).baseValue, 0);
    EXPECT_EQ(visitorType(20).baseValue, 15);
    EXPECT_EQ(visitorType(33).baseValue, 13);
    EXPECT_EQ(visitorType(57).available, 0);
    EXPECT_EQ(visitorType(499).available, 0);
    // Ids from a damaged record read as nobody.
    EXPECT_EQ(visitorType(-1).available, 0);
    EXPECT_EQ(visitorType(500).firstSprite, 0);
}

TEST_F(BeachRules, ArrivalOddsForCrowdedBeachesByDayAndTheFloorOfTen) {
    EXPECT_EQ(arrivalOdds(60, true, 22), 30);
    EXPECT_EQ(arrivalOdds(60, true, 12), 60);
    EXPECT_EQ(arrivalOdds(100, false, 9), 200);
    EXPECT_EQ(arrivalOdds(100, false, 19), 200);
    EXPECT_EQ(arrivalOdds(100, false, 20), 100);
    EXPECT_EQ(arrivalOdds(100, false, 8), 100);
    EXPECT_EQ(arrivalOdds(10, false, 3), 10);
    EXPECT_EQ(arrivalOdds(4, false, 12), 10);    // 8 by day is still raised
    EXPECT_EQ(arrivalOdds(30, true, 12), 10);    // 0 doubled
    EXPECT_EQ(arrivalOdds(-50, false, 12), 10);  // whatever a record holds
}

TEST_F(BeachRules, AtMostThirtyRollsAFrame) {
    GameState* s = new GameState();
    s->currentBeach = 0;
    s->beachRate[0] = 100;
    s->crowdedBeach = 5;
    s->hour = 12;
    // With every slot active each roll draws exactly one number.
    for (int i = 0; i < kVisitorSlots; ++i) s->visitors.life[i] = 5000;
    for (int frameMs : {0, 7, 30, 31, 1000}) {
        setRandomState(1234);
        runArrivals(*s, frameMs);
        const uint32_t after = randomState();
        setRandomState(1234);
        for (int k = 0; k < std::min(frameMs, 30); ++k) gameRand();
        EXPECT_EQ(after, randomState()) << frameMs;
    }
    delete s;
}

TEST_F(BeachRules, SpawnZonesAreInclusiveAndUnusedEntriesNeverMatch) {
    // Beach 8: (46,273)-(576,339) (566,236)-(1192,339) (1185,284)-(2322,339).
    EXPECT_TRUE(insideSpawnZone(7, 46, 273));
    EXPECT_TRUE(insideSpawnZone(7, 576, 339));
    EXPECT_FALSE(insideSpawnZone(7, 45, 300));
    EXPECT_FALSE(insideSpawnZone(7, 300, 340));
    EXPECT_TRUE(insideSpawnZone(7, 600, 236));
    EXPECT_FALSE(insideSpawnZone(7, 2323, 300));
    EXPECT_FALSE(insideSpawnZone(7, 0, 0));  // the zero entries
    EXPECT_TRUE(insideSpawnZone(8, 1733, 208));
    EXPECT_FALSE(insideSpawnZone(8, 1732, 208));
    EXPECT_FALSE(insideSpawnZone(-1, 500, 300));
    EXPECT_FALSE(insideSpawnZone(10, 500, 300));
}

TEST_F(BeachRules, ArrivalsKeepTheirDistanceInBothAxesAndNeverRepeatAType) {
    BeachVisitors v = emptyVisitors();
    put(v, 3, 7, 1000, 250, 0);
    // Nearer than 110 in both axes: refused; 110 away in either axis: fine.
    EXPECT_FALSE(arrivalAllowed(v, 8, 1109, 359, 12, 0));
    EXPECT_FALSE(arrivalAllowed(v, 8, 891, 141, 12, 0));
    EXPECT_TRUE(arrivalAllowed(v, 8, 1110, 250, 12, 0));
    EXPECT_TRUE(arrivalAllowed(v, 8, 1000, 360, 12, 0));
    EXPECT_TRUE(arrivalAllowed(v, 8, 890, 140, 12, 0));
    // The same type anywhere, even in a slot whose life is over.
    EXPECT_FALSE(arrivalAllowed(v, 7, 2000, 250, 12, 0));
    v.life[3] = 0;
    EXPECT_FALSE(arrivalAllowed(v, 7, 2000, 250, 12, 0));
    EXPECT_FALSE(arrivalAllowed(v, 8, 1050, 260, 12, 0));
}

TEST_F(BeachRules, ArrivalsFollowTheTypeFlags) {
    BeachVisitors v = emptyVisitors();
    // Type 18 appears only on the members-only beaches 2, 4, 7 and 8.
    EXPECT_FALSE(arrivalAllowed(v, 18, 500, 250, 12, 0));
    for (int beach : {1, 3, 6, 7}) EXPECT_TRUE(arrivalAllowed(v, 18, 500, 250, 12, beach));
    EXPECT_TRUE(arrivalAllowed(v, 5, 500, 250, 12, 0));
    // Flags by the hour: patch a type to day only, then to night only.
    rebuildVisitorTypes();
    VisitorType& five = const_cast<VisitorType&>(visitorType(5));
    five.flags = kVisitorByDay;
    EXPECT_TRUE(arrivalAllowed(v, 5, 500, 250, 19, 0));
    EXPECT_FALSE(arrivalAllowed(v, 5, 500, 250, 20, 0));
    EXPECT_FALSE(arrivalAllowed(v, 5, 500, 250, 8, 0));
    five.flags = kVisitorAtNight;
    EXPECT_FALSE(arrivalAllowed(v, 5, 500, 250, 9, 0));
    EXPECT_TRUE(arrivalAllowed(v, 5, 500, 250, 2, 0));
    rebuildVisitorTypes();
    EXPECT_EQ(visitorType(5).flags, kVisitorByDay | kVisitorAtNight);
}

TEST_F(BeachRules, PosesLeftAreCutSoTheLastPoseIsTheFinalSprite) {
    EXPECT_EQ(cutPosesLeft(5, 7, 8), 3);
    EXPECT_EQ(cutPosesLeft(0, 7, 8), 7);
    EXPECT_EQ(cutPosesLeft(7, 1, 8), 1);
    EXPECT_EQ(cutPosesLeft(7, 5, 8), 1);

    // An animated visitor at pose 5 with 3 poses left shows 5, 6, 7 and then leaves.
    BeachVisitors v = emptyVisitors();
    put(v, 0, 9, 700, 250, 5, 10);
    v.animated[0] = 1;
    v.posesLeft[0] = 3;
    std::vector<int> shown = {v.pose[0]};
    for (int frame = 0; frame < 100 && v.life[0] > 0; ++frame) {
        ageVisitor(v, 0, 10000);
        if (v.life[0] > 0) shown.push_back(v.pose[0]);
    }
    EXPECT_EQ(shown, (std::vector<int>{5, 6, 7}));
    EXPECT_EQ(v.typeId[0], 0);
    EXPECT_EQ(v.x[0], kEmptyVisitorX);

    // A still visitor leaves when its life is over; life runs down by twice the frame.
    put(v, 1, 3, 700, 250, 2, 33);
    ageVisitor(v, 1, 16);
    EXPECT_EQ(v.life[1], 1);
    EXPECT_EQ(v.typeId[1], 3);
    ageVisitor(v, 1, 1);
    EXPECT_EQ(v.typeId[1], 0);
    EXPECT_EQ(v.life[1], 0);
}

TEST_F(BeachRules, PlacedVisitorsNeverPassTheirSprites) {
    BeachVisitors v = emptyVisitors();
    for (uint32_t seed = 1; seed < 400; ++seed) {
        setRandomState(seed);
        placeVisitor(v, 0, 12, 600, 250);
        EXPECT_GE(v.pose[0], 0);
        EXPECT_LE(v.pose[0] + v.posesLeft[0], 8);
        EXPECT_GE(v.life[0], 1500);
        EXPECT_LT(v.life[0], 2500);
        placeVisitor(v, 1, 40, 900, 250);  // one sprite: never animated, no roll for it
        EXPECT_EQ(v.pose[1], 0);
        EXPECT_EQ(v.animated[1], 0);
    }
}

TEST_F(BeachRules, PhotoValue) {
    BeachVisitors v = emptyVisitors();
    // Nobody within the radius.
    put(v, 0, 18, 1000 + 90, 200, 3);
    PhotoGrade g = gradePhoto(v, 1000, 200, false, true, 12, 0);
    EXPECT_EQ(g.subject, 0);
    EXPECT_EQ(g.subjectPose, 0);
    EXPECT_EQ(g.value, 0);
    EXPECT_EQ(g.withFlash, 1);
    EXPECT_EQ(g.daytime, 1);
    // 89 away without zoom counts: ((5 + 5) × 3 + 20) × 1.
    v.x[0] = 1000 + 89;
    g = gradePhoto(v, 1000, 200, false, false, 20, 0);
    EXPECT_EQ(g.subject, 18);
    EXPECT_EQ(g.subjectPose, 3);
    EXPECT_EQ(g.value, 50);
    EXPECT_EQ(g.daytime, 0);
    // With zoom the radius is 45.
    EXPECT_EQ(gradePhoto(v, 1000, 200, true, false, 12, 0).subject, 0);
    v.x[0] = 1000 - 44;
    v.y[0] = 200 + 44;
    g = gradePhoto(v, 1000, 200, true, false, 12, 0);
    EXPECT_EQ(g.value, 100);
    EXPECT_EQ(g.withTele, 1);
    // Within 20 in both axes: 20 more; 20 away is not.
    v.x[0] = 1019;
    v.y[0] = 181;
    EXPECT_EQ(gradePhoto(v, 1000, 200, true, false, 12, 0).value, 120);
    v.x[0] = 1020;
    EXPECT_EQ(gradePhoto(v, 1000, 200, true, false, 12, 0).value, 100);
    v.x[0] = 1000;
    v.y[0] = 200;
    // Integer division by the blur count + 1: 120 / 3.
    EXPECT_EQ(gradePhoto(v, 1000, 200, true, false, 12, 2).value, 40);
    EXPECT_EQ(gradePhoto(v, 1000, 200, false, false, 12, 2).value, 23);  // 70 / 3

    // A base value of 0 names the subject but adds nothing; the last in slot order wins.
    put(v, 5, 4, 1010, 210, 6);
    g = gradePhoto(v, 1000, 200, false, false, 12, 0);
    EXPECT_EQ(g.subject, 4);
    EXPECT_EQ(g.subjectPose, 6);
    EXPECT_EQ(g.value, 70);
    // Visitors whose life is over are not on the photo.
    v.life[5] = 0;
    EXPECT_EQ(gradePhoto(v, 1000, 200, false, false, 12, 0).subject, 18);
}

TEST_F(BeachRules, BlurCountTakesTwoRollsWithTheCamerasOdds) {
    for (int camera = 0; camera < 3; ++camera) {
        const int odds = camera + 2;
        for (uint32_t seed = 1; seed < 50; ++seed) {
            setRandomState(seed);
            const int a = gameRand() % odds == 1;
            const int b = gameRand() % odds == 1;
            const uint32_t after = randomState();
            setRandomState(seed);
            EXPECT_EQ(rollBlurCount(camera), a + b);
            EXPECT_EQ(randomState(), after);
        }
    }
}

TEST_F(BeachRules, NightWeightOfTheBeach) {
    EXPECT_EQ(beachNightWeight(15, 0, 0), 0);
    EXPECT_EQ(beachNightWeight(12, 0, 0), 0);
    EXPECT_EQ(beachNightWeight(19, 0, 0), 5);  // t 14400: (169 - 127) × 2.5 - 100
    EXPECT_EQ(beachNightWeight(21, 0, 0), 217);
    EXPECT_EQ(beachNightWeight(3, 0, 0), 255);
    EXPECT_EQ(beachNightWeight(0, 30, 0), 255);  // negative before 03:00
    EXPECT_EQ(beachNightWeight(11, 0, 0), 5);    // the morning mirrors the evening
    EXPECT_EQ(beachNightWeight(8, 0, 0), 255);
    // a = 1 - 127 = -126 gives b = -315 (truncated toward zero) and so 0.
    EXPECT_EQ(beachNightWeight(14, 58, 35), 0);
}

TEST_F(BeachRules, ScrollingAtTheEdgesOnly) {
    EXPECT_EQ(scrollDirection(0, 640, false, false), -1);
    EXPECT_EQ(scrollDirection(1, 640, false, false), 0);
    EXPECT_EQ(scrollDirection(638, 640, false, false), 0);
    EXPECT_EQ(scrollDirection(639, 640, false, false), 1);
    // Beyond the game's area on a larger page, and the right edge of a smaller page.
    EXPECT_EQ(scrollDirection(799, 800, false, false), 1);
    EXPECT_EQ(scrollDirection(319, 320, false, false), 1);
    EXPECT_EQ(scrollDirection(318, 320, false, false), 0);
    EXPECT_EQ(scrollDirection(638, 0, false, false), 0);  // no page yet: 640 wide
    // The arrow keys.
    EXPECT_EQ(scrollDirection(300, 640, true, false), -1);
    EXPECT_EQ(scrollDirection(300, 640, false, true), 1);
    EXPECT_EQ(scrollDirection(300, 640, true, true), 0);
    EXPECT_EQ(scrolled(960, -1, 16), 944);
    EXPECT_EQ(scrolled(10, -1, 16), 0);
    EXPECT_EQ(scrolled(1910, 1, 16), 1919);
    EXPECT_EQ(scrolled(5000, 0, 16), 1919);
}

TEST_F(BeachRules, ViewfinderStaysInsideTheView) {
    const ViewRect centre = viewfinderRect(320, 200, 320, 180);
    EXPECT_EQ(centre.x, 160);
    EXPECT_EQ(centre.y, 110);
    const ViewRect corner = viewfinderRect(2, 359, 320, 180);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 180);
    EXPECT_EQ(viewfinderRect(639, 0, 320, 180).x, 320);
}

TEST_F(BeachRules, ShutterLockAndShotsPerCamera) {
    EXPECT_EQ(shutterLockFor(0), 502);
    EXPECT_EQ(shutterLockFor(1), 302);
    EXPECT_EQ(shutterLockFor(2), 102);
    EXPECT_EQ(shutterLockAfter(102, 16), 86);
    EXPECT_EQ(shutterLockAfter(6, 16), -10);  // one more frame locked ...
    EXPECT_EQ(shutterLockAfter(-10, 16), 0);  // ... then free
    EXPECT_EQ(shutterLockAfter(0, 16), 0);

    GameState* s = new GameState();
    s->camera[1] = 1;
    s->selectedCamera = 1;
    s->shotsTaken[1] = 9;
    EXPECT_EQ(nextPhotoSlot(*s), 19);
    s->shotsTaken[1] = 10;  // the 11th shot has no slot
    EXPECT_EQ(nextPhotoSlot(*s), -1);
    s->shotsTaken[1] = 0;
    s->selectedCamera = 2;  // not owned
    EXPECT_EQ(cameraInHand(*s), -1);
    EXPECT_EQ(nextPhotoSlot(*s), -1);
    delete s;
}

TEST_F(BeachRules, DangerOddsAndGraceByCamouflage) {
    GameState* s = new GameState();
    auto odds = [&] { return dangerOdds(*s); };
    EXPECT_EQ(odds().divisor, 8);
    EXPECT_EQ(odds().grace, 1);
    for (int32_t& item : s->camouflage) item = 1;
    EXPECT_EQ(odds().divisor, 8);  // rented but not worn
    s->camouflageOn = 1;
    EXPECT_EQ(odds().divisor, 18 + 8 + 5 + 3 + 2 + 1);
    EXPECT_EQ(odds().grace, 1);  // the lifesaver comes last
    s->camouflage[0] = 0;
    EXPECT_EQ(odds().grace, 2);
    for (int32_t& item : s->camouflage) item = 0;
    s->camouflage[5] = 1;
    EXPECT_EQ(odds().divisor, 18);
    EXPECT_EQ(odds().grace, 5);
    s->camouflage[5] = 0;
    s->camouflage[4] = 1;
    EXPECT_EQ(odds().divisor, 16);
    EXPECT_EQ(odds().grace, 4);
    s->camouflage[3] = 1;
    EXPECT_EQ(odds().divisor, 21);
    EXPECT_EQ(odds().grace, 3);
    delete s;
}

TEST_F(BeachRules, NoIncidentBeforeTheGraceHasPassed) {
    GameState* s = new GameState();
    // A generator whose next draw catches (rand() % 8 == 0).
    const uint32_t caught = stateWhere([] { return gameRand() % 8 == 0; });
    setRandomState(caught);
    s->hoursOnBeach = 0;
    EXPECT_EQ(rollDanger(*s), Incident::None);  // the first hour change of the visit
    EXPECT_EQ(s->hoursOnBeach, 1);
    setRandomState(caught);
    gameRand();
    const int kind = gameRand() % 3;
    setRandomState(caught);
    EXPECT_EQ(static_cast<int>(rollDanger(*s)), kind);  // the second
    // With the yacht worn, not before the sixth.
    s->camouflage[5] = 1;
    s->camouflageOn = 1;
    const uint32_t caughtYacht = stateWhere([] { return gameRand() % 18 == 0; });
    s->hoursOnBeach = 4;
    setRandomState(caughtYacht);
    EXPECT_EQ(rollDanger(*s), Incident::None);
    setRandomState(caughtYacht);
    EXPECT_NE(rollDanger(*s), Incident::None);
    // Not caught: one draw only.
    const uint32_t free = stateWhere([] { return gameRand() % 18 != 0; });
    setRandomState(free);
    gameRand();
    const uint32_t oneDraw = randomState();
    setRandomState(free);
    EXPECT_EQ(rollDanger(*s), Incident::None);
    EXPECT_EQ(randomState(), oneDraw);
    delete s;
}

TEST_F(BeachRules, EquipmentLossTakesOneOwnedItem) {
    GameState* s = new GameState();
    for (int i = 0; i < 3; ++i) s->camera[i] = s->lens[i] = s->flash[i] = 1;
    // An odd roll: nothing, one draw.
    setRandomState(stateWhere([] { return gameRand() % 2 == 1; }));
    EXPECT_EQ(rollEquipmentLoss(*s), -1);
    // An even roll naming the lens of camera 2 (k = 4).
    setRandomState(stateWhere([] { return gameRand() % 2 == 0 && gameRand() % 9 == 4; }));
    EXPECT_EQ(rollEquipmentLoss(*s), 4);
    EXPECT_EQ(s->lens[1], 0);
    EXPECT_EQ(s->camera[1], 1);
    // The same item again: already gone, nothing happens.
    setRandomState(stateWhere([] { return gameRand() % 2 == 0 && gameRand() % 9 == 4; }));
    EXPECT_EQ(rollEquipmentLoss(*s), -1);
    EXPECT_EQ(hospitalBillFor(3000), 600);
    EXPECT_EQ(hospitalBillFor(149), 29);
    delete s;
}

}  // namespace
