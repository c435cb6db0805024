// Commands that read and edit pools: list, create, add, replace, copy, extract.
#include <cstdio>
#include <cstring>

#include "engine/memory/memory.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/pool_class.h"
#include "engine/resources/pool/pool_entry.h"
#include "tools/pooltool/commands.h"
#include "tools/pooltool/tool_io.h"

namespace {

constexpr uint32_t kCopyBufferBytes = 64 * 1024;

// What the data of a chunk is, by its first bytes.
const char* dataKind(const uint8_t* first, uint32_t length) {
    uint8_t header[16] = {};
    std::memcpy(header, first, length < sizeof header ? length : sizeof header);
    if (length >= 3) {
        switch (FileManager::FileKind(header)) {
            case kFileKindTbf:
                return "TBF";
            case kFileKindTpf:
                return "TPF";
            case kFileKindTaf:
                return "TAF";
            case kFileKindTff:
                return "TFF";
            default:
                break;
        }
    }
    if (length >= 4 && std::memcmp(header, "RIFF", 4) == 0) return "RIFF";
    return "raw";
}

// An open pool with its header read; closes itself.
struct OpenPool {
    explicit OpenPool(const std::string& name) {
        handle = Files().Open(name.c_str(), "rb");
        if (!handle) {
            SetContextMessage(
                "POOL_CLASS-> Pool konnte nicht ge\x94"
                "ffnet werden.");
            return;
        }
        chunks = PoolEditor().ReadPoolHeader(handle);
        uint8_t bytes[kPoolHeaderBytes];
        if (chunks >= 0 && Files().Seek(handle, 0, 0) == 0 &&
            Files().Read(bytes, 1, sizeof bytes, handle) == sizeof bytes) {
            kind = ParsePoolHeader(bytes).kind;
        }
    }
    ~OpenPool() { Files().Close(handle); }
    bool ok() const { return handle && chunks >= 0; }

    FileHandle handle = nullptr;
    int chunks = -1;
    uint16_t kind = 0;
};

// Positions the pool at entry n exactly (no falling back to the last entry).
bool locate(FileHandle pool, int n, PoolEntry* entry) {
    if (LocatePoolEntry(pool, n, entry) && entry->selected == n) return true;
    SetErrorCode(kErrRead);
    SetContextMessage("Pool Entry NOT AVAILABLE");
    return false;
}

long chunkNumber(const std::string& text) {
    return ParseNumber(text, 0, kMaxPoolChunks).value_or(-1);
}

}  // namespace

int ListPool(const Arguments& args) {
    if (args.size() != 1) return kExitUsage;
    OpenPool pool(args[0]);
    if (!pool.ok()) return kExitFailed;
    std::printf("kind=%u chunks=%d\n", pool.kind, pool.chunks);
    for (int i = 0; i < pool.chunks; ++i) {
        PoolEntry entry;
        uint8_t chunk[kChunkHeaderBytes];
        uint8_t first[16] = {};
        if (!locate(pool.handle, i, &entry) ||
            Files().Seek(pool.handle, static_cast<int32_t>(entry.dataOffset - kChunkHeaderBytes),
                         0) != 0 ||
            Files().Read(chunk, 1, sizeof chunk, pool.handle) != sizeof chunk) {
            return kExitFailed;
        }
        const uint32_t peek = entry.dataLength < sizeof first ? entry.dataLength : sizeof first;
        if (Files().Read(first, 1, peek, pool.handle) != peek)
            return Failed(kErrRead, "Pool Entry NOT AVAILABLE");
        std::printf("%d\t%u\t%u\t%s\n", i, ParseChunkHeader(chunk).kind, entry.dataLength,
                    dataKind(first, entry.dataLength));
    }
    return kExitOk;
}

int CreatePool(const Arguments& args) {
    if (args.size() != 3) return kExitUsage;
    std::optional<long> kind = args[1] == "tgp"   ? kPoolKindPicture
                               : args[1] == "tap" ? kPoolKindGeneral
                                                  : ParseNumber(args[1], 0, UINT16_MAX);
    const std::optional<long> count = ParseNumber(args[2], 0, UINT16_MAX);
    if (!kind || !count) return kExitUsage;
    return PoolEditor().Create(args[0].c_str(), static_cast<uint16_t>(*kind),
                               static_cast<int>(*count))
               ? kExitOk
               : kExitFailed;
}

int AddChunks(const Arguments& args) {
    if (args.size() < 2) return kExitUsage;
    uint16_t kind = 0;
    {
        OpenPool pool(args[0]);
        if (!pool.ok()) return kExitFailed;
        kind = pool.kind;
    }
    // Every file is read before the pool is touched, so a missing one adds nothing.
    std::vector<std::vector<uint8_t>> contents(args.size() - 1);
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (!ReadWholeFile(args[i], contents[i - 1])) return kExitFailed;
        if (contents[i - 1].size() > INT32_MAX) return Failed(kErrGeneral, "input file too large");
    }
    for (const auto& data : contents) {
        if (!PoolEditor().AppendChunks(args[0].c_str(), static_cast<uint32_t>(data.size()),
                                       data.data(), 1, kind)) {
            return kExitFailed;
        }
    }
    return kExitOk;
}

int ReplaceChunkData(const Arguments& args) {
    if (args.size() != 3) return kExitUsage;
    const long k = chunkNumber(args[1]);
    if (k < 0) return kExitUsage;
    std::vector<uint8_t> data;
    if (!ReadWholeFile(args[2], data)) return kExitFailed;
    void* buffer = MemAlloc(kCopyBufferBytes);
    const int ok = PoolEditor().ReplaceChunk(args[0].c_str(), static_cast<int>(k), buffer,
                                             buffer ? kCopyBufferBytes : 0, data.data(),
                                             static_cast<uint32_t>(data.size()));
    MemFree(buffer);
    return ok ? kExitOk : kExitFailed;
}

int CopyChunks(const Arguments& args) {
    if (args.size() != 5) return kExitUsage;
    const long s = chunkNumber(args[2]);
    const long d = chunkNumber(args[3]);
    const long n = chunkNumber(args[4]);
    if (s < 0 || d < 0 || n < 0) return kExitUsage;
    void* buffer = MemAlloc(kCopyBufferBytes);
    const int ok = PoolEditor().CopyChunkRun(args[0].c_str(), args[1].c_str(), static_cast<int>(s),
                                             static_cast<int>(d), static_cast<int>(n), buffer,
                                             buffer ? kCopyBufferBytes : 0);
    MemFree(buffer);
    return ok ? kExitOk : kExitFailed;
}

int ExtractChunk(const Arguments& args) {
    if (args.size() != 3) return kExitUsage;
    const long n = chunkNumber(args[1]);
    if (n < 0) return kExitUsage;
    std::vector<uint8_t> data;
    {
        OpenPool pool(args[0]);
        PoolEntry entry;
        if (!pool.ok() || !locate(pool.handle, static_cast<int>(n), &entry)) return kExitFailed;
        data.resize(entry.dataLength);
        if (Files().Read(data.data(), 1, data.size(), pool.handle) != data.size()) {
            return Failed(kErrRead, "Pool Entry NOT AVAILABLE");
        }
    }
    return WriteWholeFile(args[2], data) ? kExitOk : kExitFailed;
}
