// Holding a cached picture: whatever frees it tells its holders first, while the picture is
// still there, once, and only for that picture.

#include <functional>
#include <vector>

#include "engine/resources/image_writer.h"
#include "tests/pool/pool_test_support.h"

namespace {

struct Call {
    int holder;
    const uint8_t* picture;
    uint32_t heldBytes;  // what the memory manager still held during the call
};
std::vector<Call> calls;

template <int kHolder>
void holder(const uint8_t* picture) {
    calls.push_back({kHolder, picture, MemAllocatedBytes()});
}

class PictureHoldTest : public PoolTest {
  protected:
    void SetUp() override {
        PoolTest::SetUp();
        calls.clear();
        std::vector<Chunk> chunks;
        for (int n = 0; n < 3; ++n) {
            const std::vector<uint16_t> pixels(64, static_cast<uint16_t>(0x1234 + n));
            chunks.push_back(EncodeTbf(pixels.data(), 8, 8, 2));
        }
        makePool("tgp\\location.tgp", kPoolKindPicture, chunks);
        ASSERT_EQ(OpenPicturePool(kLocationPoolSlot, "tgp\\location.tgp"), 1);
        Pictures().Attach(kLocationPoolSlot);
    }
};

TEST_F(PictureHoldTest, EveryWayOfFreeingAHeldPictureTellsItsHoldersFirst) {
    const struct {
        const char* name;
        std::function<void()> free;
    } kWays[] = {
        {"release the entry", [] { Pictures().Release(0); }},
        {"release all", [] { Pictures().ReleaseAll(); }},
        {"attach the pool again", [] { Pictures().Attach(kLocationPoolSlot); }},
    };
    for (const auto& way : kWays) {
        SCOPED_TRACE(way.name);
        calls.clear();
        PictureCache& cache = Pictures();
        uint8_t* held = cache.Hold(0, &holder<1>);
        ASSERT_NE(held, nullptr);
        EXPECT_EQ(cache.Hold(0, &holder<1>), held);  // the same hold twice is one hold
        EXPECT_EQ(cache.Hold(0, &holder<2>), held);
        cache.Get(2);
        const uint32_t before = MemAllocatedBytes();
        way.free();
        ASSERT_EQ(calls.size(), 2u);
        for (const Call& c : calls) {
            EXPECT_EQ(c.picture, held);
            EXPECT_EQ(c.heldBytes, before);
        }
        EXPECT_EQ(calls[0].holder + calls[1].holder, 3);
        EXPECT_FALSE(cache.IsLoaded(0));

        // The holds ended with the picture: freeing it again after a plain fetch tells nobody.
        calls.clear();
        cache.Get(0);
        cache.ReleaseAll();
        EXPECT_TRUE(calls.empty());
    }
    // Freeing pictures nobody holds, or an entry that is not loaded, tells nobody either.
    Pictures().Hold(2, &holder<1>);
    Pictures().Get(0);
    Pictures().Release(0);
    Pictures().Release(1);
    Pictures().Release(5);
    EXPECT_TRUE(calls.empty());
    Pictures().Release(2);
    EXPECT_EQ(calls.size(), 1u);
}

}  // namespace
