#include "engine/memory/memory.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "engine/base/messages.h"

namespace {

constexpr uint32_t kHeaderBytes = 4;

uint32_t allocatedBytes = 0;
uint32_t memoryLimit = 0;
int memoryTrace = 0;
int memoryWarnings = 1;

unsigned long addressValue(const void* p) {
    return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(p));
}

}  // namespace

void* MemAlloc(uint32_t n) {
    if (n == 0) {
        SetErrorCode(kErrNullPointer);
        return nullptr;
    }
    if (n > UINT32_MAX - kHeaderBytes) {
        SetErrorCode(kErrNoMemory);
        return nullptr;
    }
    const uint32_t blockSize = n + kHeaderBytes;
    if (memoryLimit != 0 && uint64_t{allocatedBytes} + blockSize >= memoryLimit && memoryWarnings) {
        WinInfoMsg("Memory Limit exceeded with %lu byte!",
                   static_cast<unsigned long>(uint64_t{allocatedBytes} + blockSize - memoryLimit));
    }

    // The heap's out-of-memory handler gets its chance to free memory before giving up.
    void* block = nullptr;
    for (;;) {
        block = std::malloc(blockSize);
        if (block) break;
        std::new_handler handler = std::get_new_handler();
        if (!handler) break;
        try {
            handler();
        } catch (...) {
            break;
        }
    }
    if (!block) {
        SetErrorCode(kErrNoMemory);
        return nullptr;
    }
    if (memoryTrace)
        AppendToLog(kMemoryLogName, " %lu byte allocated at %lx \n ",
                    static_cast<unsigned long>(blockSize), addressValue(block));
    std::memset(block, 0, blockSize);
    std::memcpy(block, &blockSize, kHeaderBytes);
    allocatedBytes += blockSize;
    return static_cast<uint8_t*>(block) + kHeaderBytes;
}

void MemFree(void* p) {
    if (!p) return;
    uint8_t* block = static_cast<uint8_t*>(p) - kHeaderBytes;
    uint32_t blockSize;
    std::memcpy(&blockSize, block, kHeaderBytes);
    allocatedBytes -= blockSize;
    if ((allocatedBytes & 0x80000000u) && memoryWarnings) {
        WinInfoMsg("Too much memory freed ptr:%lx size: %lu", addressValue(block),
                   static_cast<unsigned long>(blockSize));
    }
    if (memoryTrace)
        AppendToLog(kMemoryLogName, " %lu byte freed at %lx \n ",
                    static_cast<unsigned long>(blockSize), addressValue(block));
    std::free(block);
}

void MemShutdown() {
    if (allocatedBytes != 0 && memoryWarnings) {
        WinInfoMsg("There are still %lu byte of memory allocated!",
                   static_cast<unsigned long>(allocatedBytes));
    }
    memoryTrace = 0;
    memoryWarnings = 1;
}

void SetMemoryLimit(uint32_t limit) {
    memoryLimit = limit;
}
void SetMemoryTrace(int on) {
    memoryTrace = on;
}
void SetMemoryWarnings(int on) {
    memoryWarnings = on;
}
int GetMemoryTrace() {
    return memoryTrace;
}
uint32_t MemAllocatedBytes() {
    return allocatedBytes;
}

uint32_t MemBlockSize(const void* p) {
    if (!p) return 0;
    uint32_t blockSize;
    std::memcpy(&blockSize, static_cast<const uint8_t*>(p) - kHeaderBytes, kHeaderBytes);
    return blockSize - kHeaderBytes;
}
