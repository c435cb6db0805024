// Every picture number and sound entry the game uses exists in the generated pools, decodes
// through the game's own pool readers and has the size the scenes rely on.

#include <cstdio>

#include "engine/audio/wav_header.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool_entry.h"
#include "game/asset_table.h"
#include "tests/assets/data_test_support.h"

namespace {

int Opaque(const Picture& p) {
    int n = 0;
    for (uint16_t v : p.pixels) n += v != 0;
    return n;
}

TEST_F(DataSetTest, LocationPoolHoldsEveryPictureAtItsSize) {
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, assets::kLocationPool), 1);
    EXPECT_EQ(PicturePoolChunks(kLocationPoolSlot), assets::kLocationPictureCount);
    for (int n = 1; n < assets::kLocationPictureCount; ++n) {
        const assets::Size size = assets::LocationPictureSize(n);
        if (size.width == 0) continue;
        Picture p;
        ASSERT_TRUE(LoadPicture(locationPool(), n, &p)) << "picture " << n;
        EXPECT_EQ(p.width, size.width) << "picture " << n;
        EXPECT_EQ(p.height, size.height) << "picture " << n;
        EXPECT_GT(Opaque(p), 0) << "picture " << n << " is empty";
    }
}

TEST_F(DataSetTest, BackgroundsFillTheScreenAndFiguresHaveTransparentCorners) {
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, assets::kLocationPool), 1);
    for (const assets::Picture& entry : assets::kLocationPictures) {
        Picture p;
        ASSERT_TRUE(LoadPicture(locationPool(), entry.number, &p));
        if (entry.art == assets::Art::Background) {
            EXPECT_EQ(p.width, 640);
            EXPECT_EQ(p.height, 480);
            EXPECT_EQ(Opaque(p), 640 * 480) << entry.what << " has holes";
        }
        if (entry.art == assets::Art::Sprite || entry.art == assets::Art::Hidden) {
            EXPECT_EQ(p.At(0, 0), 0) << entry.what;
            EXPECT_LT(Opaque(p), p.width * p.height) << entry.what << " hides what lies behind it";
        }
    }
}

TEST_F(DataSetTest, ScenePositionsKeepPicturesOnTheScreen) {
    for (const assets::Picture& entry : assets::kLocationPictures) {
        if (entry.x < 0) continue;
        EXPECT_LE(entry.x + entry.width, 640) << entry.what;
        EXPECT_LE(entry.y + entry.height, 480) << entry.what;
    }
    // The table names each number once.
    for (size_t a = 0; a < std::size(assets::kLocationPictures); ++a)
        for (size_t b = a + 1; b < std::size(assets::kLocationPictures); ++b)
            EXPECT_NE(assets::kLocationPictures[a].number, assets::kLocationPictures[b].number);
}

TEST_F(DataSetTest, EveryBeachPoolHasPanoramasPanelButtonsAndViewfinders) {
    for (int beach = 1; beach <= assets::kBeachCount; ++beach) {
        char name[32];
        std::snprintf(name, sizeof name, assets::kBeachPoolFormat, beach);
        ASSERT_EQ(OpenPicturePool(kBeachPoolSlot, name), 1) << name;
        EXPECT_EQ(PicturePoolChunks(kBeachPoolSlot), assets::kBeachEntries);
        const FileHandle pool = PicturePool(kBeachPoolSlot);
        Picture day, night;
        ASSERT_TRUE(LoadPicture(pool, assets::kBeachDay, &day));
        ASSERT_TRUE(LoadPicture(pool, assets::kBeachNight, &night));
        for (const Picture* p : {&day, &night}) {
            EXPECT_EQ(p->width, assets::kPanoramaWidth);
            EXPECT_EQ(p->height, assets::kPanoramaHeight);
        }
        // Night is really night: the whole picture is much darker than by day.
        auto brightness = [](const Picture& p) {
            double sum = 0;
            for (uint16_t v : p.pixels) sum += (v >> 11) + ((v >> 5) & 63) / 2.0 + (v & 31);
            return sum / static_cast<double>(p.pixels.size());
        };
        EXPECT_LT(brightness(night), brightness(day) * 0.6) << name;
        // The bottom rows are sand (more red than blue), where visitors stand.
        for (int x = 0; x < day.width; x += 64) {
            const uint16_t v = day.At(x, day.height - 5);
            EXPECT_GT(v >> 11, v & 31) << name << " column " << x;
        }
        Picture panel;
        ASSERT_TRUE(LoadPicture(pool, assets::kBeachPanel, &panel));
        EXPECT_EQ(panel.width, assets::kBeachPanelWidth);
        EXPECT_EQ(panel.height, assets::kBeachPanelHeight);
        for (const assets::BeachButton& b : assets::kBeachButtons) {
            for (int entry : {b.entry, b.activeEntry}) {
                if (entry < 0) continue;
                Picture p;
                ASSERT_TRUE(LoadPicture(pool, entry, &p)) << b.what;
                EXPECT_EQ(p.width, b.width) << b.what;
                EXPECT_EQ(p.height, assets::kBeachButtonHeight) << b.what;
                EXPECT_LE(b.x + b.width, 640);
            }
        }
        for (int camera = 0; camera < 3; ++camera) {
            Picture v;
            ASSERT_TRUE(LoadPicture(pool, assets::kBeachViewfinder[camera], &v));
            EXPECT_EQ(v.width, assets::kViewfinderWidth);
            EXPECT_EQ(v.height, assets::kViewfinderHeight);
            EXPECT_NE(v.At(0, 0), 0) << "the frame is drawn";
            EXPECT_EQ(v.At(100, 60), 0) << "the inside is transparent";
            EXPECT_EQ(v.At(220, 120), 0) << "the inside is transparent";
        }
    }
}

TEST_F(DataSetTest, ViewfindersDifferByCamera) {
    ASSERT_EQ(OpenPicturePool(kBeachPoolSlot, "tgp\\beach01.tgp"), 1);
    Picture a, b, c;
    ASSERT_TRUE(LoadPicture(PicturePool(kBeachPoolSlot), assets::kBeachViewfinder[0], &a));
    ASSERT_TRUE(LoadPicture(PicturePool(kBeachPoolSlot), assets::kBeachViewfinder[1], &b));
    ASSERT_TRUE(LoadPicture(PicturePool(kBeachPoolSlot), assets::kBeachViewfinder[2], &c));
    EXPECT_NE(a.pixels, b.pixels);
    EXPECT_NE(b.pixels, c.pixels);
}

TEST_F(DataSetTest, BeachesLookDifferent) {
    std::vector<std::vector<uint16_t>> days;
    for (int beach = 1; beach <= assets::kBeachCount; ++beach) {
        char name[32];
        std::snprintf(name, sizeof name, assets::kBeachPoolFormat, beach);
        ASSERT_EQ(OpenPicturePool(kBeachPoolSlot, name), 1);
        Picture day;
        ASSERT_TRUE(LoadPicture(PicturePool(kBeachPoolSlot), assets::kBeachDay, &day));
        for (const auto& earlier : days) EXPECT_NE(earlier, day.pixels) << name;
        days.push_back(day.pixels);
    }
}

TEST_F(DataSetTest, SetPoolHoldsEveryVisitorSprite) {
    ASSERT_EQ(OpenPicturePool(kSetsPoolSlot, assets::kVisitorPool), 1);
    EXPECT_EQ(PicturePoolChunks(kSetsPoolSlot), assets::kVisitorEntries);
    for (int type = 1; type <= assets::kVisitorLastObject; ++type) {
        const int first = assets::VisitorFirstSprite(type);
        std::vector<uint16_t> previous;
        for (int pose = 0; pose < assets::VisitorSpriteCount(type); ++pose) {
            Picture p;
            ASSERT_TRUE(LoadPicture(PicturePool(kSetsPoolSlot), first + pose, &p))
                << "type " << type;
            EXPECT_LE(p.width, assets::kVisitorMaxWidth) << "type " << type << " pose " << pose;
            EXPECT_LE(p.height, assets::kVisitorMaxHeight) << "type " << type << " pose " << pose;
            EXPECT_EQ(p.At(0, 0), 0);
            EXPECT_GT(Opaque(p), p.width * p.height / 8) << "type " << type << " pose " << pose;
            EXPECT_NE(previous, p.pixels) << "type " << type << ": pose " << pose << " repeats";
            previous = p.pixels;
        }
    }
}

TEST_F(DataSetTest, SoundPoolHoldsClickAndShutter) {
    ASSERT_EQ(OpenSoundPool(0, assets::kSoundPool), 1);
    for (int entry : {assets::kSoundClick, assets::kSoundShutter}) {
        SetErrorCode(0);
        ASSERT_EQ(SeekPoolEntry(soundPool(), entry), entry);
        PcmFormat format;
        uint32_t length = 0;
        ASSERT_EQ(ParseWavHeader(soundPool(), &format, &length), 1) << "entry " << entry;
        EXPECT_TRUE(IsPlayablePcm(format));
        EXPECT_GT(length, 1000u);
        EXPECT_LT(length, 44100u) << "effects are short";
    }
}

}  // namespace

namespace {

// The map's lettering (cream) shows: none of it lies under the buttons and panels drawn on the
// map.
TEST_F(DataSetTest, MapLetteringStaysClearOfTheMapButtons) {
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, assets::kLocationPool), 1);
    Picture map;
    ASSERT_TRUE(LoadPicture(locationPool(), assets::kPicMap, &map));
    const uint16_t cream = 0xFFBA;  // 0xFFF4D6 in RGB565
    int letters = 0;
    for (uint16_t v : map.pixels) letters += v == cream;
    EXPECT_GT(letters, 150) << "no lettering found";
    for (int n : {assets::kPicMapSave, assets::kPicMapLoad, assets::kPicMapMenu,
                  assets::kPicMapEndDay, assets::kPicMapSpeed[0], assets::kPicMapSpeed[1],
                  assets::kPicMapSpeed[2], assets::kPicDatePanel, assets::kPicMoneyPanel}) {
        const assets::Picture* p = assets::FindLocationPicture(n);
        ASSERT_NE(p, nullptr);
        int covered = 0;
        for (int y = p->y; y < p->y + p->height; ++y)
            for (int x = p->x; x < p->x + p->width; ++x) covered += map.At(x, y) == cream;
        EXPECT_EQ(covered, 0) << p->what << " covers the lettering";
    }
}

}  // namespace
