// The files the player owns: exported photos and their counter, the savegame list and the slot
// files, each written whole or not at all and read without trusting their length.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "engine/base/messages.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/little_endian.h"
#include "game/files/photo_export.h"
#include "game/files/savegame_file.h"
#include "game/files/whole_file.h"
#include "game/scenes/after_load.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/saved_game.h"
#include "tests/support/test_env.h"

namespace fs = std::filesystem;

namespace {

// Nothing named "*.tmp" is left anywhere under the working directory.
bool noTemporaryFiles() {
    for (const auto& entry : fs::recursive_directory_iterator(fs::current_path())) {
        if (entry.path().extension() == ".tmp") return false;
    }
    return true;
}

// A folder whose writes fail as on a full disk: the temporary name is the full device.
bool makeDiskFull(const std::string& temporary) {
    std::error_code error;
    fs::create_symlink("/dev/full", temporary, error);
    return !error;
}

std::vector<uint16_t> testPhoto() {
    std::vector<uint16_t> pixels(kPhotoWidth * kPhotoHeight);
    for (int y = 0; y < kPhotoHeight; ++y) {
        for (int x = 0; x < kPhotoWidth; ++x) {
            pixels[y * kPhotoWidth + x] = static_cast<uint16_t>(x * 203 + y * 7919);
        }
    }
    return pixels;
}

using PhotoExportTest = EngineTest;

TEST_F(PhotoExportTest, HeaderIsTheFiftyFourBytesOfA24BitBitmap) {
    const std::vector<uint8_t> expected = Bytes()
                                              .text("BM")
                                              .u32(172854)
                                              .u16(0)
                                              .u16(0)
                                              .u32(54)
                                              .u32(40)
                                              .u32(320)
                                              .u32(180)
                                              .u16(1)
                                              .u16(24)
                                              .u32(0)
                                              .u32(172800)
                                              .u32(76200)
                                              .u32(76200)
                                              .u32(0)
                                              .u32(0)
                                              .data;
    const auto header = photoBmpHeader();
    EXPECT_EQ(std::vector<uint8_t>(header.begin(), header.end()), expected);
}

TEST_F(PhotoExportTest, PixelsAreWrittenBottomRowFirstAsBlueGreenRed) {
    std::vector<uint16_t> pixels(kPhotoWidth * kPhotoHeight, 0);
    pixels[0] = 0xFFFF;                // top-left
    pixels[1] = 0xF800;                // red
    pixels[2] = 0x07E0;                // green
    pixels[3] = 0x001F;                // blue
    pixels[179 * 320 + 319] = 0x8C51;  // bottom-right
    const std::vector<uint8_t> file = encodePhotoBmp(pixels.data());
    ASSERT_EQ(file.size(), 172854u);
    const uint8_t* top = file.data() + 54 + 179 * 960;  // the top row comes last
    EXPECT_EQ(std::vector<uint8_t>(top, top + 12),
              (std::vector<uint8_t>{0xF8, 0xFC, 0xF8, 0, 0, 0xF8, 0, 0xFC, 0, 0xF8, 0, 0}));
    const uint8_t* bottomRight = file.data() + 54 + 319 * 3;
    // 0x8C51: blue 0x11 << 3, green (0x0440 >> 3), red (0x8C >> 0) & 0xF8.
    EXPECT_EQ(bottomRight[0], 0x88);
    EXPECT_EQ(bottomRight[1], 0x88);
    EXPECT_EQ(bottomRight[2], 0x88);
    // Every pixel by the rule.
    const std::vector<uint16_t> photo = testPhoto();
    const std::vector<uint8_t> all = encodePhotoBmp(photo.data());
    for (int y = 0; y < kPhotoHeight; ++y) {
        for (int x = 0; x < kPhotoWidth; ++x) {
            const unsigned c = photo[y * kPhotoWidth + x];
            const uint8_t* p = all.data() + 54 + (179 - y) * 960 + 3 * x;
            ASSERT_EQ(p[0], (c & 0x1F) << 3);
            ASSERT_EQ(p[1], (c & 0x07E0) >> 3);
            ASSERT_EQ(p[2], (c >> 8) & 0xF8);
        }
    }
}

TEST_F(PhotoExportTest, NumbersCountOnFromTheCounterFile) {
    fs::create_directories("fotos");
    const std::vector<uint16_t> photo = testPhoto();
    int32_t counter = 0;
    ExportResult first = exportPhotoFile(photo.data(), &counter);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.counterWritten);
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(readFile("fotos/foto0001.bmp"), encodePhotoBmp(photo.data()));
    ExportResult second = exportPhotoFile(photo.data(), &counter);
    EXPECT_EQ(second.number, 2);
    EXPECT_TRUE(fileExists("fotos/foto0002.bmp"));
    EXPECT_EQ(readFile("fotos/scrshot.bin"), Bytes().u32(2).data);
    EXPECT_EQ(counter, 2);

    // The file wins over the memory: another run wrote up to 41.
    writeFile("fotos/scrshot.bin", Bytes().u32(41).data);
    EXPECT_EQ(exportPhotoFile(photo.data(), &counter).number, 42);
    EXPECT_TRUE(fileExists("fotos/foto0042.bmp"));
    // A missing counter file: the memory goes on.
    fs::remove("fotos/scrshot.bin");
    EXPECT_EQ(exportPhotoFile(photo.data(), &counter).number, 43);
    EXPECT_EQ(exportFileName(43), "fotos\\foto0043.bmp");
    EXPECT_TRUE(noTemporaryFiles());
}

TEST_F(PhotoExportTest, AnEarlierExportIsNeverOverwritten) {
    writeFile("fotos/foto0001.bmp", std::string("an older picture"));
    const std::vector<uint16_t> photo = testPhoto();
    int32_t counter = 0;  // a fresh installation with no counter file
    const ExportResult result = exportPhotoFile(photo.data(), &counter);
    EXPECT_EQ(result.number, 2);
    EXPECT_EQ(readFile("fotos/foto0001.bmp").size(), 16u);
}

TEST_F(PhotoExportTest, AMissingFolderIsCreated) {
    ASSERT_FALSE(fs::exists("fotos"));
    const std::vector<uint16_t> photo = testPhoto();
    int32_t counter = 0;
    const ExportResult result = exportPhotoFile(photo.data(), &counter);
    EXPECT_TRUE(result.written);
    EXPECT_EQ(readFile("fotos/foto0001.bmp").size(), 172854u);
    EXPECT_EQ(readFile("fotos/scrshot.bin"), Bytes().u32(1).data);
}

TEST_F(PhotoExportTest, AFailedWriteLeavesTheCounterAndNoFileBehind) {
    // A file named "fotos" where the folder should be: nothing can be written inside.
    writeFile("fotos", std::string("not a folder"));
    const std::vector<uint16_t> photo = testPhoto();
    int32_t counter = 6;
    ExportResult result = exportPhotoFile(photo.data(), &counter);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.number, 7);
    EXPECT_EQ(counter, 6);

    // A full disk: the picture cannot be written whole, the counter file keeps its number.
    fs::remove("fotos");
    writeFile("fotos/scrshot.bin", Bytes().u32(6).data);
    ASSERT_TRUE(makeDiskFull("fotos/foto0007.bmp.tmp"));
    result = exportPhotoFile(photo.data(), &counter);
    EXPECT_FALSE(result.written);
    EXPECT_EQ(counter, 6);
    EXPECT_FALSE(fs::exists("fotos/foto0007.bmp"));
    EXPECT_EQ(readFile("fotos/scrshot.bin"), Bytes().u32(6).data);
    EXPECT_TRUE(noTemporaryFiles());
    EXPECT_FALSE(fs::exists(fs::symlink_status("fotos/foto0007.bmp.tmp")));

    // The picture is written but its counter cannot be: said so, and the picture stays.
    ASSERT_TRUE(makeDiskFull("fotos/scrshot.bin.tmp"));
    result = exportPhotoFile(photo.data(), &counter);
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.counterWritten);
    EXPECT_EQ(readFile("fotos/foto0007.bmp").size(), 172854u);
    EXPECT_EQ(readFile("fotos/scrshot.bin"), Bytes().u32(6).data);
    // The next export does not overwrite it.
    EXPECT_EQ(exportPhotoFile(photo.data(), &counter).number, 8);
}

using SavegameFileTest = EngineTest;

TEST_F(SavegameFileTest, DirectoryFileIsSixHundredSixtyFourBytes) {
    SlotDirectory directory;
    setSlotEntry(&directory, 1, "%03d. Lensquest Spielstand,", "%02d-%02d-%04d, %02d.%02d.%02d Uhr",
                 1, SaveTime{2000, 3, 3, 9, 5, 7});
    directory.saveCounter = 0x01020304;
    fs::create_directories("sav");
    ASSERT_TRUE(writeDirectoryFile(directory));
    const std::vector<uint8_t> bytes = readFile("sav/gamestr.dat");
    ASSERT_EQ(bytes.size(), 664u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 60),
              "001. Lensquest Spielstand,");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 90),
              "03-03-2000, 09.05.07 Uhr");
    EXPECT_EQ(bytes[0], 0);    // entry 0 unused
    EXPECT_EQ(bytes[120], 0);  // slot 2 empty
    EXPECT_EQ(LoadLE32(bytes.data() + 660), 0x01020304u);

    SlotDirectory back;
    ASSERT_TRUE(readDirectoryFile(&back));
    EXPECT_EQ(std::memcmp(back.slotText, directory.slotText, sizeof back.slotText), 0);
    EXPECT_EQ(back.saveCounter, 0x01020304);
    EXPECT_FALSE(slotEmpty(back, 1));
    EXPECT_TRUE(slotEmpty(back, 2));
    EXPECT_STREQ(slotTitle(back, 1), "001. Lensquest Spielstand,");
    EXPECT_STREQ(slotDate(back, 1), "03-03-2000, 09.05.07 Uhr");
    EXPECT_TRUE(noTemporaryFiles());
}

TEST_F(SavegameFileTest, AMissingDirectoryLeavesTheListInMemory) {
    SlotDirectory directory;
    directory.slotText[4][0] = 'x';
    directory.saveCounter = 9;
    SetErrorCode(kErrNone);
    EXPECT_FALSE(readDirectoryFile(&directory));
    EXPECT_EQ(directory.slotText[4][0], 'x');
    EXPECT_EQ(directory.saveCounter, 9);
    // A file the player has not made yet is no engine failure.
    EXPECT_EQ(GetErrorCode(), kErrNone);
    EXPECT_FALSE(writeSlotFile(1, "x", 1));  // no "sav" folder here
    EXPECT_EQ(GetErrorCode(), kErrNone);
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(SavegameFileTest, TitlesNumberFromOneAndGrowPastThreeDigits) {
    SlotDirectory d;
    const SaveTime t{2000, 3, 3, 9, 5, 7};
    const char* title = "%03d. Lensquest Spielstand,";
    const char* date = "%02d-%02d-%04d, %02d.%02d.%02d Uhr";
    setSlotEntry(&d, 3, title, date, 1, t);
    EXPECT_STREQ(slotTitle(d, 3), "001. Lensquest Spielstand,");
    setSlotEntry(&d, 3, title, date, 999, t);
    EXPECT_STREQ(slotTitle(d, 3), "999. Lensquest Spielstand,");
    setSlotEntry(&d, 3, title, date, 1000, t);
    EXPECT_STREQ(slotTitle(d, 3), "1000. Lensquest Spielstand,");
    setSlotEntry(&d, 3, title, date, 9999, t);
    EXPECT_STREQ(slotTitle(d, 3), "9999. Lensquest Spielstand,");
    EXPECT_STREQ(slotDate(d, 3), "03-03-2000, 09.05.07 Uhr");
    // Larger numbers are cut to the half's 29 characters and never run into the date.
    setSlotEntry(&d, 3, title, date, 2000000000, t);
    EXPECT_EQ(std::strlen(slotTitle(d, 3)), 29u);
    EXPECT_STREQ(slotDate(d, 3), "03-03-2000, 09.05.07 Uhr");
    // The English build's formats.
    setSlotEntry(&d, 10, "%03d. Lensquest savegame,", "%02d-%02d-%04d, %02d.%02d.%02d", 12, t);
    EXPECT_STREQ(slotTitle(d, 10), "012. Lensquest savegame,");
    EXPECT_STREQ(slotDate(d, 10), "03-03-2000, 09.05.07");
}

TEST_F(SavegameFileTest, TheDateIsUniversalTimeWhateverTheLocalZone) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "EST5EDT", 1);
    tzset();
    const SaveTime t = saveTimeOf(952074307);  // 3 March 2000, 09:05:07 UTC
    if (old) {
        setenv("TZ", saved.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
    EXPECT_EQ(t.year, 2000);
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 3);
    EXPECT_EQ(t.hour, 9);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 7);
    SlotDirectory d;
    setSlotEntry(&d, 1, "%03d. Lensquest Spielstand,", "%02d-%02d-%04d, %02d.%02d.%02d Uhr", 1, t);
    EXPECT_STREQ(slotDate(d, 1), "03-03-2000, 09.05.07 Uhr");
}

TEST_F(SavegameFileTest, ATornDirectoryIsReadWithinItsBounds) {
    // Slot 1 whole, slot 2 cut inside its title, the rest and the counter missing.
    std::vector<uint8_t> bytes(60, 0);
    Bytes entry;
    entry.text("001. Lensquest Spielstand,").zeros(4).text("03-03-2000, 09.05.07 Uhr").zeros(6);
    bytes.insert(bytes.end(), entry.data.begin(), entry.data.end());
    for (char c : std::string("002. Lensq")) bytes.push_back(static_cast<uint8_t>(c));
    fs::create_directories("sav");
    writeFile("sav/gamestr.dat", bytes);
    SlotDirectory d;
    d.saveCounter = 7;
    ASSERT_TRUE(readDirectoryFile(&d));
    EXPECT_STREQ(slotTitle(d, 1), "001. Lensquest Spielstand,");
    EXPECT_STREQ(slotTitle(d, 2), "002. Lensq");
    EXPECT_STREQ(slotDate(d, 2), "");
    for (int slot = 3; slot <= kSaveSlots; ++slot) EXPECT_TRUE(slotEmpty(d, slot));
    EXPECT_EQ(d.saveCounter, 7);  // not in the file: the count goes on from memory

    // Halves without their NUL end at their 30th byte.
    std::vector<uint8_t> full(664, 'A');
    StoreLE32(full.data() + 660, 12);
    full.resize(700, 'B');  // and bytes past the end are ignored
    writeFile("sav/gamestr.dat", full);
    ASSERT_TRUE(readDirectoryFile(&d));
    for (int slot = 1; slot <= kSaveSlots; ++slot) {
        EXPECT_EQ(std::strlen(slotTitle(d, slot)), 29u);
        EXPECT_EQ(std::strlen(slotDate(d, slot)), 29u);
    }
    EXPECT_EQ(d.saveCounter, 12);
    EXPECT_STREQ(slotTitle(d, 0), std::string(29, 'A').c_str());
    EXPECT_STREQ(slotTitle(d, 11), "");  // out of range
    EXPECT_STREQ(slotDate(d, -1), "");
}

class SlotFileTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        fs::create_directories("sav");
        image.resize(kGameStateBytes);
        for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 131 + 7);
    }
    std::vector<uint8_t> image;
};

TEST_F(SlotFileTest, ASlotIsExactlyTheRecordImage) {
    ASSERT_TRUE(writeSlotFile(3, image.data(), image.size()));
    EXPECT_EQ(readFile("sav/game03"), image);
    std::vector<uint8_t> back;
    EXPECT_EQ(readSlotFile(3, &back), SlotRead::Whole);
    EXPECT_EQ(back, image);
    EXPECT_EQ(readSlotFile(4, &back), SlotRead::Missing);
    char name[32];
    slotFileName(10, name, sizeof name);
    EXPECT_STREQ(name, "sav\\game10");
    EXPECT_TRUE(noTemporaryFiles());
}

TEST_F(SlotFileTest, ShortAndLongSlotFilesAreDamaged) {
    std::vector<uint8_t> back = {1, 2, 3};
    writeFile("sav/game01", std::vector<uint8_t>(image.begin(), image.end() - 1));
    EXPECT_EQ(readSlotFile(1, &back), SlotRead::Damaged);
    EXPECT_TRUE(back.empty());
    std::vector<uint8_t> longer = image;
    longer.push_back(0);
    writeFile("sav/game02", longer);
    EXPECT_EQ(readSlotFile(2, &back), SlotRead::Damaged);
    writeFile("sav/game05", std::vector<uint8_t>());
    EXPECT_EQ(readSlotFile(5, &back), SlotRead::Damaged);
}

TEST_F(SlotFileTest, AFailedSaveKeepsTheOldSlotAndLeavesNoTemporaryFile) {
    const std::vector<uint8_t> old(kGameStateBytes, 0x5A);
    ASSERT_TRUE(writeSlotFile(1, old.data(), old.size()));
    // A full disk.
    ASSERT_TRUE(makeDiskFull("sav/game01.tmp"));
    EXPECT_FALSE(writeSlotFile(1, image.data(), image.size()));
    EXPECT_EQ(readFile("sav/game01"), old);
    EXPECT_TRUE(noTemporaryFiles());
    EXPECT_FALSE(fs::exists(fs::symlink_status("sav/game01.tmp")));
    // A folder that cannot take the file (its temporary name is taken by a folder).
    fs::create_directories("sav/game01.tmp");
    EXPECT_FALSE(writeSlotFile(1, image.data(), image.size()));
    EXPECT_EQ(readFile("sav/game01"), old);
    fs::remove("sav/game01.tmp");
    // The list the same way.
    SlotDirectory d;
    d.saveCounter = 1;
    ASSERT_TRUE(writeDirectoryFile(d));
    ASSERT_TRUE(makeDiskFull("sav/gamestr.dat.tmp"));
    d.saveCounter = 2;
    EXPECT_FALSE(writeDirectoryFile(d));
    EXPECT_EQ(LoadLE32(readFile("sav/gamestr.dat").data() + 660), 1u);
    EXPECT_TRUE(noTemporaryFiles());
    EXPECT_EQ(Files().OpenCount(), 0);
}

TEST_F(SlotFileTest, TemporariesACrashLeftAreRemovedAtStart) {
    writeFile("sav/game03.tmp", std::string("half a game"));
    writeFile("sav/gamestr.dat.tmp", std::string("half a list"));
    writeFile("sav/notes.tmp", std::string("the player's own"));
    writeFile("fotos/foto0005.bmp.tmp", std::string("half a photo"));
    writeFile("fotos/scrshot.bin.tmp", std::string("12"));
    writeFile("fotos/fotoalbum.tmp", std::string("the player's own"));
    removeSaveTemporaries();
    removeExportTemporaries();
    EXPECT_FALSE(fileExists("sav/game03.tmp"));
    EXPECT_FALSE(fileExists("sav/gamestr.dat.tmp"));
    EXPECT_FALSE(fileExists("fotos/foto0005.bmp.tmp"));
    EXPECT_FALSE(fileExists("fotos/scrshot.bin.tmp"));
    EXPECT_TRUE(fileExists("sav/notes.tmp"));
    EXPECT_TRUE(fileExists("fotos/fotoalbum.tmp"));
}

TEST_F(SlotFileTest, ALoadedGameGetsThisMachinesClockAndNoBeachPictures) {
    GameState& s = gameState();
    std::memset(static_cast<void*>(&s), 0, sizeof s);
    GameState saved{};
    saved.sceneId = 21;
    saved.day = 1;
    saved.money = 4711;
    saved.gameSpeed = 2;
    saved.tickLength = 12345;  // another machine's counter
    saved.beachLoaded = 1;
    saved.photoUsed[7] = 1;
    saved.photos[7].pixels[100] = 0xBEEF;
    frameValues().perfFrequency = 1000000;
    ASSERT_TRUE(putRecordImage(reinterpret_cast<const uint8_t*>(&saved), 0));
    EXPECT_EQ(s.money, 4711);
    EXPECT_EQ(s.photos[7].pixels[100], 0xBEEF);
    EXPECT_EQ(s.beachLoaded, 0);
    EXPECT_EQ(s.tickLength, 1000000u / 500);
    EXPECT_EQ(tickLengthFor(0, 1000000), 10000u);
    EXPECT_EQ(tickLengthFor(1, 1000000), 1000000u / 300);
    EXPECT_EQ(tickLengthFor(INT32_MAX, 1000000), 0u);  // a spoilt speed does not overflow
    // Apart from those two fields, byte for byte the file.
    saved.beachLoaded = 0;
    saved.tickLength = s.tickLength;
    EXPECT_EQ(std::memcmp(&s, &saved, sizeof s), 0);
}

}  // namespace
