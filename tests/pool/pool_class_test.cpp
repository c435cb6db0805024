#include <array>

#include "engine/resources/pool/pool_entry.h"
#include "tests/pool/pool_test_support.h"

namespace {

const std::string kOpenPool =
    "POOL_CLASS-> Pool konnte nicht ge\x94"
    "ffnet werden.";
const std::string kChunkTooBig = "POOL_CLASS-> ChunkNr zu gro\xE1.";

std::array<uint8_t, 4> copyBuffer{};

class PoolClassTest : public PoolTest {};

TEST_F(PoolClassTest, CreateWritesHeaderEmptyChunksAndIndex) {
    ASSERT_EQ(PoolEditor().Create("pool.tgp", kPoolKindPicture, 3), 1);
    const auto file = readFile("pool.tgp");
    Bytes expected;
    expected.text("QRX").u8(0).u16(21).u16(3);
    for (int i = 0; i < 3; ++i) expected.u32(0).u16(21);
    expected.u32(14).u32(20).u32(26);
    EXPECT_EQ(file, expected.data);
    EXPECT_EQ(file.size(), 38u);
    EXPECT_EQ(PoolEditor().ChunkCount("pool.tgp"), 3);
    EXPECT_FALSE(fileExists("pool.TMP"));
}

TEST_F(PoolClassTest, CreateBacksUpAndARefusedCreateLeavesTheFile) {
    writeFile("pool.tgp", std::string("previous"));
    ASSERT_EQ(PoolEditor().Create("pool.tgp", kPoolKindGeneral, 0), 1);
    EXPECT_EQ(readFile("pool.tg@"), bytesOf("previous"));
    EXPECT_EQ(readFile("pool.tgp").size(), 8u);

    // More chunks than an index can hold is refused before anything is written.
    const auto before = readFile("pool.tgp");
    EXPECT_EQ(PoolEditor().Create("pool.tgp", kPoolKindGeneral, kMaxPoolChunks + 1), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(context(), kChunkTooBig);
    EXPECT_EQ(readFile("pool.tgp"), before);
    EXPECT_FALSE(fileExists("pool.TMP"));
}

TEST_F(PoolClassTest, AppendToEmptyPoolAndAppendWithData) {
    ASSERT_EQ(PoolEditor().Create("empty.tap", kPoolKindGeneral, 0), 1);
    ASSERT_EQ(PoolEditor().AppendChunks("empty.tap", 0, nullptr, 2, kPoolKindGeneral), 1);
    auto file = readFile("empty.tap");
    EXPECT_EQ(PoolEditor().ChunkCount("empty.tap"), 2);
    EXPECT_EQ(indexOf(file), (std::vector<uint32_t>{14, 20}));

    // New chunks go over the old index; the readers find every chunk through the new one.
    const Chunk payload = bytesOf("sample data");
    ASSERT_EQ(PoolEditor().AppendChunks("empty.tap", 11, payload.data(), 2, 77), 1);
    ASSERT_EQ(PoolEditor().AppendChunks("empty.tap", 3, nullptr, 1, 5), 1);
    file = readFile("empty.tap");
    ASSERT_EQ(PoolEditor().ChunkCount("empty.tap"), 5);
    EXPECT_EQ(chunkData(file, 0), Chunk{});
    EXPECT_EQ(chunkData(file, 2), payload);
    EXPECT_EQ(chunkData(file, 3), payload);
    EXPECT_EQ(chunkKind(file, 3), 77);
    EXPECT_EQ(chunkData(file, 4), Chunk(3, 0));
    EXPECT_EQ(chunkKind(file, 4), 5);
}

TEST_F(PoolClassTest, ChunkLimitIsEnforcedBeforeWriting) {
    ASSERT_EQ(PoolEditor().Create("big.tap", kPoolKindGeneral, kMaxPoolChunks - 1), 1);
    const auto before = readFile("big.tap");
    EXPECT_EQ(PoolEditor().AppendChunks("big.tap", 0, nullptr, 2, 24), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(context(), kChunkTooBig);
    EXPECT_EQ(readFile("big.tap"), before);
    ASSERT_EQ(PoolEditor().AppendChunks("big.tap", 0, nullptr, 1, 24), 1);
    EXPECT_EQ(PoolEditor().ChunkCount("big.tap"), kMaxPoolChunks);

    // A hand-made pool claiming more chunks than the index table: no index is built.
    Bytes pool;
    pool.text("QRX").u8(0).u16(24).u16(kMaxPoolChunks + 1);
    for (int i = 0; i <= kMaxPoolChunks; ++i) pool.u32(0).u16(24);
    writeFile("huge.tap", pool.data);
    EXPECT_EQ(PoolEditor().WriteIndex("huge.tap", 0), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(readFile("huge.tap"), pool.data);
}

TEST_F(PoolClassTest, IndexRebuildAndLyingChunkLengths) {
    makePool("p.tap", kPoolKindGeneral, {bytesOf("one"), bytesOf("three")});
    const auto good = readFile("p.tap");
    ASSERT_EQ(PoolEditor().WriteIndex("p.tap", 1), 1);
    EXPECT_EQ(readFile("p.tap"), good);

    // The second chunk claims more data than the file holds.
    auto bad = good;
    StoreLE32(bad.data() + indexOf(good)[1] - 6, 1000);
    writeFile("p.tap", bad);
    for (int replace : {0, 1}) {
        SetErrorCode(kErrNone);
        EXPECT_EQ(PoolEditor().WriteIndex("p.tap", replace), 0);
        EXPECT_EQ(GetErrorCode(), kErrRead);
        EXPECT_EQ(context(), "POOL_CLASS-> Lesen Chunk-Header.");
        EXPECT_EQ(readFile("p.tap"), bad);
    }
    EXPECT_EQ(PoolEditor().AppendChunks("p.tap", 0, nullptr, 1, 24), 0);
    EXPECT_EQ(context(), "POOL_CLASS-> Select letzten Chunk.");
    EXPECT_EQ(readFile("p.tap"), bad);
}

TEST_F(PoolClassTest, HeaderReadingFailures) {
    EXPECT_EQ(PoolEditor().ReadPoolHeader(nullptr), -1);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(context(), "POOL_CLASS-> Pool-Handle fehlt.");

    EXPECT_EQ(PoolEditor().ChunkCount("missing.tap"), -1);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(context(), kOpenPool);

    writeFile("short.tap", std::string("QRX\0\x18", 5));
    EXPECT_EQ(PoolEditor().ChunkCount("short.tap"), -1);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    EXPECT_EQ(context(), "POOL_CLASS-> Lesen Pool-Header.");

    // The editor will not append to a file that is no pool.
    writeFile("text.txt", std::string("just some text, no pool at all"));
    EXPECT_EQ(PoolEditor().AppendChunks("text.txt", 4, nullptr, 1, 24), 0);
    EXPECT_EQ(GetErrorCode(), kErrFormat);
    EXPECT_EQ(readFile("text.txt"), bytesOf("just some text, no pool at all"));
}

TEST_F(PoolClassTest, ReplaceKeepsKindAndOldFile) {
    makePool("pool.tgp", kPoolKindPicture, {bytesOf("first"), bytesOf("second"), bytesOf("3")},
             {7, 8, 9});
    const auto before = readFile("pool.tgp");
    const Chunk replacement = bytesOf("a much longer second chunk");
    ASSERT_EQ(
        PoolEditor().ReplaceChunk("pool.tgp", 1, copyBuffer.data(), copyBuffer.size(),
                                  replacement.data(), static_cast<uint32_t>(replacement.size())),
        1)
        << context();
    const auto after = readFile("pool.tgp");
    EXPECT_EQ(PoolEditor().ChunkCount("pool.tgp"), 3);
    EXPECT_EQ(chunkData(after, 0), bytesOf("first"));
    EXPECT_EQ(chunkData(after, 1), replacement);
    EXPECT_EQ(chunkKind(after, 1), 8);
    EXPECT_EQ(chunkData(after, 2), bytesOf("3"));
    EXPECT_EQ(chunkKind(after, 2), 9);
    EXPECT_EQ(indexOf(after), (std::vector<uint32_t>{14, 25, 57}));
    EXPECT_EQ(after.size(), 8u + 3 * 6 + 5 + 26 + 1 + 12);
    EXPECT_EQ(readFile("pool.OLD"), before);
    EXPECT_FALSE(fileExists("pool.TMP"));
}

TEST_F(PoolClassTest, FailedReplaceLeavesThePoolAlone) {
    makePool("pool.tgp", kPoolKindPicture, {bytesOf("a"), bytesOf("b")});
    const auto before = readFile("pool.tgp");
    const Chunk data = bytesOf("new");
    auto replace = [&](int k) {
        SetErrorCode(kErrNone);
        return PoolEditor().ReplaceChunk("pool.tgp", k, copyBuffer.data(), copyBuffer.size(),
                                         data.data(), 3);
    };
    EXPECT_EQ(replace(2), 0);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    EXPECT_EQ(context(), kChunkTooBig);

    EXPECT_EQ(PoolEditor().ReplaceChunk("pool.tgp", 0, nullptr, 4, data.data(), 3), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(context(), "POOL_CLASS-> Speicherzuweisung C_Speicher fehlt.");
    EXPECT_EQ(PoolEditor().ReplaceChunk("pool.tgp", 0, copyBuffer.data(), 4, data.data(), 0), 0);
    EXPECT_EQ(context(), "POOL_CLASS-> Speicherzuweisung D_Speicher fehlt.");
    EXPECT_EQ(readFile("pool.tgp"), before);

    // A chunk behind the replaced one runs into the index: found while copying, nothing kept.
    auto bad = before;
    StoreLE32(bad.data() + indexOf(before)[1] - 6, 9);
    writeFile("pool.tgp", bad);
    EXPECT_EQ(replace(0), 0);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    EXPECT_EQ(readFile("pool.tgp"), bad);
    EXPECT_FALSE(fileExists("pool.TMP"));
    EXPECT_FALSE(fileExists("pool.OLD"));

    // A pool whose work file would be the pool itself is not touched.
    writeFile("work.TMP", before);
    EXPECT_EQ(PoolEditor().ReplaceChunk("work.TMP", 0, copyBuffer.data(), 4, data.data(), 3), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(readFile("work.TMP"), before);
}

TEST_F(PoolClassTest, CopyRunReplacesDestinationChunks) {
    makePool("src.tap", kPoolKindGeneral,
             {bytesOf("a"), bytesOf("bb"), bytesOf("ccc"), bytesOf("d")}, {1, 2, 3, 4});
    makePool("dst.tap", kPoolKindGeneral,
             {bytesOf("1"), bytesOf("2"), bytesOf("3"), bytesOf("4"), bytesOf("five")});
    const auto before = readFile("dst.tap");
    const auto source = readFile("src.tap");
    ASSERT_EQ(PoolEditor().CopyChunkRun("src.tap", "dst.tap", 1, 2, 2, copyBuffer.data(), 2), 1)
        << context();
    const auto after = readFile("dst.tap");
    ASSERT_EQ(PoolEditor().ChunkCount("dst.tap"), 5);
    const std::vector<Chunk> expected = {bytesOf("1"), bytesOf("2"), bytesOf("bb"), bytesOf("ccc"),
                                         bytesOf("five")};
    for (unsigned i = 0; i < 5; ++i) EXPECT_EQ(chunkData(after, i), expected[i]) << i;
    EXPECT_EQ(chunkKind(after, 2), 2);
    EXPECT_EQ(chunkKind(after, 4), kPoolKindGeneral);
    EXPECT_EQ(readFile("dst.OLD"), before);
    EXPECT_EQ(readFile("src.tap"), source);
    EXPECT_FALSE(fileExists("dst.TMP"));
}

TEST_F(PoolClassTest, CopyRunRefusals) {
    makePool("src.tap", kPoolKindGeneral, {bytesOf("a"), bytesOf("b"), bytesOf("c")});
    makePool("dst.tap", kPoolKindGeneral, {bytesOf("1"), bytesOf("2"), bytesOf("3")});
    const auto before = readFile("dst.tap");
    // s + n = source N, d + n = destination N, negative numbers.
    for (auto [s, d, n] :
         {std::array{1, 0, 2}, std::array{0, 1, 2}, std::array{0, 0, -1}, std::array{3, 0, 0}}) {
        SetErrorCode(kErrNone);
        EXPECT_EQ(PoolEditor().CopyChunkRun("src.tap", "dst.tap", s, d, n, copyBuffer.data(), 4),
                  0);
        EXPECT_EQ(GetErrorCode(), kErrGeneral);
        EXPECT_EQ(context(), kChunkTooBig);
    }
    EXPECT_EQ(PoolEditor().CopyChunkRun("src.tap", "gone.tap", 0, 0, 1, copyBuffer.data(), 4), 0);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(context(),
              "POOL_CLASS-> Dest Pool konnte nicht ge\x94"
              "ffnet werden.");
    EXPECT_EQ(PoolEditor().CopyChunkRun("gone.tap", "dst.tap", 0, 0, 1, copyBuffer.data(), 4), 0);
    EXPECT_EQ(context(),
              "POOL_CLASS-> Source Pool konnte nicht ge\x94"
              "ffnet werden.");
    EXPECT_EQ(PoolEditor().CopyChunkRun("src.tap", "dst.tap", 0, 0, 1, nullptr, 4), 0);
    EXPECT_EQ(context(), "POOL_CLASS-> Speicherzuweisung C_Speicher fehlt.");
    // Reading from the destination's own work file would truncate it first.
    writeFile("dst.TMP", before);
    EXPECT_EQ(PoolEditor().CopyChunkRun("dst.TMP", "dst.tap", 0, 0, 1, copyBuffer.data(), 4), 0);
    EXPECT_EQ(readFile("dst.TMP"), before);
    std::filesystem::remove("dst.TMP");

    EXPECT_EQ(readFile("dst.tap"), before);
    EXPECT_FALSE(fileExists("dst.TMP"));
    EXPECT_FALSE(fileExists("dst.OLD"));
}

TEST_F(PoolClassTest, CopyOneChunkNeedsABufferAndWholeData) {
    makePool("src.tap", kPoolKindGeneral, {bytesOf("0123456789")});
    FileHandle source = Files().Open("src.tap", "rb");
    FileHandle target = Files().Open("out.bin", "wb");
    EXPECT_EQ(PoolEditor().CopyChunk(nullptr, 4, source, target), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
    EXPECT_EQ(context(), "POOL_CLASS-> Speicherzuweisung fehlt.");
    Files().Seek(source, 8, 0);
    EXPECT_EQ(PoolEditor().CopyChunk(copyBuffer.data(), 3, source, target), 1);
    // The next "chunk" is the index: its length runs past the file.
    SetErrorCode(kErrNone);
    EXPECT_EQ(PoolEditor().CopyChunk(copyBuffer.data(), 3, source, target), 0);
    EXPECT_EQ(GetErrorCode(), kErrRead);
    Files().Close(source);
    Files().Close(target);
    EXPECT_EQ(readFile("out.bin"), Bytes().u32(10).u16(24).text("0123456789").data);
}

TEST_F(PoolClassTest, WorkAndOldNames) {
    char name[256];
    ASSERT_TRUE(POOL_CLASS::WorkFileName("tgp\\location.tgp", name, sizeof name));
    EXPECT_STREQ(name, "tgp\\location.TMP");
    ASSERT_TRUE(POOL_CLASS::WorkFileName("..\\pools\\a.x", name, sizeof name));
    EXPECT_STREQ(name, "..\\pools\\a.TMP");
    ASSERT_TRUE(POOL_CLASS::WorkFileName("a.tgpx", name, sizeof name));
    EXPECT_STREQ(name, "a.TMPx");
    ASSERT_TRUE(POOL_CLASS::OldFileName("./dir.d/a.tgpx", name, sizeof name));
    EXPECT_STREQ(name, "./dir.d/a.OLD");
    ASSERT_TRUE(POOL_CLASS::OldFileName("noext", name, sizeof name));
    EXPECT_STREQ(name, "noext.OLD");
    EXPECT_FALSE(POOL_CLASS::WorkFileName("pool.tgp", name, 5));
}

}  // namespace
