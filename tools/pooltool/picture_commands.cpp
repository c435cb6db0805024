// Picture conversions: a pool picture out as a 24-bit BMP, any BMP in as a TBF file.
#include <cstring>

#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/platform/sdl/sdl_image_reader.h"
#include "engine/resources/bmp.h"
#include "engine/resources/image_formats.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"
#include "tools/pooltool/commands.h"
#include "tools/pooltool/tool_io.h"

namespace {

// The depth of the picture stored at entry n, 0 when there is none.
// The colour depth of picture n as stored; -1 when the pool has no entry n, 0 when the entry
// is no picture.
int storedDepth(FileHandle pool, int n) {
    PoolEntry entry;
    uint8_t raw[kTbfHeaderBytes];
    if (!LocatePoolEntry(pool, n, &entry) || entry.selected != n) return -1;
    if (entry.dataLength < kTbfHeaderBytes ||
        Files().Read(raw, 1, sizeof raw, pool) != sizeof raw) {
        return 0;
    }
    return TbfDepth(ParseTbfHeader(raw).depth);
}

}  // namespace

int ExportPicture(const Arguments& args) {
    if (args.size() != 3) return kExitUsage;
    const std::optional<long> n = ParseNumber(args[1], 0, kMaxPoolChunks);
    if (!n) return kExitUsage;
    FileHandle pool = Files().Open(args[0].c_str(), "rb");
    if (!pool) return Failed(kErrOpen, "pool could not be opened");
    if (PoolEditor().ReadPoolHeader(pool) < 0) {
        Files().Close(pool);
        return kExitFailed;
    }
    const int entry = static_cast<int>(*n);
    const int depth = storedDepth(pool, entry);
    uint8_t* block = depth == 16 ? LoadPoolPicture(pool, entry) : nullptr;
    Files().Close(pool);
    if (depth < 0) return Failed(kErrRead, "Pool Entry NOT AVAILABLE");
    if (depth != 16) return Failed(kErrFormat, "not a 16-bit picture");
    if (!block) return kExitFailed;

    uint16_t size[2];
    std::memcpy(size, block, sizeof size);
    std::vector<uint16_t> pixels(std::size_t{size[0]} * size[1]);
    std::memcpy(pixels.data(), block + kImageHeaderBytes, pixels.size() * 2);
    MemFree(block);
    return WriteWholeFile(args[2], EncodeBmp24(pixels.data(), size[0], size[1])) ? kExitOk
                                                                                 : kExitFailed;
}

int ConvertBmpToTbf(const Arguments& args) {
    long mode = kTbfWordRuns;
    Arguments names;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--mode") {
            if (i + 1 >= args.size()) return kExitUsage;
            const std::optional<long> value = ParseNumber(args[++i], 0, 2);
            if (!value) return kExitUsage;
            mode = *value;
        } else {
            names.push_back(args[i]);
        }
    }
    if (names.size() != 2) return kExitUsage;

    std::vector<uint8_t> bmp;
    if (!ReadWholeFile(names[0], bmp)) return kExitFailed;
    // Whatever kind of BMP another program wrote: SDL reads them as the window system does.
    platform::SdlImageReader reader;
    platform::Image picture;
    std::string reason;
    if (!reader.read(bmp, &picture, &reason)) {
        return FailedLine("cannot read " + names[0] + " as a BMP: " + reason);
    }
    const std::vector<uint8_t> tbf =
        EncodeTbf(picture.pixels.data(), static_cast<uint16_t>(picture.width),
                  static_cast<uint16_t>(picture.height), static_cast<int>(mode));
    return WriteWholeFile(names[1], tbf) ? kExitOk : kExitFailed;
}
