// Records from outside, through the game's own entry points and then played: every field the
// scenes index, divide, multiply or count with, at the ends of the 32-bit range and just past
// its own, comes out of a savegame slot in range, with nothing else of the record touched, and
// the game plays on from it; a record that is no game is refused with the running game as it
// was.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/display/normhi.h"
#include "engine/input/input.h"
#include "engine/platform/headless_display.h"
#include "engine/platform/performance_counter.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "game/app/main_loop.h"
#include "game/app/script.h"
#include "game/files/savegame_file.h"
#include "game/scenes/after_load.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/random.h"
#include "game/ui/modal_box.h"
#include "game/ui/runtime.h"
#include "tests/e2e/game_run.h"
#include "tests/support/test_env.h"
#include "texts/texts.h"

namespace fs = std::filesystem;

namespace {

constexpr int kBeach = 205;  // beach 5
constexpr int kFrameMs = 16;

// The whole game in this process on the headless backend, as a scripted run has it: the main
// loop's frames, the script player for input, the small data set of the whole-game runs.
class LoadedRecords : public EngineTest {
  protected:
    static void SetUpTestSuite() {
        data_ = fs::temp_directory_path() / ("ravez-afterload-data-" + std::to_string(getpid()));
        writeSmallDataSet(data_.string());
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        fs::remove_all(data_, ignored);
    }

    void SetUp() override {
        EngineTest::SetUp();
        saved_ = std::make_unique<GameState>(gameState());
        randomSaved_ = randomState();
        setRandomState(1);  // as a program starts
        platform::setPerformanceCounter(&clock_);
        Runtime& rt = runtime();
        rt.headless = &backend_;
        rt.virtualClock = &clock_;
        rt.virtualStep = kFrameMs * (platform::VirtualPerformanceCounter::kFrequency / 1000);
        rt.skipMovies = true;
        win_ = std::make_unique<NormalWin>(backend_);
        ASSERT_NE(win_->CreateGameWindow("Ravez Lensquest", "Ravez Lensquest", 640, 480, 16,
                                         kBufferingQuad),
                  nullptr);
        rt.display = win_.get();
        installInputHandlers();
        Files().SetSearchPath((data_.string() + "/").c_str());
        frameValues() = FrameValues{};
        frameValues().perfFrequency = clock_.frequency();
        std::memset(static_cast<void*>(&gameState()), 0, sizeof(GameState));
        latchTurnCounter();
        startMainLoop();

        // A game as the save screen writes it: a new game, some days on, at 23:59:50 of the
        // year's last day (the next frames end the day and the year), with a room, a camera
        // with its first shot taken, an order running and a visitor posing on beach 5.
        startNewGame();
        base_ = std::make_unique<GameState>(gameState());
        GameState& b = *base_;
        b.sceneId = 21;
        b.onMap = 1;
        b.month = 11;
        b.day = 30;
        b.hour = 23;
        b.minute = 59;
        b.second = 50;
        b.money = 5000;
        b.roomRented[0] = 1;
        b.nightsPaid[0] = 3;
        b.tip = 30;
        b.camera[0] = 1;
        b.lens[0] = 1;
        b.shotsTaken[0] = 1;
        b.photoUsed[0] = 1;
        b.photoRecords.subject[0] = 18;
        b.photoRecords.blurLevel[0] = 1;
        b.currentOrder = 0;
        b.orderDaysLeft = 2;
        b.currentBeach = kBeach - 201;
        b.scrollX = 960;
        b.lastBeachHour = 23;
        b.visitors.typeId[0] = 18;
        b.visitors.x[0] = 960 + 320;
        b.visitors.y[0] = 200;
        b.visitors.pose[0] = 3;
        b.visitors.animated[0] = 1;
        b.visitors.posesLeft[0] = 2;
        b.visitors.life[0] = 1 << 30;
        b.apartmentVisits = 4;
        b.shopVisits = 3;
        b.tvVisits = 5;
        std::memset(static_cast<void*>(&gameState()), 0, sizeof(GameState));

        // A row of the load screen to click.
        fs::create_directories("sav");
        SlotDirectory list;
        setSlotEntry(&list, 1, txt::kSaveTitleFormat, txt::kSaveDateFormat, 1, SaveTime{});
        ASSERT_TRUE(writeDirectoryFile(list));
    }
    void TearDown() override {
        endMainLoop();
        ClosePools();
        Runtime& rt = runtime();
        rt.display = nullptr;
        rt.headless = nullptr;
        rt.virtualClock = nullptr;
        rt.virtualStep = 0;
        rt.script = nullptr;
        rt.skipMovies = false;
        win_.reset();
        // The turn's counter reading back to a program's start, as the other tests take it.
        platform::VirtualPerformanceCounter start;
        platform::setPerformanceCounter(&start);
        latchTurnCounter();
        platform::setPerformanceCounter(nullptr);
        frameValues() = FrameValues{};
        gameState() = *saved_;
        setRandomState(randomSaved_);
        EngineTest::TearDown();
    }

    // Plays the script with the game's own player until it is done (it then sends Esc, which
    // ends the frames); false when a command failed.
    bool play(const std::string& text) {
        ScriptDriver script;
        script.setInput(&backend_);
        EXPECT_TRUE(script.loadText(text)) << script.error();
        runtime().script = &script;
        for (int frame = 0; frame < 200 && runFrame(); ++frame) {
        }
        runtime().script = nullptr;
        EXPECT_TRUE(script.done());
        return !script.failed();
    }
    // Where the slot's file is on disk.
    static std::string slotPath(int slot) {
        char name[32];
        std::snprintf(name, sizeof name, "game%02d", slot);
        return (fs::current_path() / "sav" / name).string();
    }
    // The record as a savegame slot file, written by the game's own savegame code.
    static std::string writeSlot(int slot, const GameState& s) {
        EXPECT_TRUE(writeSlotFile(slot, &s, sizeof s));
        return slotPath(slot);
    }
    // Changes one 32-bit field of a slot file on disk, as an editor of savegames would.
    static void patchSlot(int slot, std::size_t offset, int32_t value) {
        std::fstream file(slotPath(slot), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(offset));
        file.write(reinterpret_cast<const char*>(&value), sizeof value);
        EXPECT_TRUE(file.good());
    }
    // The slot read by the load screen's reader and put in place by the after-load entry
    // both loaders share; as load-state does it, the game stays in the record's scene and this
    // run's beach pictures stay loaded, so that the frames after it play where the field is
    // used.
    static bool loadSlot(int slot) {
        std::vector<uint8_t> image;
        EXPECT_EQ(readSlotFile(slot, &image), SlotRead::Whole);
        return putRecordImage(image.data(), gameState().beachLoaded);
    }
    // The base game in another scene, on the heap (a record is too large for a test's stack
    // under the sanitizers).
    std::unique_ptr<GameState> baseIn(int scene) const {
        auto s = std::make_unique<GameState>(*base_);
        s->sceneId = scene;
        return s;
    }

    platform::HeadlessDisplay backend_;
    platform::VirtualPerformanceCounter clock_;
    std::unique_ptr<NormalWin> win_;
    std::unique_ptr<GameState> base_;
    std::unique_ptr<GameState> saved_;
    uint32_t randomSaved_ = 1;
    static fs::path data_;
};

fs::path LoadedRecords::data_;

// The game's clock as game seconds, to see how far it ran.
int64_t gameSeconds(const GameState& s) {
    const int64_t days = (int64_t{s.year} * 12 + s.month) * 30 + s.day;
    return ((days * 24 + s.hour) * 60 + s.minute) * 60 + s.second;
}

bool clockInRange(const GameState& s) {
    return s.month >= 0 && s.month <= 11 && s.day >= 1 && s.day <= 30 && s.hour >= 0 &&
           s.hour <= 23 && s.minute >= 0 && s.minute <= 59 && s.second >= 0 && s.second <= 59;
}

struct Field {
    const char* name;
    int32_t& (*at)(GameState&);
    int32_t low;  // the range the rules work with
    int32_t high;
    int scene;           // where the loaded game is played
    const char* script;  // what is played there
    bool visitor;        // a field of visitor slot 0: the slot may be emptied instead
    bool refused;        // every value outside the range refuses the record
    void (*prepare)(GameState&);
};

const std::string kFrames = "frames 3\n";
const std::string kShot = "move 320 200\nframes 1\nclick 320 200\nframes 3\n";
const std::string kThumbnail = "move 30 80\nframes 3\n";
const std::string kTv = std::string("frames 1\nclick \"") + txt::kTv + "\"\nframes 3\n";
const std::string kLaura = std::string("frames 1\nclick \"") + txt::kLaura + "\"\nframes 3\n";

void atNoon(GameState& s) {
    s.hour = 12;  // Laura is at work in the shop
}

// clang-format off
const Field kFields[] = {
    {"sceneId", [](GameState& s) -> int32_t& { return s.sceneId; }, 0, 35, 1, kFrames.c_str(), false, true, nullptr},
    {"month", [](GameState& s) -> int32_t& { return s.month; }, 0, 11, 1, kFrames.c_str(), false, false, nullptr},
    {"day", [](GameState& s) -> int32_t& { return s.day; }, 1, 30, 1, kFrames.c_str(), false, false, nullptr},
    {"hour", [](GameState& s) -> int32_t& { return s.hour; }, 0, 23, 1, kFrames.c_str(), false, false, nullptr},
    {"minute", [](GameState& s) -> int32_t& { return s.minute; }, 0, 59, 1, kFrames.c_str(), false, false, nullptr},
    {"second", [](GameState& s) -> int32_t& { return s.second; }, 0, 59, 1, kFrames.c_str(), false, false, nullptr},
    {"year", [](GameState& s) -> int32_t& { return s.year; }, 0, 9999, 1, kFrames.c_str(), false, false, nullptr},
    {"gameSpeed", [](GameState& s) -> int32_t& { return s.gameSpeed; }, 0, 2, 1, kFrames.c_str(), false, false, nullptr},
    {"scrollX", [](GameState& s) -> int32_t& { return s.scrollX; }, 0, 1919, kBeach, kShot.c_str(), false, false, nullptr},
    {"selectedCamera", [](GameState& s) -> int32_t& { return s.selectedCamera; }, 0, 2, kBeach, kShot.c_str(), false, false, nullptr},
    {"shotsTaken", [](GameState& s) -> int32_t& { return s.shotsTaken[0]; }, 0, 10, kBeach, kShot.c_str(), false, false, nullptr},
    {"blurLevel", [](GameState& s) -> int32_t& { return s.photoRecords.blurLevel[0]; }, 0, 2, 11, kThumbnail.c_str(), false, false, nullptr},
    {"visitor typeId", [](GameState& s) -> int32_t& { return s.visitors.typeId[0]; }, 1, 56, kBeach, kShot.c_str(), true, false, nullptr},
    {"visitor pose", [](GameState& s) -> int32_t& { return s.visitors.pose[0]; }, 0, 7, kBeach, kShot.c_str(), true, false, nullptr},
    {"visitor posesLeft", [](GameState& s) -> int32_t& { return s.visitors.posesLeft[0]; }, 0, 5, kBeach, kShot.c_str(), true, false, nullptr},
    {"visitor x", [](GameState& s) -> int32_t& { return s.visitors.x[0]; }, 0, 2559, kBeach, kShot.c_str(), true, false, nullptr},
    {"visitor y", [](GameState& s) -> int32_t& { return s.visitors.y[0]; }, 0, 359, kBeach, kShot.c_str(), true, false, nullptr},
    {"beachRate", [](GameState& s) -> int32_t& { return s.beachRate[kBeach - 201]; }, 0, 100, kBeach, kShot.c_str(), false, false, nullptr},
    {"currentBeach", [](GameState& s) -> int32_t& { return s.currentBeach; }, 0, 9, kBeach, kShot.c_str(), false, false, nullptr},
    {"crowdedBeach", [](GameState& s) -> int32_t& { return s.crowdedBeach; }, 0, 9, kBeach, kShot.c_str(), false, false, nullptr},
    {"hoursOnBeach", [](GameState& s) -> int32_t& { return s.hoursOnBeach; }, 0, kCounterLimit, kBeach, kShot.c_str(), false, false, nullptr},
    {"tip", [](GameState& s) -> int32_t& { return s.tip; }, 0, 50, 8, kFrames.c_str(), false, false, nullptr},
    {"currentHotel", [](GameState& s) -> int32_t& { return s.currentHotel; }, 0, 2, 8, kFrames.c_str(), false, false, nullptr},
    {"currentRoom", [](GameState& s) -> int32_t& { return s.currentRoom; }, 0, 2, 15, kFrames.c_str(), false, false, nullptr},
    {"nightsPaid", [](GameState& s) -> int32_t& { return s.nightsPaid[0]; }, 0, kCounterLimit, 3, kFrames.c_str(), false, false, nullptr},
    {"recoveryHoursLeft", [](GameState& s) -> int32_t& { return s.recoveryHoursLeft; }, 0, 59, 27, kFrames.c_str(), false, false, nullptr},
    {"recoveryHoursTotal", [](GameState& s) -> int32_t& { return s.recoveryHoursTotal; }, 0, 59, 27, kFrames.c_str(), false, false, nullptr},
    {"currentOrder", [](GameState& s) -> int32_t& { return s.currentOrder; }, -1, kOrders - 1, 13, kFrames.c_str(), false, false, nullptr},
    {"tvVisits", [](GameState& s) -> int32_t& { return s.tvVisits; }, 0, kCounterLimit, 7, kTv.c_str(), false, false, nullptr},
    {"apartmentVisits", [](GameState& s) -> int32_t& { return s.apartmentVisits; }, 0, kCounterLimit, 24, kLaura.c_str(), false, false, nullptr},
    {"shopVisits", [](GameState& s) -> int32_t& { return s.shopVisits; }, 0, kCounterLimit, 2, kLaura.c_str(), false, false, &atNoon},
};
// clang-format on

TEST_F(LoadedRecords, EveryFieldComesOutOfASlotInRangeAndTheGamePlaysOn) {
    writeSlot(2, *baseIn(kBeach));
    auto record = std::make_unique<GameState>();
    auto expected = std::make_unique<GameState>();
    for (const Field& field : kFields) {
        // The field's game saved, then the field changed in the file.
        *record = *base_;
        record->sceneId = field.scene;
        if (field.prepare) field.prepare(*record);
        writeSlot(1, *record);
        const std::size_t offset =
            static_cast<std::size_t>(reinterpret_cast<const char*>(&field.at(*record)) -
                                     reinterpret_cast<const char*>(record.get()));
        for (const int32_t value : {INT32_MIN, -1, field.high + 1, INT32_MAX}) {
            SCOPED_TRACE(std::string(field.name) + " = " + std::to_string(value));
            const bool inRange = value >= field.low && value <= field.high;
            // Visitor fields are judged on a visit under way: the beach is entered first, then
            // the record is put back over it.
            if (field.scene == kBeach &&
                (gameState().sceneId != kBeach || !gameState().beachLoaded ||
                 heldBeachPictures() != kBeach - 200)) {
                ASSERT_TRUE(loadSlot(2));
                ASSERT_TRUE(play("frames 1\n"));
                ASSERT_EQ(heldBeachPictures(), kBeach - 200);
            }
            field.at(*record) = value;
            patchSlot(1, offset, value);
            *expected = gameState();

            const bool loaded = loadSlot(1);
            GameState& s = gameState();
            if (field.refused && !inRange) {
                EXPECT_FALSE(loaded);
                EXPECT_EQ(std::memcmp(&s, expected.get(), sizeof s), 0);
                continue;
            }
            ASSERT_TRUE(loaded);
            const int32_t mended = field.at(s);
            if (field.visitor && s.visitors.life[0] <= 0) {
                EXPECT_FALSE(inRange);
                EXPECT_EQ(s.visitors.typeId[0], 0);  // emptied: the visitor has left
            } else {
                EXPECT_GE(mended, field.low);
                EXPECT_LE(mended, field.high);
                if (inRange) {
                    EXPECT_EQ(mended, value);
                }
            }
            // Nothing else is touched but what this run derives (the tick length) and holds
            // (its beach pictures).
            *expected = *record;
            field.at(*expected) = mended;
            expected->tickLength = s.tickLength;
            expected->beachLoaded = s.beachLoaded;
            if (field.visitor) {
                BeachVisitors& v = expected->visitors;
                v.typeId[0] = s.visitors.typeId[0];
                v.x[0] = s.visitors.x[0];
                v.y[0] = s.visitors.y[0];
                v.pose[0] = s.visitors.pose[0];
                v.posesLeft[0] = s.visitors.posesLeft[0];
                v.life[0] = s.visitors.life[0];
            }
            EXPECT_EQ(std::memcmp(&s, expected.get(), sizeof s), 0);
            EXPECT_EQ(s.tickLength, clock_.frequency() / (100 * (2 * s.gameSpeed + 1)));

            // The game plays on from it in its scene: the clock keeps its pace and its range
            // (only a stay in hospital, loaded or after an accident on the beach, skips hours).
            const int64_t before = gameSeconds(s);
            const int32_t hoursLoaded = s.recoveryHoursLeft;
            EXPECT_TRUE(play(field.script));
            EXPECT_TRUE(clockInRange(s));
            const int64_t skipped = int64_t{std::max(hoursLoaded, s.recoveryHoursTotal)} * 3600;
            EXPECT_LE(gameSeconds(s) - before, skipped + 120);
        }
    }
}

// A slot of the right size that is no game (all bytes 0xFF: scene -1, the clock at -1:-1; all
// bytes 0: no game begun) is refused by the load screen as a damaged one, and by load-state;
// the running game stays as it was to the byte, and the file as it was on disk.
TEST_F(LoadedRecords, ARefusedSlotLeavesTheRunningGameUntouched) {
    GameState& s = gameState();
    std::unique_ptr<GameState> game = baseIn(20);
    game->money = 4321;
    game->hour = 12;
    const std::string running = writeSlot(2, *game);
    std::string why;
    ASSERT_TRUE(loadGameStateImage(running, &why)) << why;
    ASSERT_TRUE(play("frames 1\n"));
    ASSERT_EQ(s.sceneId, 20);

    const std::vector<uint8_t> garbage(sizeof(GameState), 0xFF);
    ASSERT_TRUE(writeSlotFile(1, garbage.data(), garbage.size()));
    const std::string before = (dir / "before.bin").string();
    const std::string inBox = (dir / "in-box.bin").string();
    // The row is clicked; in the box that says so the record is dumped before anything else
    // of the frame runs.
    ASSERT_TRUE(play("dump-state " + before + "\nclick 300 83\ndump-state " + inBox +
                     "\nclick \"ok\"\nframes 2\nexpect-scene 20\n"));
    EXPECT_EQ(openedBoxes().back(), txt::kSaveDamaged[0]);
    const std::vector<uint8_t> beforeBytes = readFile(before);
    ASSERT_EQ(beforeBytes.size(), sizeof(GameState));
    EXPECT_EQ(readFile(inBox), beforeBytes);
    EXPECT_EQ(s.money, 4321);
    EXPECT_EQ(readFile(slotPath(1)), garbage);

    auto untouched = std::make_unique<GameState>(s);
    EXPECT_FALSE(loadGameStateImage(slotPath(1), &why));
    EXPECT_EQ(why, "not a game (scene -1, day -1)");
    EXPECT_EQ(std::memcmp(&s, untouched.get(), sizeof s), 0);
    // Nor is a slot of zeros: the blank record no game has begun in.
    const std::vector<uint8_t> zeros(sizeof(GameState), 0);
    ASSERT_TRUE(writeSlotFile(1, zeros.data(), zeros.size()));
    EXPECT_FALSE(loadGameStateImage(slotPath(1), &why));
    EXPECT_EQ(why, "not a game (scene 0, day 0)");
    EXPECT_EQ(std::memcmp(&s, untouched.get(), sizeof s), 0);

    // A game with extreme fields loads from the same screen, mended, and the map plays on.
    std::unique_ptr<GameState> spoilt = baseIn(21);
    spoilt->gameSpeed = INT32_MAX;
    spoilt->second = INT32_MAX;
    spoilt->day = INT32_MIN;
    spoilt->beachRate[0] = INT32_MAX;
    writeSlot(1, *spoilt);
    ASSERT_TRUE(play("click 300 83\nframes 1\nclick \"ok\"\nframes 3\nexpect-scene 1\n"));
    EXPECT_EQ(openedBoxes().back(), txt::kGameLoaded);
    EXPECT_EQ(s.gameSpeed, 1);
    EXPECT_EQ(s.beachRate[0], 100);
    EXPECT_TRUE(clockInRange(s));
    // Day 1 of December at 23:59:59 ended once, and its night was paid.
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.month, 11);
    EXPECT_EQ(s.money, 5000 - 150);
    EXPECT_EQ(s.beachLoaded, 0);
}

}  // namespace
