// The whole-pool check against pools written by our own pool editor and then damaged: what it
// names, and that it agrees with what the loader can load. The damaged-picture report: once
// per pool, naming the pool and the chunk.

#include <gmock/gmock.h>

#include <functional>

#include "engine/audio/wav_header.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool_check.h"
#include "tests/pool/pool_test_support.h"

namespace {

using ::testing::HasSubstr;

// A 16-bit word-run TBF: the header as given, then the control words and pixels.
Chunk wordRunPicture(uint16_t width, uint16_t height, uint32_t dataSize,
                     const std::vector<int>& words) {
    Bytes b;
    b.text("TBF").u8(0).u16(16).u16(2).u32(dataSize).u16(width).u16(height);
    for (int w : words) b.s16(w);
    return b.data;
}

Chunk plainPicture(int mode) {
    std::vector<uint16_t> pixels(8 * 4);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint16_t>(i * 977);
    return EncodeTbf(pixels.data(), 8, 4, mode);
}

Chunk wav(uint32_t statedData, uint32_t actualData) {
    Bytes b;
    b.text("RIFF").u32(36 + actualData).text("WAVEfmt ").u32(16);
    b.u16(1).u16(1).u32(11025).u32(11025).u16(1).u16(8);
    b.text("data").u32(statedData).zeros(actualData);
    return b.data;
}

void patch32(std::vector<uint8_t>& file, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

struct Case {
    const char* what;
    std::vector<Chunk> chunks;
    std::function<void(std::vector<uint8_t>&)> damage;
    Damage expected;
    int chunk;         // the chunk named (-1: the file as a whole; the count for the index)
    bool quickFinds;   // the quick check (picture headers only) finds it too
    const char* line;  // the English line's reason
};

class PoolCheckTest : public PoolTest {};

TEST_F(PoolCheckTest, NamesWhatIsWrongAndAgreesWithTheLoader) {
    const std::vector<Chunk> four = {plainPicture(2), plainPicture(0), plainPicture(1),
                                     plainPicture(2)};
    const auto indexEntry = [](std::vector<uint8_t>& f, int n) {
        return f.size() - 4 * (4 - static_cast<std::size_t>(n));
    };
    const Case cases[] = {
        {"whole", four, [](std::vector<uint8_t>&) {}, Damage::kNone, -1, true, ""},
        {"index entry past the end", four,
         [&](std::vector<uint8_t>& f) { patch32(f, indexEntry(f, 2), uint32_t(f.size() + 9)); },
         Damage::kChunkOutside, 2, true, "chunk 2 lies past the end of the file"},
        {"chunk length past the index", four,
         [&](std::vector<uint8_t>& f) {
             patch32(f, LoadLE32(f.data() + indexEntry(f, 1)) - 6, 100000);
         },
         Damage::kChunkOutside, 1, true, "chunk 1 lies past the end of the file"},
        {"not a picture", four,
         [&](std::vector<uint8_t>& f) { f[LoadLE32(f.data() + indexEntry(f, 3))] = 'X'; },
         Damage::kNotAPicture, 3, true, "chunk 3 is not a picture"},
        {"sizes that do not fit", four,
         [&](std::vector<uint8_t>& f) { f[LoadLE32(f.data() + indexEntry(f, 0)) + 12] = 200; },
         Damage::kPictureSizes, 0, true, "chunk 0: the picture's sizes do not fit its data"},
        {"cut by a byte", four, [](std::vector<uint8_t>& f) { f.pop_back(); },
         Damage::kChunkOutside, 0, true, "chunk 0 lies past the end of the file"},
        {"no magic", four, [](std::vector<uint8_t>& f) { f[2] = 'Y'; }, Damage::kNotAPool, -1, true,
         "is not a pool"},
        {"a sound pool's kind", four, [](std::vector<uint8_t>& f) { f[4] = 24; },
         Damage::kNotPicturePool, -1, true, "is not a picture pool"},
        {"shorter than a header", four, [](std::vector<uint8_t>& f) { f.resize(5); },
         Damage::kShortHeader, -1, true, "is too short for a pool header"},
        {"more chunks than the file holds", four, [](std::vector<uint8_t>& f) { f[7] = 100; },
         Damage::kIndexOutside, 25604, true, "is too short for its index of 25604 chunks"},
        {"data that end early",
         {wordRunPicture(100, 100, 20000, {0, 0, 0, 0})},
         [](std::vector<uint8_t>&) {},
         Damage::kPictureShort,
         0,
         false,
         "chunk 0: the picture data end early"},
        {"data that run past the picture",
         {plainPicture(2), wordRunPicture(4, 2, 16, {20, 7})},
         [](std::vector<uint8_t>&) {},
         Damage::kPictureOverfill,
         1,
         false,
         "chunk 1: the picture data run past the picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makePool("damaged.tgp", kPoolKindPicture, c.chunks);
        std::vector<uint8_t> file = readFile("damaged.tgp");
        c.damage(file);
        writeFile("damaged.tgp", file);

        const PoolCheck deep =
            CheckPoolFile("damaged.tgp", kPoolKindPicture, PoolContent::kDecoded);
        const PoolCheck quick =
            CheckPoolFile("damaged.tgp", kPoolKindPicture, PoolContent::kPictures);
        EXPECT_EQ(deep.first().what, c.expected);
        EXPECT_EQ(deep.first().chunk, c.chunk);
        EXPECT_EQ(quick.whole(), c.expected == Damage::kNone || !c.quickFinds);
        EXPECT_EQ(GetErrorCode(), kErrNone);  // a check leaves the error as it found it
        if (c.expected != Damage::kNone) {
            EXPECT_EQ(DescribeDamage(deep.first()), deep.file + ": " + c.line);
            EXPECT_THAT(deep.file, HasSubstr("/damaged.tgp"));  // the path on disk
        }

        // What the check calls damaged is what the loader cannot load (or loads cut).
        if (!deep.pool && OpenPicturePool(kBeachPoolSlot, "damaged.tgp")) {
            for (int n = 0; n < deep.chunks; ++n) {
                PictureDamage why;
                uint8_t* picture = LoadPoolPictureQuietly(PicturePool(kBeachPoolSlot), n, &why);
                EXPECT_EQ(why.what != Damage::kNone, deep.chunkDamaged(n)) << n;
                EXPECT_EQ(picture != nullptr,
                          !deep.chunkDamaged(n) || why.what == Damage::kPictureOverfill)
                    << n;
                EXPECT_TRUE(!quick.chunkDamaged(n) || deep.chunkDamaged(n)) << n;
                MemFree(picture);
            }
        }
        ClosePools();
    }
    EXPECT_EQ(CheckPoolFile("none.tgp", kPoolKindPicture, PoolContent::kPictures).first().what,
              Damage::kMissing);
}

TEST_F(PoolCheckTest, ASoundPoolsChunksAreParsedAsWavFiles) {
    makePool("sound.tap", kPoolKindGeneral, {wav(40, 40), bytesOf("RIFX...."), wav(900, 40)});
    const PoolCheck check =
        CheckPoolFile("sound.tap", kPoolKindGeneral, PoolContent::kChunks, CheckWavChunk);
    ASSERT_EQ(check.damaged.size(), 2u);
    EXPECT_EQ(DescribeDamage(check.damaged[0]), check.file + ": chunk 1 is not a WAV sound");
    EXPECT_EQ(DescribeDamage(check.damaged[1]), check.file + ": chunk 2: the sound data end early");
    EXPECT_EQ(CheckPoolFile("sound.tap", kPoolKindPicture, PoolContent::kChunks).first().what,
              Damage::kNotPicturePool);
    // A pool that lacks a chunk a program needs.
    PoolCheck needed = CheckPoolFile("sound.tap", kPoolKindGeneral, PoolContent::kChunks);
    RequireChunks(needed, {1, 7, 3});
    ASSERT_EQ(needed.damaged.size(), 2u);
    EXPECT_EQ(DescribeDamage(needed.damaged[0]), check.file + ": has no chunk 3");
    EXPECT_EQ(needed.damaged[1].chunk, 7);
}

std::vector<std::string> gReports;
void listen(const FileDamage& damage, const char* engineText) {
    gReports.push_back((engineText ? std::string(engineText) + "\n" : "") + DescribeDamage(damage));
}

// A damaged picture drawn again and again, or a pool with several, is one report naming the
// pool and the chunk; the engine's own words for data that run past the picture stay in it.
TEST_F(PoolCheckTest, ADamagedPictureIsReportedOncePerPool) {
    makePool("a.tgp", kPoolKindPicture,
             {plainPicture(2), wordRunPicture(4, 2, 16, {20, 7}), bytesOf("not a picture.....")});
    makePool("b.tgp", kPoolKindPicture, {bytesOf("not a picture either")});
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "a.tgp"), 1);
    ASSERT_EQ(OpenPicturePool(kBeachPoolSlot, "b.tgp"), 1);
    gReports.clear();
    ForgetPictureDamage();
    SetPictureDamageReport(&listen);
    for (int frame = 0; frame < 5; ++frame) {
        for (int n : {0, 1, 2}) MemFree(LoadPoolPicture(PicturePool(kLocationPoolSlot), n));
        EXPECT_EQ(LoadPoolPicture(PicturePool(kBeachPoolSlot), 0), nullptr);
        EXPECT_STREQ(GetContextMessage(), "Pool Image Header");  // the loader's own words stay
    }
    ASSERT_EQ(gReports.size(), 2u);
    EXPECT_THAT(gReports[0], HasSubstr("read_tbf_image: Heap corrupted! \npos = 40, size = 16 "
                                       "diff: 24\n"));
    EXPECT_THAT(gReports[0], HasSubstr("/a.tgp: chunk 1: the picture data run past the picture"));
    EXPECT_THAT(gReports[1], HasSubstr("/b.tgp: chunk 0 is not a picture"));

    // Without a program's own report, the engine shows one INFO box per pool.
    SetPictureDamageReport(nullptr);
    ForgetPictureDamage();
    for (int frame = 0; frame < 3; ++frame)
        MemFree(LoadPoolPicture(PicturePool(kLocationPoolSlot), 1));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "INFO");
    EXPECT_THAT(boxes.shown[0].text, HasSubstr("Heap corrupted"));
    EXPECT_THAT(boxes.shown[0].text, HasSubstr("/a.tgp: chunk 1"));
    ForgetPictureDamage();
}

}  // namespace
