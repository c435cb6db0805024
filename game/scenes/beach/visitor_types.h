#pragma once
// The catalogue of beach visitor types: which may appear, their sprites in the visitor pool,
// when and where they may appear and what a photo of them is worth. Rebuilt from constants at
// the start of the loop and of every beach frame, so nothing can leave it changed.

#include <cstdint>

struct VisitorType {
    int32_t available = 0;  // 1: may appear
    int32_t firstSprite = 0;
    int32_t spriteCount = 0;  // poses
    int32_t flags = 0;
    int32_t baseValue = 0;  // weight in a photo's value
};

constexpr int kVisitorTypes = 500;
constexpr int kDrawnVisitorTypes = 60;  // arrivals draw type ids 0..59
constexpr int32_t kVisitorByDay = 1;
constexpr int32_t kVisitorAtNight = 2;
constexpr int32_t kVisitorMembersOnly = 4;  // only on the members-only beaches 2, 4, 7, 8

// Clears every entry and fills the known types.
void rebuildVisitorTypes();
// The entry of a type id; an id outside the catalogue reads as a type that never appears.
const VisitorType& visitorType(int typeId);
