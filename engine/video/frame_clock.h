#pragma once
// Waiting for a frame's time on the engine's performance counter. On a virtual counter the
// wait moves the counter on to that time (virtual time passes while one waits); on the real
// one it sleeps, never longer than a second per call.

#include <cstdint>

uint64_t FrameClockNow();
uint64_t FrameClockFrequency();
void WaitForFrameClock(uint64_t due);
// A short pause of an idle loop (10 ms of real or virtual time).
void IdleFrameClock();
