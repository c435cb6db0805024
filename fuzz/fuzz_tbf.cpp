// TBF and TPF pictures from arbitrary bytes: the loaded-size query, the file reader into a block
// of exactly that size, the planar reader at a file position, and the run expansion itself.
// Blocks are separate heap allocations so that AddressSanitizer sees any write past them.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/resources/file_manager.h"
#include "engine/resources/image_formats.h"
#include "engine/base/messages.h"
#include "fuzz/fuzz_support.h"

namespace {

constexpr uint32_t kMaxBlock = 64u << 20;  // the loaded-size query caps nothing by itself
constexpr uint32_t kMaxDirectDecode = 1u << 20;

void ReadWholeFile(const char* name) {
    const uint32_t need = LoadedSize(name, kSizeImage);
    if (need == 0 || need > kMaxBlock) return;
    std::unique_ptr<uint8_t[]> block(new uint8_t[need]);
    std::unique_ptr<uint8_t[]> palette(new uint8_t[kPaletteBytes]);
    ReadTbfFile(name, block.get(), need, palette.get());
    ReadTbfFile(name, block.get(), need, nullptr);
}

void ReadPlanar(const char* name) {
    const uint32_t need = LoadedSize(name, kSizeImage);
    if (need == 0 || need > kMaxBlock) return;
    std::unique_ptr<uint8_t[]> block(new uint8_t[need]);
    FileHandle handle = Files().Open(name, "rb");
    if (!handle) return;
    ReadImageAtPosition(handle, block.get(), need, nullptr);
    Files().Close(handle);
}

// The expansion without the header checks in front of it: mode and size from the header
// fields, the data behind the header.
void DecodeDirectly(const char* name, const uint8_t* data, size_t size) {
    if (size < kTbfHeaderBytes) return;
    const TbfHeader header = ParseTbfHeader(data);
    const uint32_t bytes = header.dataSize % kMaxDirectDecode;
    if (bytes == 0) return;
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes]);
    FileHandle handle = Files().Open(name, "rb");
    if (!handle) return;
    Files().Seek(handle, kTbfHeaderBytes, 0);
    DecodePixels(handle, header.compression % 3, bytes, block.get());
    Files().Close(handle);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::QuietEngineOnce();
    if (!fuzz::WriteFuzzInput("fuzz_input.tbf", data, size)) std::abort();
    ReadWholeFile("fuzz_input");
    DecodeDirectly("fuzz_input.tbf", data, size);

    if (size >= 3) {
        std::vector<uint8_t> planar(data, data + size);
        std::memcpy(planar.data(), "TPF", 3);
        if (!fuzz::WriteFuzzInput("fuzz_input.tpf", planar.data(), planar.size())) std::abort();
        ReadPlanar("fuzz_input.tpf");
    }
    SetErrorCode(0);
    return 0;
}
