// Every processor path of the row loops against the plain one: the same pixels for rows of any
// length and alignment, nothing written outside the row.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/display/row_ops.h"

namespace {

using rowops::Path;

constexpr int kGuard = 40;  // pixels on either side of a row that must stay as they are

// Runs `work` with the loops on `path`, then puts back the path that was in use.
void OnPath(Path path, const std::function<void()>& work) {
    const Path before = rowops::CurrentPath();
    rowops::UsePath(path);
    work();
    rowops::UsePath(before);
}

std::vector<uint16_t> Noise(std::size_t count, uint32_t seed, bool holes) {
    std::mt19937 random(seed);
    std::vector<uint16_t> pixels(count);
    for (uint16_t& p : pixels) {
        p = static_cast<uint16_t>(random());
        // Transparent runs of every length, so that keyed rows see whole and partial vectors
        // of holes.
        if (holes && random() % 3 == 0) p = 0;
    }
    return pixels;
}

// A row operation on (destination, first source, second source, count); the destination starts
// as its own noise, the sources are read only.
using RowCase = std::function<void(uint16_t*, const uint16_t*, const uint16_t*, int)>;

// The destination buffer after `op` on a row of `count` pixels starting `dstShift` pixels into
// it (and `srcShift` into the sources), guards included.
std::vector<uint16_t> RunRow(Path path, const RowCase& op, int count, int dstShift, int srcShift,
                             uint32_t seed) {
    const std::size_t size = static_cast<std::size_t>(count + 2 * kGuard + 8);
    std::vector<uint16_t> dst = Noise(size, seed, false);
    const std::vector<uint16_t> first = Noise(size, seed + 1, true);
    const std::vector<uint16_t> second = Noise(size, seed + 2, false);
    OnPath(path, [&] {
        op(dst.data() + kGuard + dstShift, first.data() + kGuard + srcShift,
           second.data() + kGuard + srcShift, count);
    });
    return dst;
}

struct NamedCase {
    const char* name;
    RowCase op;
};

std::vector<NamedCase> Cases() {
    return {
        {"Fill",
         [](uint16_t* d, const uint16_t*, const uint16_t*, int n) { rowops::Fill(d, n, 0xA5C3); }},
        {"CopyKeyed", [](uint16_t* d, const uint16_t* s, const uint16_t*,
                         int n) { rowops::CopyKeyed(d, s, n); }},
        {"To555",
         [](uint16_t* d, const uint16_t* s, const uint16_t*, int n) { rowops::To555(d, s, n); }},
        {"Faded",
         [](uint16_t* d, const uint16_t* s, const uint16_t*, int n) { rowops::Faded(d, s, n); }},
        {"Tint",
         [](uint16_t* d, const uint16_t*, const uint16_t*, int n) { rowops::Tint(d, n, 0x7BEF); }},
        {"Darken",
         [](uint16_t* d, const uint16_t*, const uint16_t*, int n) { rowops::Darken(d, n); }},
        {"Blend", [](uint16_t* d, const uint16_t* s, const uint16_t* t,
                     int n) { rowops::Blend(d, s, t, n, 100); }},
        {"Grey",
         [](uint16_t* d, const uint16_t* s, const uint16_t*, int n) { rowops::Grey(d, s, n); }},
        {"PixelDouble", [](uint16_t* d, const uint16_t* s, const uint16_t*,
                           int n) { rowops::PixelDouble(d, s, n / 2); }},
        {"ExpandBits",
         [](uint16_t* d, const uint16_t* s, const uint16_t*, int n) {
             rowops::ExpandBits(d, reinterpret_cast<const uint8_t*>(s), n / 8, 0xFFE0, 0x0010);
         }},
        {"ExpandBitsOver",
         [](uint16_t* d, const uint16_t* s, const uint16_t*, int n) {
             rowops::ExpandBitsOver(d, reinterpret_cast<const uint8_t*>(s), n / 8, 0xF81F);
         }},
    };
}

class RowPathsTest : public testing::TestWithParam<Path> {
  protected:
    void SetUp() override {
        if (rowops::UsePath(GetParam()) != GetParam()) {
            rowops::UsePath(rowops::BestPath());
            GTEST_SKIP() << "this processor has no " << rowops::PathName(GetParam()) << " path";
        }
        rowops::UsePath(rowops::BestPath());
    }
};

TEST_P(RowPathsTest, EveryLoopMatchesThePlainOneAtEveryLengthAndAlignment) {
    std::vector<int> counts;
    for (int n = 0; n <= 80; ++n) counts.push_back(n);
    for (int n : {95, 127, 128, 129, 639, 640, 641}) counts.push_back(n);
    uint32_t seed = 1;
    for (const NamedCase& c : Cases()) {
        for (int count : counts) {
            for (int dstShift = 0; dstShift < 4; ++dstShift) {
                for (int srcShift : {0, 1, 3}) {
                    ++seed;
                    const auto plain = RunRow(Path::Plain, c.op, count, dstShift, srcShift, seed);
                    const auto path = RunRow(GetParam(), c.op, count, dstShift, srcShift, seed);
                    ASSERT_EQ(plain, path) << c.name << " count " << count << " shifted "
                                           << dstShift << "/" << srcShift;
                }
            }
        }
    }
}

TEST_P(RowPathsTest, BlendMatchesThePlainOneForEveryWeight) {
    for (int a = 0; a < 256; ++a) {
        for (int count : {1, 15, 16, 17, 31, 32, 33, 63, 64, 65, 641}) {
            const RowCase op = [a](uint16_t* d, const uint16_t* s, const uint16_t* t, int n) {
                rowops::Blend(d, s, t, n, static_cast<uint16_t>(a));
            };
            const uint32_t seed = static_cast<uint32_t>(a * 1000 + count);
            ASSERT_EQ(RunRow(Path::Plain, op, count, a % 4, a % 3, seed),
                      RunRow(GetParam(), op, count, a % 4, a % 3, seed))
                << "weight " << a << " count " << count;
        }
    }
}

TEST_P(RowPathsTest, KeyedAndFadedRowsLeaveEveryTransparentPixel) {
    // A source of only holes and a source with a single opaque pixel, at each position.
    for (int count : {1, 7, 32, 33, 70}) {
        for (int opaque = -1; opaque < count; ++opaque) {
            std::vector<uint16_t> src(static_cast<std::size_t>(count), 0);
            if (opaque >= 0) src[static_cast<std::size_t>(opaque)] = 0x1234;
            for (auto row : {rowops::CopyKeyed, rowops::Faded}) {
                std::vector<uint16_t> expected(static_cast<std::size_t>(count), 0xBEEF);
                std::vector<uint16_t> actual = expected;
                OnPath(Path::Plain, [&] { row(expected.data(), src.data(), count); });
                OnPath(GetParam(), [&] { row(actual.data(), src.data(), count); });
                ASSERT_EQ(expected, actual) << "count " << count << " opaque " << opaque;
                for (int i = 0; i < count; ++i) {
                    if (i != opaque) {
                        ASSERT_EQ(actual[static_cast<std::size_t>(i)], 0xBEEF);
                    }
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, RowPathsTest, testing::Values(Path::Avx2, Path::Avx512),
                         [](const testing::TestParamInfo<Path>& param) {
                             return std::string(rowops::PathName(param.param));
                         });

TEST(RowPathTest, ThePathIsChosenByTheProcessorAndCanBeForced) {
    const Path best = rowops::BestPath();
    EXPECT_EQ(rowops::UsePath(Path::Plain), Path::Plain);
    EXPECT_EQ(rowops::CurrentPath(), Path::Plain);
    // A path the processor lacks falls back to the widest one it has.
    EXPECT_EQ(rowops::UsePath(Path::Avx512), best);
    EXPECT_EQ(rowops::CurrentPath(), best);
    rowops::UsePath(best);
}

TEST(RowPathTest, PathNamesReadBack) {
    for (Path p : {Path::Plain, Path::Avx2, Path::Avx512}) {
        Path parsed = Path::Plain;
        ASSERT_TRUE(rowops::ParsePath(rowops::PathName(p), &parsed));
        EXPECT_EQ(parsed, p);
    }
    Path untouched = Path::Avx2;
    EXPECT_FALSE(rowops::ParsePath("sse4", &untouched));
    EXPECT_FALSE(rowops::ParsePath("", &untouched));
    EXPECT_EQ(untouched, Path::Avx2);
}

}  // namespace
