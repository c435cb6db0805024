// Beach frames run without a display (nothing is drawn, every rule runs): shots and the
// shutter lock, the 11th shot, scrolling, the hourly check's gates; and entering and leaving a
// beach on real pool files, down to the last byte of its pictures.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"
#include "game/asset_table.h"
#include "game/scenes/beach/beach.h"
#include "game/scenes/beach/beach_pictures.h"
#include "game/scenes/beach/visitor_types.h"
#include "game/scenes/scenes.h"
#include "game/state/frame_values.h"
#include "game/state/game_state.h"
#include "game/state/random.h"
#include "tests/support/test_env.h"

namespace {

class BeachFrame : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        saved_ = std::make_unique<GameState>(gameState());
        clearGameState();
        frameValues() = FrameValues{};
        randomSaved_ = randomState();
        GameState& s = gameState();
        s.sceneId = 205;
        s.beachLoaded = 1;
        s.currentBeach = 4;
        s.scrollX = 960;
        s.hour = 12;
        s.lastBeachHour = 12;
        s.beachRate[4] = 100;
        s.crowdedBeach = 9;
        for (auto& photo : s.photos) {
            photo.width = kPhotoWidth;
            photo.height = kPhotoHeight;
        }
        FrameValues& f = frameValues();
        f.frameMs = 16;
        f.mouseX = 320;
        f.mouseY = 200;
    }
    void TearDown() override {
        releaseBeach();
        ClosePools();
        gameState() = *saved_;
        setRandomState(randomSaved_);
        EngineTest::TearDown();
    }
    // One frame; clicked in it when asked.
    void frame(bool click = false) {
        frameValues().clicked = click ? 1 : 0;
        runBeachFrame();
    }
    // Every visitor slot taken, so that no roll draws more than one number and no one leaves.
    void fillBeach() {
        for (int i = 0; i < kVisitorSlots; ++i) gameState().visitors.life[i] = 1 << 30;
    }

    std::unique_ptr<GameState> saved_;
    uint32_t randomSaved_ = 1;
};

TEST_F(BeachFrame, AShotFillsTheCamerasNextSlotAndLocksTheShutter) {
    GameState& s = gameState();
    const int locks[3] = {502, 302, 102};
    for (int camera = 0; camera < 3; ++camera) {
        SCOPED_TRACE(camera);
        s.camera[camera] = 1;
        s.selectedCamera = camera;
        s.shutterLock = 0;
        s.shotsTaken[camera] = 3;
        frame(true);
        const int slot = camera * 10 + 3;
        EXPECT_EQ(s.photoUsed[slot], 1);
        EXPECT_EQ(s.shotsTaken[camera], 4);
        EXPECT_EQ(s.shutterLock, locks[camera] - 16);
        // Locked: a click takes nothing until the lock has run out.
        int frames = 1;
        while (s.shutterLock != 0) {
            frame(true);
            ++frames;
            ASSERT_LT(frames, 100);
        }
        EXPECT_EQ(s.shotsTaken[camera], 4);
        EXPECT_EQ(frames, (locks[camera] + 15) / 16 + 1);
        frame(true);
        EXPECT_EQ(s.shotsTaken[camera], 5);
    }
}

TEST_F(BeachFrame, TheEleventhShotTakesNothing) {
    GameState& s = gameState();
    s.camera[0] = 1;
    s.shotsTaken[0] = 10;
    s.photoRecords.value[0] = 77;
    frame(true);
    EXPECT_EQ(s.shotsTaken[0], 10);
    EXPECT_EQ(s.shutterLock, 0);
    for (int slot = 0; slot < kPhotoSlots; ++slot) EXPECT_EQ(s.photoUsed[slot], 0);
    EXPECT_EQ(s.photoRecords.value[0], 77);
}

TEST_F(BeachFrame, NoCameraNoShotAndNoDanger) {
    GameState& s = gameState();
    s.flashOn = 1;
    s.flashGlow = 200;
    s.hour = 13;
    frame(true);
    EXPECT_EQ(s.shutterLock, 0);
    EXPECT_EQ(s.hoursOnBeach, 0);
    EXPECT_EQ(s.lastBeachHour, 13);
    EXPECT_EQ(s.flashGlow, 0);
    EXPECT_EQ(s.flashOn, 0);  // no flash of the selected camera: switched off
}

TEST_F(BeachFrame, AnHourChangeWithACameraIsCountedOnce) {
    GameState& s = gameState();
    s.camera[2] = 1;
    s.selectedCamera = 2;
    fillBeach();
    s.lastBeachHour = 11;  // from an earlier visit: the first frame counts
    frame();
    EXPECT_EQ(s.hoursOnBeach, 1);
    EXPECT_EQ(s.sceneId, 205);  // never caught at the first
    frame();
    EXPECT_EQ(s.hoursOnBeach, 1);
}

TEST_F(BeachFrame, ScrollsOnlyAtTheEdgesByTheFrameTime) {
    GameState& s = gameState();
    FrameValues& f = frameValues();
    const int expected[4][2] = {{0, 944}, {1, 944}, {638, 944}, {639, 960}};
    for (const auto& e : expected) {
        f.mouseX = e[0];
        frame();
        EXPECT_EQ(s.scrollX, e[1]) << e[0];
    }
    f.mouseX = 0;
    f.frameMs = 5000;
    frame();
    EXPECT_EQ(s.scrollX, 0);
}

TEST_F(BeachFrame, AFlashShotGlowsAndFades) {
    GameState& s = gameState();
    s.camera[1] = 1;
    s.flash[1] = 1;
    s.selectedCamera = 1;
    s.flashOn = 1;
    frame(true);
    EXPECT_EQ(s.flashGlow, 255 - 16);  // lit and already fading in the frame of the shot
    EXPECT_EQ(s.photoRecords.withFlash[10], 1);
    frame();
    EXPECT_EQ(s.flashGlow, 255 - 32);
}

// Pools of plain pictures in the working directory.
void writePool(const std::string& name, int entries, int w, int h) {
    ASSERT_EQ(PoolEditor().Create(name.c_str(), assets::kPicturePoolKind, 0), 1);
    for (int n = 0; n < entries; ++n) {
        std::vector<uint16_t> pixels(static_cast<std::size_t>(w) * h, static_cast<uint16_t>(n + 1));
        const std::vector<uint8_t> tbf =
            EncodeTbf(pixels.data(), static_cast<uint16_t>(w), static_cast<uint16_t>(h), 2);
        ASSERT_EQ(PoolEditor().AppendChunks(name.c_str(), static_cast<uint32_t>(tbf.size()),
                                            tbf.data(), 1, assets::kPicturePoolKind),
                  1);
    }
}

TEST_F(BeachFrame, EnteringLoadsEveryPictureAndLeavingFreesThemAll) {
    std::filesystem::create_directories("tgp");
    writePool("tgp/beach03.tgp", assets::kBeachEntries, 16, 8);
    writePool("tgp/sets.tgp", assets::kVisitorEntries, 4, 6);
    GameState& s = gameState();
    s.beachLoaded = 0;
    s.sceneId = 203;
    s.visitors.life[7] = 99;
    const uint32_t before = MemAllocatedBytes();
    runBeachScene();
    EXPECT_EQ(s.beachLoaded, 1);
    EXPECT_EQ(s.currentBeach, 2);
    EXPECT_EQ(s.scrollX, 960);
    EXPECT_EQ(s.hoursOnBeach, 0);
    EXPECT_EQ(s.visitors.life[7], 0);
    EXPECT_EQ(heldBeachPictures(), 3);
    EXPECT_EQ(beachPicture(assets::kBeachPanel).width, 16);
    EXPECT_EQ(visitorSprite(294).height, 6);
    EXPECT_FALSE(visitorSprite(295));
    EXPECT_GT(MemAllocatedBytes(), before);

    // The leave button: back to the map with nothing of the beach left.
    leaveBeach(1, nullptr);
    EXPECT_EQ(s.sceneId, 1);
    EXPECT_EQ(s.beachLoaded, 0);
    EXPECT_EQ(heldBeachPictures(), 0);
    EXPECT_FALSE(beachPicture(assets::kBeachDay));
    EXPECT_EQ(MemAllocatedBytes(), before);
}

TEST_F(BeachFrame, ARecordThatSaysLoadedGetsItsPicturesWithoutANewVisit) {
    std::filesystem::create_directories("tgp");
    writePool("tgp/beach05.tgp", assets::kBeachEntries, 16, 8);
    writePool("tgp/sets.tgp", assets::kVisitorEntries, 4, 6);
    GameState& s = gameState();
    s.hoursOnBeach = 2;
    s.scrollX = 100;
    s.visitors.typeId[0] = 9;
    s.visitors.life[0] = 1 << 30;
    runBeachScene();
    EXPECT_EQ(heldBeachPictures(), 5);
    EXPECT_EQ(s.hoursOnBeach, 2);
    EXPECT_EQ(s.scrollX, 100);
    EXPECT_EQ(s.visitors.typeId[0], 9);
}

TEST_F(BeachFrame, AMissingPoolShowsItsErrorAndTheMapComesBack) {
    std::filesystem::create_directories("tgp");
    writePool("tgp/sets.tgp", 3, 2, 2);
    GameState& s = gameState();
    s.beachLoaded = 0;
    s.sceneId = 206;
    const uint32_t before = MemAllocatedBytes();
    runBeachScene();
    EXPECT_EQ(s.sceneId, 1);
    EXPECT_EQ(s.beachLoaded, 0);
    EXPECT_EQ(heldBeachPictures(), 0);
    EXPECT_EQ(MemAllocatedBytes(), before);
    ASSERT_EQ(boxTexts().size(), 1u);
    EXPECT_NE(boxTexts()[0].find("beach06.tgp"), std::string::npos) << boxTexts()[0];
}

}  // namespace
