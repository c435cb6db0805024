#pragma once
// Context messages of the pool editor, in code page 437 (0x94 is o-umlaut, 0xE1 sharp s).

namespace pool_text {

constexpr const char* kOpenPool =
    "POOL_CLASS-> Pool konnte nicht ge\x94"
    "ffnet werden.";
constexpr const char* kOpenWork =
    "POOL_CLASS-> Tmp-Pool konnte nicht ge\x94"
    "ffnet werden.";
constexpr const char* kOpenSource =
    "POOL_CLASS-> Source Pool konnte nicht ge\x94"
    "ffnet werden.";
constexpr const char* kOpenDest =
    "POOL_CLASS-> Dest Pool konnte nicht ge\x94"
    "ffnet werden.";
constexpr const char* kRenamePool = "POOL_CLASS-> Pool konnte nicht umbenannt werden.";
constexpr const char* kNoHandle = "POOL_CLASS-> Pool-Handle fehlt.";
constexpr const char* kReadHeader = "POOL_CLASS-> Lesen Pool-Header.";
constexpr const char* kReadDestHeader = "POOL_CLASS-> Lesen Dest-Pool-Header.";
constexpr const char* kReadSourceHeader = "POOL_CLASS-> Lesen Source-Pool-Header.";
constexpr const char* kWriteHeader = "POOL_CLASS-> Schreiben Pool-Header.";
constexpr const char* kReadChunkHeader = "POOL_CLASS-> Lesen Chunk-Header.";
constexpr const char* kWriteChunkHeader = "POOL_CLASS-> Schreiben Chunk-Header.";
constexpr const char* kWriteChunkData = "POOL_CLASS-> Schreiben Chunk-Daten.";
constexpr const char* kSelectLastChunk = "POOL_CLASS-> Select letzten Chunk.";
constexpr const char* kReadData1 = "POOL_CLASS-> Lesen Chunk-Daten 1.";
constexpr const char* kWriteData1 = "POOL_CLASS-> Schreiben Chunk-Daten 1.";
constexpr const char* kReadData2 = "POOL_CLASS-> Lesen Chunk-Daten 2.";
constexpr const char* kWriteData2 = "POOL_CLASS-> Schreiben Chunk-Daten 2.";
constexpr const char* kNoBuffer = "POOL_CLASS-> Speicherzuweisung fehlt.";
constexpr const char* kNoCopyBuffer = "POOL_CLASS-> Speicherzuweisung C_Speicher fehlt.";
constexpr const char* kNoNewData = "POOL_CLASS-> Speicherzuweisung D_Speicher fehlt.";
constexpr const char* kChunkTooBig = "POOL_CLASS-> ChunkNr zu gro\xE1.";
constexpr const char* kReadSourceChunk = "POOL_CLASS-> Lesen Chunk-Header Quellfile.";
constexpr const char* kWriteTargetHeader = "POOL_CLASS-> Schreiben Chunk-Header Zielfile.";
constexpr const char* kWriteTargetData = "POOL_CLASS-> Schreiben Chunk-Daten Zielfile.";

}  // namespace pool_text
