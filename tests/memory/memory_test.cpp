#include <gmock/gmock.h>

#include <cstring>
#include <string>

#include "engine/memory/memory.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class MemoryTest : public EngineTest {};

TEST_F(MemoryTest, ZeroBytesAreRefusedWithErrorFour) {
    EXPECT_EQ(MemAlloc(0), nullptr);
    EXPECT_EQ(GetErrorCode(), kErrNullPointer);
    EXPECT_EQ(MemAllocatedBytes(), 0u);
}

TEST_F(MemoryTest, BlocksCountTheirHeaderAndAreZeroed) {
    auto* block = static_cast<uint8_t*>(MemAlloc(10));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemAllocatedBytes(), 14u);
    EXPECT_EQ(MemBlockSize(block), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(block[i], 0);
    uint32_t header;
    std::memcpy(&header, block - 4, 4);
    EXPECT_EQ(header, 14u);
    MemFree(block);
    EXPECT_EQ(MemAllocatedBytes(), 0u);
    MemFree(nullptr);
    EXPECT_EQ(MemAllocatedBytes(), 0u);
}

TEST_F(MemoryTest, LimitWarnsWithTheExcessButStillAllocates) {
    SetMemoryLimit(100);
    void* first = MemAlloc(86);  // 90 bytes in use, below the limit
    EXPECT_TRUE(boxes.shown.empty());
    void* second = MemAlloc(6);  // 90 + 10 reaches 100 exactly
    EXPECT_NE(second, nullptr);
    EXPECT_THAT(boxTexts(), ElementsAre("Memory Limit exceeded with 0 byte!"));
    void* third = MemAlloc(16);
    EXPECT_EQ(boxTexts().back(), "Memory Limit exceeded with 20 byte!");
    SetMemoryWarnings(0);
    void* quiet = MemAlloc(1);
    EXPECT_EQ(boxes.shown.size(), 2u);
    for (void* p : {first, second, third, quiet}) MemFree(p);
}

TEST_F(MemoryTest, TraceLogsEachAllocationAndRelease) {
    SetMemoryTrace(1);
    void* block = MemAlloc(10);
    MemFree(block);
    SetMemoryTrace(0);
    const auto bytes = readFile("memory.log");
    const std::string log(bytes.begin(), bytes.end());
    EXPECT_THAT(log, HasSubstr(" 14 byte allocated at "));
    EXPECT_THAT(log, HasSubstr(" 14 byte freed at "));
}

TEST_F(MemoryTest, ShutdownReportsLeftoversAndResetsTheSwitches) {
    void* block = MemAlloc(96);
    SetMemoryTrace(1);
    MemShutdown();
    EXPECT_THAT(boxTexts(), ElementsAre("There are still 100 byte of memory allocated!"));
    EXPECT_EQ(GetMemoryTrace(), 0);
    MemFree(block);

    SetMemoryWarnings(0);
    MemShutdown();  // nothing left: silent either way; warnings are back on afterwards
    void* again = MemAlloc(1);
    MemShutdown();
    EXPECT_EQ(boxTexts().back(), "There are still 5 byte of memory allocated!");
    MemFree(again);
}

TEST_F(MemoryTest, FreeingAForeignHeaderIsReported) {
    // A block whose header claims more than was ever allocated.
    auto* block = static_cast<uint8_t*>(MemAlloc(4));
    const uint32_t bogus = 1000;
    std::memcpy(block - 4, &bogus, 4);
    MemFree(block);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_THAT(boxes.shown[0].text, HasSubstr("Too much memory freed ptr:"));
    EXPECT_THAT(boxes.shown[0].text, HasSubstr("size: 1000"));
    // Put the books right again so the fixture's accounting check holds.
    void* fix = MemAlloc(996);  // a 1000-byte block freed as an 8-byte one
    std::memcpy(static_cast<uint8_t*>(fix) - 4, "\x08\x00\x00\x00", 4);
    MemFree(fix);
    EXPECT_EQ(MemAllocatedBytes(), 0u);
}

}  // namespace
