#include "engine/audio/sound_result.h"

#include <cstdio>

namespace {

struct ResultText {
    int32_t result;
    const char* text;
};

constexpr ResultText kTexts[] = {
    {kSoundAllocated, "Resources were already being used by another caller.\n"},
    {kSoundControlUnavailable, "The control (vol,pan,etc.)is not available.\n"},
    {kSoundInvalidParameter, "Invalid Parameter!\n"},
    {kSoundInvalidCall, "This call is not valid!\n"},
    {kSoundPriorityNeeded, "Priority level required!\n"},
    {kSoundOutOfMemory, "Out of memory!\n"},
    {kSoundBadFormat, "This WAVE format is not supported!\n"},
    {kSoundUnsupported, "Function Not Supported!!!\n"},
    {kSoundNoDriver, "No available sound driver!\n"},
    {kSoundAlreadyInitialised, "Object is already initialized!\n"},
    {kSoundNoAggregation, "Object does not support aggregation!\n"},
    {kSoundBufferLost, "Buffer lost!\n"},
    {kSoundOtherAppHasPriority, "Another app has a higher priority level!\n"},
    {kSoundUninitialised, "Dircect Sound Object not initialized!\n"},
};

}  // namespace

void SoundResultText(int32_t result, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return;
    for (const ResultText& entry : kTexts) {
        if (entry.result == result) {
            std::snprintf(out, outSize, "%s", entry.text);
            return;
        }
    }
    std::snprintf(out, outSize, "Unknown Errorcode!!: %x\n", static_cast<unsigned>(result));
}
