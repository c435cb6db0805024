#pragma once
// The accounting allocator behind every large buffer of the game. A block for n bytes is n + 4
// bytes long, zero-filled, and starts with its own size; the caller gets the address behind it.

#include <cstdint>

constexpr const char* kMemoryLogName = "memory.log";

// n zeroed bytes, or null (error 4 for n = 0, error 5 when the heap is exhausted).
void* MemAlloc(uint32_t n);
// Null is ignored.
void MemFree(void* p);
// Reports what is still allocated, then switches trace off and warnings on.
void MemShutdown();

void SetMemoryLimit(uint32_t limit);
void SetMemoryTrace(int on);
void SetMemoryWarnings(int on);
int GetMemoryTrace();

// Sum of the sizes of all live blocks, headers included.
uint32_t MemAllocatedBytes();
// Bytes the caller may use in a block from MemAlloc (its size less the header).
uint32_t MemBlockSize(const void* p);
