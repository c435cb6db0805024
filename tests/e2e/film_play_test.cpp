// The film and the savegames played through scripts: a prepared film is valued and
// transferred in the album, sent from the computer for money, exported with S; games are
// saved to slots, the program ends, a new run loads them back byte for byte.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/resources/little_endian.h"
#include "game/ui/modal_box.h"
#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace fs = std::filesystem;

namespace {

// Records live on the heap: one is larger than a thread's stack may hold.
using Record = std::unique_ptr<GameState>;

class FilmPlay : public GameRun {
  protected:
    Record copyOfDump() const { return std::make_unique<GameState>(dumped()); }
    // A new game's record, as the map has it after the intro (played once, then copied).
    Record newGame() {
        static Record played;
        if (!played) {
            EXPECT_EQ(play("frames 1\nclick \"start new game\"\nuntil-scene 1 5\n"), 0);
            played = copyOfDump();
        }
        return std::make_unique<GameState>(*played);
    }
    // Writes the record to a file of the test folder and returns its path.
    std::string recordFile(const std::string& name, const GameState& s) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(&s);
        writeFile(name, std::vector<uint8_t>(bytes, bytes + sizeof s));
        return (dir / name).string();
    }
    static void photo(GameState& s, int slot, int subject, int pose, int value) {
        s.photoUsed[slot] = 1;
        s.photoRecords.subject[slot] = subject;
        s.photoRecords.subjectPose[slot] = pose;
        s.photoRecords.value[slot] = value;
        s.photoRecords.blurLevel[slot] = slot % 3;
        for (int i = 0; i < kPhotoWidth * kPhotoHeight; ++i) {
            s.photos[slot].pixels[i] = static_cast<uint16_t>(i * 37 + slot * 1000);
        }
    }
    // A film of eight photos: a series of three (subject 18, poses 2, 3, 4) worth 3 × 4 × 100,
    // two more of subject 18, and three single photos; order 0 (five of subject 18) is open.
    Record preparedFilm() {
        Record record = newGame();
        GameState& s = *record;
        for (int i = 0; i < kPhotoSlots; ++i) s.photoRecords.subject[i] = 100 + i;
        photo(s, 0, 18, 2, 100);
        photo(s, 1, 18, 3, 100);
        photo(s, 2, 18, 4, 100);
        photo(s, 3, 18, 1, 50);
        photo(s, 12, 18, 7, 70);
        photo(s, 14, 5, 0, 11);
        photo(s, 25, 6, 0, 22);
        photo(s, 29, 7, 0, 33);
        s.shotsTaken[0] = 4;
        s.shotsTaken[1] = 3;
        s.shotsTaken[2] = 1;
        s.currentOrder = 0;
        s.orderDaysLeft = 2;
        return record;
    }
    std::string workFile(const std::string& name) const { return workDir + "/" + name; }
    // Row n of the savegame screens.
    static std::string rowClick(int slot) {
        return "click 300 " + std::to_string(73 + 30 * (slot - 1) + 10) + "\n";
    }
};

constexpr int kFilmWorth = 1200 + 50 + 70 + 11 + 22 + 33;
constexpr int kOrderBonus = 1000;

TEST_F(FilmPlay, TransferredPhotosAreSentFromTheComputerForMoney) {
    Record film = preparedFilm();
    film->sceneId = 11;
    const std::string album = recordFile("album.bin", *film);
    ASSERT_EQ(play("frames 1\nload-state " + album +
                   "\nframes 2\nexpect-scene 11\n"
                   "click \"transfer pictures\"\nframes 2\nexpect-scene 11\n"),
              0);
    Record afterAlbum = copyOfDump();
    EXPECT_EQ(afterAlbum->photosToSend, 8);
    EXPECT_EQ(afterAlbum->euroToSend, kFilmWorth + kOrderBonus);
    EXPECT_EQ(afterAlbum->money, 3000);
    EXPECT_EQ(afterAlbum->currentOrder, -1);
    EXPECT_EQ(afterAlbum->orderDaysLeft, 0);
    for (int used : afterAlbum->photoUsed) EXPECT_EQ(used, 0);
    for (int shots : afterAlbum->shotsTaken) EXPECT_EQ(shots, 0);

    // An empty film shows no transfer button.
    EXPECT_EQ(play("frames 1\nload-state " + recordFile("empty.bin", *afterAlbum) +
                   "\nframes 2\nclick \"transfer pictures\"\n"),
              3);

    afterAlbum->sceneId = 12;
    const std::string atComputer = recordFile("computer.bin", *afterAlbum);
    ASSERT_EQ(play("frames 1\nload-state " + atComputer +
                   "\nframes 2\nexpect-scene 12\n"
                   "click \"send pictures\"\n"
                   "frames 2\n"  // the report box opens in the frame after sending
                   "screenshot " +
                   (dir / "report.bmp").string() +
                   "\n"
                   "click \"ok\"\nframes 2\nexpect-scene 12\n"
                   "click \"read news\"\nframes 2\nexpect-scene 13\n"),
              0);
    EXPECT_EQ(dumped().money, 3000 + kFilmWorth + kOrderBonus);
    EXPECT_EQ(dumped().photosToSend, 0);
    EXPECT_EQ(dumped().euroToSend, 0);
    EXPECT_EQ(dumped().reportPending, 0);  // shown once
    EXPECT_STREQ(dumped().reportLines[0], "pictures sent: 8");
    EXPECT_EQ(std::string(dumped().reportLines[1]),
              std::to_string(kFilmWorth + kOrderBonus) + " Euro transfered");

    // Nothing to send: no send button.
    EXPECT_EQ(play("frames 1\nload-state " + atComputer +
                   "\nframes 2\nclick \"send pictures\"\nframes 2\nclick \"ok\"\nframes 1\n"
                   "click \"send pictures\"\n"),
              3);
}

// A loaded game is read within its fields: report lines without their NUL end at their 80
// bytes, an order number outside the table is no order.
TEST_F(FilmPlay, SpoiltFieldsOfALoadedGameAreReadWithinTheirBounds) {
    Record s = newGame();
    s->sceneId = 12;
    s->reportPending = 1;
    std::memset(s->reportLines, 'A', sizeof s->reportLines);
    s->currentOrder = 1000;
    const std::string spoilt = recordFile("spoilt.bin", *s);
    s->sceneId = 13;
    s->reportPending = 0;
    s->currentOrder = 40;  // in the table, but never drawn: no picture
    s->orderDaysLeft = 1;
    const std::string unknownOrder = recordFile("order40.bin", *s);
    ASSERT_EQ(play("frames 1\nload-state " + spoilt +
                   "\nframes 2\nclick \"ok\"\nframes 1\nclick \"read news\"\nframes 2\n"
                   "expect-scene 13\nload-state " +
                   unknownOrder + "\nframes 2\nexpect-scene 13\n"),
              0);
    ASSERT_FALSE(openedBoxes().empty());
    EXPECT_EQ(openedBoxes().back(), std::string(80, 'A'));
    EXPECT_EQ(dumped().reportPending, 0);
}

TEST_F(FilmPlay, SIsTheKeyThatExportsThePhotoUnderTheCursor) {
    Record film = preparedFilm();
    film->sceneId = 11;
    const std::string album = recordFile("album.bin", *film);
    // Slot 1's thumbnail is at (80, 70).
    ASSERT_EQ(play("frames 1\nload-state " + album +
                   "\nframes 2\nmove 90 80\nframes 1\nkey s\nframes 2\nclick \"ok\"\n"
                   "frames 1\nmove 90 80\nframes 1\nkey s\nframes 2\nclick \"ok\"\nframes 1\n"
                   "move 400 300\nframes 1\nkey s\nframes 2\nexpect-scene 11\n"),
              0);
    const std::vector<uint8_t> first = readFile(workFile("fotos/foto0001.bmp"));
    ASSERT_EQ(first.size(), 172854u);
    EXPECT_EQ(readFile(workFile("fotos/foto0002.bmp")), first);
    EXPECT_FALSE(fs::exists(workFile("fotos/foto0003.bmp")));  // not over a photo
    EXPECT_EQ(readFile(workFile("fotos/scrshot.bin")), Bytes().u32(2).data);
    // The top row of the photo is the file's last row.
    const uint16_t c = film->photos[1].pixels[0];
    EXPECT_EQ(first[54 + 179 * 960], (c & 0x1F) << 3);
    EXPECT_EQ(dumped().photoUsed[1], 1);  // exporting keeps the photo
}

TEST_F(FilmPlay, ASavedGameLoadsBackByteForByteInANewRun) {
    Record film = preparedFilm();
    film->sceneId = 1;
    film->photosToSend = 5;
    film->euroToSend = 777;
    film->money = 12345;
    const std::string start = recordFile("start.bin", *film);
    ASSERT_EQ(play("frames 1\nload-state " + start +
                   "\nframes 2\nclick \"save game\"\nuntil-scene 21 5\n" + rowClick(4) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n"),
              0);
    const std::vector<uint8_t> slot = readFile(workFile("sav/game04"));
    ASSERT_EQ(slot.size(), sizeof(GameState));
    EXPECT_EQ(LoadLE32(slot.data()), 21u);  // saved on the save screen
    EXPECT_EQ(LoadLE32(slot.data() + 64), 12345u);
    const std::vector<uint8_t> list = readFile(workFile("sav/gamestr.dat"));
    ASSERT_EQ(list.size(), 664u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list.data()) + 4 * 60),
              "001. Lensquest savegame,");
    EXPECT_EQ(LoadLE32(list.data() + 660), 1u);
    for (const auto& entry : fs::directory_iterator(workFile("sav"))) {
        EXPECT_NE(entry.path().extension(), ".tmp");
    }

    // A new run: the menu's "load game", slot 4, and the record is the file's.
    const std::string loaded = (dir / "loaded.bin").string();
    ASSERT_EQ(play("frames 1\nclick \"load game\"\nuntil-scene 20 5\n" + rowClick(4) +
                   "frames 1\ndump-state " + loaded + "\nclick \"ok\"\nuntil-scene 1 5\n"),
              0);
    const std::vector<uint8_t> record = readFile(loaded);
    ASSERT_EQ(record.size(), slot.size());
    EXPECT_TRUE(record == slot);  // the same machine's counter: even the tick length agrees
    EXPECT_EQ(dumped().sceneId, 1);
    EXPECT_EQ(dumped().money, 12345);
    EXPECT_EQ(dumped().photosToSend, 5);
    EXPECT_EQ(dumped().photoUsed[29], 1);
    EXPECT_EQ(dumped().photos[2].pixels[500], film->photos[2].pixels[500]);
}

TEST_F(FilmPlay, OverwritingAsksFirstAndCountsEverySave) {
    Record s = newGame();
    s->money = 1111;
    const std::string start = recordFile("start.bin", *s);
    const std::string save = "click \"save game\"\nuntil-scene 21 5\n";
    ASSERT_EQ(play("frames 1\nload-state " + start + "\nframes 2\n" + save + rowClick(1) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n" + save + rowClick(2) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n" + save + rowClick(1) +
                   "frames 1\nclick \"no\"\nuntil-scene 1 5\n"),
              0);
    std::vector<uint8_t> list = readFile(workFile("sav/gamestr.dat"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list.data()) + 60),
              "001. Lensquest savegame,");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list.data()) + 120),
              "002. Lensquest savegame,");
    EXPECT_EQ(LoadLE32(list.data() + 660), 2u);

    // Answered yes: the slot holds the new game and the next number.
    s->money = 2222;
    ASSERT_EQ(play("frames 1\nload-state " + recordFile("again.bin", *s) + "\nframes 2\n" + save +
                   rowClick(1) + "frames 1\nclick \"yes\"\nframes 1\nclick \"ok\"\n" +
                   "until-scene 1 5\n"),
              0);
    list = readFile(workFile("sav/gamestr.dat"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(list.data()) + 60),
              "003. Lensquest savegame,");
    EXPECT_EQ(LoadLE32(readFile(workFile("sav/game01")).data() + 64), 2222u);
    EXPECT_EQ(LoadLE32(readFile(workFile("sav/game02")).data() + 64), 1111u);
}

TEST_F(FilmPlay, ADamagedOrMissingSlotIsRefusedAndAGermanSaveLoads) {
    // A list written by the German build: slot 1 a whole game, slot 2 a cut one, slot 3 listed
    // but without its file.
    Bytes list;
    list.zeros(60);
    for (int slot = 1; slot <= 3; ++slot) {
        const std::string title = "00" + std::to_string(slot) + ". Lensquest Spielstand,";
        list.text(title).zeros(30 - title.size()).text("03-03-2000, 09.05.07 Uhr").zeros(6);
    }
    list.zeros(7 * 60).u32(3);
    writeFile(workFile("sav/gamestr.dat"), list.data);
    Record german = std::make_unique<GameState>();
    german->sceneId = 21;
    german->day = 1;
    german->money = 9999;
    german->gameSpeed = 0;
    german->tickLength = 1;  // another machine's counter
    german->beachLoaded = 1;
    german->currentOrder = -1;
    const auto* bytes = reinterpret_cast<const uint8_t*>(german.get());
    writeFile(workFile("sav/game01"), std::vector<uint8_t>(bytes, bytes + sizeof(GameState)));
    writeFile(workFile("sav/game02"), std::vector<uint8_t>(bytes, bytes + sizeof(GameState) - 4));

    // The cut slot: a box, the record untouched, still on the load screen; back to the menu.
    ASSERT_EQ(play("frames 1\nclick \"load game\"\nuntil-scene 20 5\n" + rowClick(2) +
                   "frames 1\nclick \"ok\"\nframes 2\nexpect-scene 20\n"
                   "click \"to map\"\nframes 2\nexpect-scene 0\n"),
              0);
    EXPECT_EQ(dumped().money, 0);
    EXPECT_EQ(readFile(workFile("sav/game02")).size(), sizeof(GameState) - 4);
    EXPECT_EQ(openedBoxes().back(), txt::kSaveDamaged[0]);

    // The slot without a file: said so, and the load screen stays (the blank record of the
    // program start is not shown as a lost game).
    ASSERT_EQ(play("frames 1\nclick \"load game\"\nuntil-scene 20 5\n" + rowClick(3) +
                   "frames 1\nclick \"ok\"\nframes 2\nexpect-scene 20\n"),
              0);
    EXPECT_EQ(openedBoxes().back(), txt::kSaveUnreadable[0]);
    EXPECT_EQ(dumped().sceneId, 20);
    EXPECT_EQ(dumped().day, 0);

    // The German game loads in the English build, with this machine's tick length.
    ASSERT_EQ(play("frames 1\nclick \"load game\"\nuntil-scene 20 5\n" + rowClick(1) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n"),
              0);
    EXPECT_EQ(dumped().money, 9999);
    EXPECT_EQ(dumped().beachLoaded, 0);
    EXPECT_EQ(dumped().tickLength, 1000000u / 100);
}

// Files that cannot be written are said so in a box; what was on disk stays as it was.
TEST_F(FilmPlay, FailedWritesAreReportedAndKeepTheOldFiles) {
    Record s = newGame();
    s->money = 3333;
    const std::string start = recordFile("start.bin", *s);
    // The slot's temporary name is taken by a folder: the slot cannot be written.
    fs::create_directories(workFile("sav/game01.tmp"));
    ASSERT_EQ(play("frames 1\nload-state " + start +
                   "\nframes 2\nclick \"save game\"\nuntil-scene 21 5\n" + rowClick(1) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n"),
              0);
    ASSERT_FALSE(openedBoxes().empty());
    EXPECT_EQ(openedBoxes().back(), "The game could not");
    EXPECT_FALSE(fs::exists(workFile("sav/game01")));
    EXPECT_FALSE(fs::exists(workFile("sav/gamestr.dat")));  // the row stays empty
    fs::remove(workFile("sav/game01.tmp"));

    // The list cannot be written: the slot is saved all the same, and the box says both.
    fs::create_directories(workFile("sav/gamestr.dat.tmp"));
    ASSERT_EQ(play("frames 1\nload-state " + start +
                   "\nframes 2\nclick \"save game\"\nuntil-scene 21 5\n" + rowClick(1) +
                   "frames 1\nclick \"ok\"\nuntil-scene 1 5\n"),
              0);
    EXPECT_EQ(openedBoxes().back(), "game saved");
    EXPECT_EQ(readFile(workFile("sav/game01")).size(), sizeof(GameState));
    EXPECT_FALSE(fs::exists(workFile("sav/gamestr.dat")));

    // The photo cannot be written (its temporary name is taken): the export fails, the
    // counter stays.
    Record film = preparedFilm();
    film->sceneId = 11;
    const std::string album = recordFile("album.bin", *film);
    writeFile(workFile("fotos/scrshot.bin"), Bytes().u32(6).data);
    fs::create_directories(workFile("fotos/foto0007.bmp.tmp"));
    ASSERT_EQ(play("frames 1\nload-state " + album +
                   "\nframes 2\nmove 30 80\nframes 1\nkey s\nframes 2\nclick \"ok\"\n"
                   "frames 1\n"),
              0);
    EXPECT_EQ(openedBoxes().back(), "The picture could not");
    EXPECT_EQ(readFile(workFile("fotos/scrshot.bin")), Bytes().u32(6).data);
    EXPECT_FALSE(fs::exists(workFile("fotos/foto0007.bmp")));
}

TEST_F(FilmPlay, TheLoadScreenReturnsWhereItWasEntered) {
    writeFile(workFile("sav/game03.tmp"), std::string("left by a crash"));
    ASSERT_EQ(play("frames 1\nclick \"start new game\"\nuntil-scene 1 5\nframes 1\n"
                   "click \"load game\"\nuntil-scene 20 5\n"
                   "click 300 113\nframes 2\nexpect-scene 20\n"  // an empty row does nothing
                   "click \"to map\"\nuntil-scene 1 5\n"
                   "click \"save game\"\nuntil-scene 21 5\nclick \"to map\"\nuntil-scene 1 5\n"),
              0);
    EXPECT_FALSE(fs::exists(workFile("sav/gamestr.dat")));
    EXPECT_FALSE(fs::exists(workFile("sav/game03.tmp")));  // removed at start
}

}  // namespace
