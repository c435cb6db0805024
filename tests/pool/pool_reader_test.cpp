#include <cstring>

#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool_entry.h"
#include "tests/pool/pool_test_support.h"

namespace {

class PoolReaderTest : public PoolTest {
  protected:
    // A 16-bit test picture with runs (for the run modes) and noise (for the literals).
    static std::vector<uint16_t> pixels(uint16_t width, uint16_t height) {
        std::vector<uint16_t> result(std::size_t{width} * height);
        for (std::size_t i = 0; i < result.size(); ++i) {
            result[i] = (i / 7) % 3 == 0 ? 0xF800 : static_cast<uint16_t>(i * 2654435761u >> 7);
        }
        return result;
    }
    static void expectPicture(const uint8_t* block, uint16_t width, uint16_t height) {
        ASSERT_NE(block, nullptr) << context();
        uint16_t size[2];
        std::memcpy(size, block, 4);
        EXPECT_EQ(size[0], width);
        EXPECT_EQ(size[1], height);
        const auto expected = pixels(width, height);
        EXPECT_EQ(std::memcmp(block + 4, expected.data(), expected.size() * 2), 0);
        EXPECT_EQ(MemBlockSize(block), 4 + expected.size() * 2);
    }
    static Chunk picture(uint16_t width, uint16_t height, int mode) {
        const auto p = pixels(width, height);
        return EncodeTbf(p.data(), width, height, mode);
    }
};

TEST_F(PoolReaderTest, OpenPicturePoolChecksTheHeader) {
    makePool("tgp\\location.tgp", kPoolKindPicture, {picture(2, 2, 0)});
    makePool("sound.tap", kPoolKindGeneral, {bytesOf("RIFF")});
    writeFile("short.tgp", std::string("QRX\0\x15", 5));

    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "TGP\\Location.TGP"), 1);
    EXPECT_EQ(PicturePoolChunks(kLocationPoolSlot), 1);
    FileHandle location = PicturePool(kLocationPoolSlot);
    EXPECT_NE(location, nullptr);

    EXPECT_EQ(OpenPicturePool(kLocationPoolSlot, "sound.tap"), 0);
    EXPECT_EQ(context(), "NO TGP-FILE !");
    EXPECT_EQ(GetErrorCode(), kErrFormat);
    EXPECT_EQ(OpenPicturePool(kLocationPoolSlot, "short.tgp"), 0);
    EXPECT_EQ(context(), "TGP-FILE");
    EXPECT_EQ(GetErrorCode(), kErrRead);
    EXPECT_EQ(OpenPicturePool(kLocationPoolSlot, "missing.tgp"), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(OpenPicturePool(kPicturePoolSlots, "tgp\\location.tgp"), 0);
    // Failed opens keep the slot's pool and leave no file open behind them.
    EXPECT_EQ(PicturePool(kLocationPoolSlot), location);
    EXPECT_EQ(Files().OpenCount(), 1);

    // Reopening a slot closes what it held.
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "tgp\\location.tgp"), 1);
    EXPECT_EQ(Files().OpenCount(), 1);
}

TEST_F(PoolReaderTest, OpenSoundPool) {
    makePool("tap\\sound.tap", kPoolKindGeneral, {bytesOf("RIFF")});
    makePool("pics.tgp", kPoolKindPicture, {});
    ASSERT_EQ(OpenSoundPool(0, "tap\\sound.tap"), 1);
    EXPECT_NE(SoundPool(0), nullptr);

    EXPECT_EQ(OpenSoundPool(1, "missing.tap"), 0);
    EXPECT_EQ(context(), "TAP-FILE");
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(SoundPool(1), nullptr);

    // A wrong kind keeps its handle (it is closed with the others at the end).
    EXPECT_EQ(OpenSoundPool(1, "pics.tgp"), 0);
    EXPECT_EQ(context(), "NO TAP-FILE !");
    EXPECT_NE(SoundPool(1), nullptr);
    EXPECT_EQ(Files().OpenCount(), 2);
    ASSERT_EQ(OpenSoundPool(1, "tap\\sound.tap"), 1);
    EXPECT_EQ(Files().OpenCount(), 2);
    EXPECT_EQ(OpenSoundPool(3, "tap\\sound.tap"), 0);
}

TEST_F(PoolReaderTest, SeekToEntry) {
    makePool("p.tap", kPoolKindGeneral, {bytesOf("zero"), bytesOf("one"), bytesOf("two")});
    FileHandle pool = Files().Open("p.tap", "rb");
    char text[4] = {};
    EXPECT_EQ(SeekPoolEntry(pool, 1), 1);
    Files().Read(text, 1, 3, pool);
    EXPECT_STREQ(text, "one");
    // Past the end: the last entry's data.
    EXPECT_EQ(SeekPoolEntry(pool, 3), 2);
    Files().Read(text, 1, 3, pool);
    EXPECT_STREQ(text, "two");
    EXPECT_EQ(SeekPoolEntry(pool, 60000), 2);
    EXPECT_EQ(GetErrorCode(), kErrNone);
    Files().Close(pool);

    // Files without the magic are read as plain files from offset 8.
    writeFile("plain.bin", std::string("12345678rest"));
    FileHandle plain = Files().Open("plain.bin", "rb");
    EXPECT_EQ(SeekPoolEntry(plain, 5), 5);
    EXPECT_EQ(Files().Tell(plain), 8);
    Files().Close(plain);

    // An empty pool has no entry; a short file cannot be read.
    makePool("empty.tap", kPoolKindGeneral, {});
    FileHandle empty = Files().Open("empty.tap", "rb");
    EXPECT_EQ(SeekPoolEntry(empty, 0), -1);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    Files().Close(empty);
    writeFile("tiny.tap", std::string("QRX"));
    FileHandle tiny = Files().Open("tiny.tap", "rb");
    SetErrorCode(kErrNone);
    EXPECT_EQ(SeekPoolEntry(tiny, 4), 4);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    EXPECT_EQ(Files().Tell(tiny), 0);
    Files().Close(tiny);
}

TEST_F(PoolReaderTest, LyingIndexOrChunkLengthIsAReadError) {
    makePool("p.tap", kPoolKindGeneral, {bytesOf("zero"), bytesOf("one")});
    const auto good = readFile("p.tap");
    const std::size_t lastEntry = good.size() - 4;
    struct Damage {
        std::size_t at;
        uint32_t value;
    };
    // Index entry past the file, into the index, below the first chunk; chunk length too long;
    // a chunk count whose index would start before the chunks.
    for (const Damage& damage : {Damage{lastEntry, 100000}, Damage{lastEntry, 28},
                                 Damage{lastEntry, 4}, Damage{indexOf(good)[1] - 6, 4}}) {
        auto bad = good;
        StoreLE32(bad.data() + damage.at, damage.value);
        writeFile("p.tap", bad);
        FileHandle pool = Files().Open("p.tap", "rb");
        SetErrorCode(kErrNone);
        PoolEntry entry;
        EXPECT_FALSE(LocatePoolEntry(pool, 1, &entry)) << damage.at << " " << damage.value;
        EXPECT_EQ(GetErrorCode(), kErrRead);
        EXPECT_EQ(Files().Tell(pool), 0);
        Files().Close(pool);
    }
    auto bad = good;
    StoreLE16(bad.data() + 6, 9);
    writeFile("p.tap", bad);
    FileHandle pool = Files().Open("p.tap", "rb");
    PoolEntry entry;
    EXPECT_FALSE(LocatePoolEntry(pool, 1, &entry));
    Files().Close(pool);
}

TEST_F(PoolReaderTest, LoadsPicturesOfEveryMode) {
    makePool("pics.tgp", kPoolKindPicture,
             {picture(33, 7, 0), picture(40, 30, 1), picture(64, 48, 2), picture(1, 1, 2)});
    ASSERT_EQ(OpenPicturePool(kBeachPoolSlot, "pics.tgp"), 1);
    FileHandle pool = PicturePool(kBeachPoolSlot);
    const uint16_t sizes[][2] = {{33, 7}, {40, 30}, {64, 48}, {1, 1}};
    // Out of order, so that no load relies on where the previous one left the file.
    for (int n : {2, 0, 3, 1}) {
        uint8_t* block = LoadPoolPicture(pool, n);
        expectPicture(block, sizes[n][0], sizes[n][1]);
        EXPECT_EQ(GetErrorCode(), kErrNone);
        MemFree(block);
    }

    EXPECT_EQ(LoadPoolPicture(pool, 4), nullptr);
    EXPECT_EQ(context(), "Pool Entry NOT AVAILABLE");
    EXPECT_NE(GetErrorCode(), kErrNone);
    EXPECT_EQ(LoadPoolPicture(pool, -1), nullptr);
    EXPECT_EQ(context(), "Pool Entry NOT AVAILABLE");
    EXPECT_EQ(LoadPoolPicture(nullptr, 0), nullptr);
}

TEST_F(PoolReaderTest, BrokenPictureChunksAreRefusedWithoutLeaks) {
    // Cut short as the last chunk, so that only the index follows it.
    Chunk truncated = picture(100, 100, 2);
    truncated.resize(100);
    Chunk bigClaim = picture(4, 4, 0);
    StoreLE32(bigClaim.data() + 8, 0x7FFFFFF0);  // pixel data size far beyond the chunk
    Chunk smallClaim = picture(4, 4, 0);
    StoreLE32(smallClaim.data() + 8, 8);  // less than 4 × 4 pixels need
    Chunk badDepth = picture(4, 4, 0);
    StoreLE16(badDepth.data() + 4, 12);
    makePool(
        "bad.tgp", kPoolKindPicture,
        {badDepth, bigClaim, smallClaim, bytesOf("RIFF....WAVEfmt "), bytesOf("TBF"), truncated});
    FileHandle pool = Files().Open("bad.tgp", "rb");
    struct Expect {
        int n;
        int16_t code;
        const char* context;
    };
    for (const Expect& e :
         {Expect{0, kErrFormat, "Pool Image Header"}, Expect{1, kErrRead, "Pool Image Header"},
          Expect{2, kErrRead, "Pool Image Header"}, Expect{3, kErrFormat, "Pool Image Header"},
          Expect{4, kErrRead, "Pool Image Header"}, Expect{5, kErrRead, "Pool Picture"}}) {
        EXPECT_EQ(LoadPoolPicture(pool, e.n), nullptr) << e.n;
        EXPECT_EQ(GetErrorCode(), e.code) << e.n;
        EXPECT_EQ(context(), e.context) << e.n;
        EXPECT_EQ(MemAllocatedBytes(), 0u);
    }
    Files().Close(pool);
}

TEST_F(PoolReaderTest, PictureCacheLoadsOnceAndReleases) {
    makePool("tgp\\location.tgp", kPoolKindPicture,
             {picture(8, 8, 2), picture(3, 5, 1), bytesOf("not a picture")});
    ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "tgp\\location.tgp"), 1);
    PictureCache& cache = Pictures();
    cache.Attach(kLocationPoolSlot);
    EXPECT_EQ(cache.Entries(), 3);

    uint8_t* first = cache.Get(0);
    expectPicture(first, 8, 8);
    EXPECT_EQ(cache.Get(0), first);
    EXPECT_TRUE(cache.IsLoaded(0));
    EXPECT_FALSE(cache.IsLoaded(1));
    expectPicture(cache.Get(1), 3, 5);

    // Entries the pool does not have (the game's scenes reach up to 242) are simply absent.
    EXPECT_EQ(cache.Get(3), nullptr);
    EXPECT_EQ(cache.Get(242), nullptr);
    EXPECT_EQ(cache.Get(-1), nullptr);
    EXPECT_FALSE(cache.IsLoaded(242));
    cache.Release(242);
    // A chunk that cannot be loaded stays null.
    EXPECT_EQ(cache.Get(2), nullptr);
    EXPECT_FALSE(cache.IsLoaded(2));

    const uint32_t withBoth = MemAllocatedBytes();
    cache.Release(0);
    EXPECT_FALSE(cache.IsLoaded(0));
    EXPECT_EQ(MemAllocatedBytes(), withBoth - (4 + 4 + 8 * 8 * 2));
    cache.Release(0);
    cache.ReleaseAll();
    EXPECT_EQ(MemAllocatedBytes(), 0u);
    expectPicture(cache.Get(0), 8, 8);  // loads again after a release
}

}  // namespace
