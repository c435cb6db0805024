#pragma once
// Result codes of the sound buffers, numbered as the original platform numbered them so that
// the texts the sound manager reports stay those of the original, and their texts.

#include <cstddef>
#include <cstdint>

constexpr int32_t kSoundOk = 0;
constexpr int32_t kSoundAllocated = static_cast<int32_t>(0x8878000Au);
constexpr int32_t kSoundControlUnavailable = static_cast<int32_t>(0x8878001Eu);
constexpr int32_t kSoundInvalidParameter = static_cast<int32_t>(0x80070057u);
constexpr int32_t kSoundInvalidCall = static_cast<int32_t>(0x88780032u);
constexpr int32_t kSoundPriorityNeeded = static_cast<int32_t>(0x88780046u);
constexpr int32_t kSoundOutOfMemory = static_cast<int32_t>(0x8007000Eu);
constexpr int32_t kSoundBadFormat = static_cast<int32_t>(0x88780064u);
constexpr int32_t kSoundUnsupported = static_cast<int32_t>(0x80004001u);
constexpr int32_t kSoundNoDriver = static_cast<int32_t>(0x88780078u);
constexpr int32_t kSoundAlreadyInitialised = static_cast<int32_t>(0x88780082u);
constexpr int32_t kSoundNoAggregation = static_cast<int32_t>(0x80040110u);
constexpr int32_t kSoundBufferLost = static_cast<int32_t>(0x88780096u);
constexpr int32_t kSoundOtherAppHasPriority = static_cast<int32_t>(0x887800A0u);
constexpr int32_t kSoundUninitialised = static_cast<int32_t>(0x887800AAu);

// Writes the text of a result into out ("Unknown Errorcode!!: %x\n" for codes without one).
void SoundResultText(int32_t result, char* out, std::size_t outSize);
