// The game controller in the game's words: stick and d-pad motion of the pointer, the buttons
// as the left mouse button and keys, the right stick as held arrow keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/platform/pad_mapping.h"
#include "engine/platform/window_messages.h"

namespace {

using namespace platform;

constexpr double kReading = 0.01;  // ten milliseconds between readings

struct Held {
    int dx = 0;
    int dy = 0;
    std::vector<PadTransition> transitions;
};

// `readings` readings of the same state, `each` seconds apart.
Held Hold(PadMapping& pad, const PadState& state, int readings, double each = kReading) {
    Held held;
    for (int i = 0; i < readings; ++i) {
        PadOutput out = pad.step(state, each);
        held.dx += out.pointerDx;
        held.dy += out.pointerDy;
        held.transitions.insert(held.transitions.end(), out.transitions.begin(),
                                out.transitions.end());
    }
    return held;
}

TEST(PadMapping, StickMovesThePointerPastTheDeadZoneAlongTheCurveAtTheSetSpeed) {
    struct Row {
        const char* what;
        int x, y, speed;
        bool PadState::*modifier;
        int trigger;
        int minDx, maxDx, minDy, maxDy;  // page pixels after one second
    };
    const Row rows[] = {
        {"centre", 0, 0, 5, nullptr, 0, 0, 0, 0, 0},
        {"inside the dead zone", 7999, 0, 5, nullptr, 0, 0, 0, 0, 0},
        {"inside the dead zone, slanted", -5600, 5600, 10, nullptr, 0, 0, 0, 0, 0},
        {"full right", 32767, 0, 5, nullptr, 0, 399, 400, 0, 0},
        {"full left", -32768, 0, 5, nullptr, 0, -400, -399, 0, 0},
        {"full up, slowest setting", 0, -32768, 1, nullptr, 0, 0, 0, -80, -79},
        {"full down, fastest setting", 0, 32767, 10, nullptr, 0, 0, 0, 799, 800},
        {"the corner is no faster", 32767, 32767, 5, nullptr, 0, 282, 283, 282, 283},
        {"half way: far below half speed", 16384, 0, 5, nullptr, 0, 1, 60, 0, 0},
        {"left shoulder: a quarter", 32767, 0, 5, &PadState::leftShoulder, 0, 99, 100, 0, 0},
        {"right shoulder: a quarter", 32767, 0, 5, &PadState::rightShoulder, 0, 99, 100, 0, 0},
        {"left trigger: a quarter", 32767, 0, 5, nullptr, 32767, 99, 100, 0, 0},
        {"trigger barely touched", 32767, 0, 5, nullptr, 4000, 399, 400, 0, 0},
    };
    for (const Row& row : rows) {
        PadMapping pad(PadTarget::Pointer, PadSettings{row.speed});
        PadState state;
        state.leftX = row.x;
        state.leftY = row.y;
        state.leftTrigger = row.trigger;
        if (row.modifier) state.*row.modifier = true;
        const Held held = Hold(pad, state, 100);
        EXPECT_GE(held.dx, row.minDx) << row.what;
        EXPECT_LE(held.dx, row.maxDx) << row.what;
        EXPECT_GE(held.dy, row.minDy) << row.what;
        EXPECT_LE(held.dy, row.maxDy) << row.what;
        EXPECT_TRUE(held.transitions.empty()) << row.what;
    }
}

TEST(PadMapping, SlowMotionAddsUpItsPartPixelsWhateverTheReadingRate) {
    PadState state;
    state.leftX = 16384;
    state.leftY = -16384;
    state.leftShoulder = true;
    // A thousandth of a second moves a few thousandths of a pixel: kept until they add up.
    PadMapping often;
    const Held fine = Hold(often, state, 2000, 0.001);
    PadMapping seldom;
    const Held coarse = Hold(seldom, state, 20, 0.1);
    EXPECT_GE(fine.dx, 5);
    EXPECT_LE(std::abs(fine.dx - coarse.dx), 1);
    EXPECT_EQ(fine.dx, -fine.dy);
    EXPECT_LE(std::abs(fine.dy - coarse.dy), 1);
    // A stalled frame counts as a short one: no leap across the page.
    PadMapping stalled;
    state.leftShoulder = false;
    state.leftX = 32767;
    state.leftY = 0;
    EXPECT_LE(Hold(stalled, state, 1, 2.0).dx, 40);
}

TEST(PadMapping, DpadStepsThePointerAtOnceAndRepeatsAfterAPause) {
    struct Direction {
        bool PadState::*button;
        int dx, dy;
    };
    const Direction directions[] = {{&PadState::right, 1, 0},
                                    {&PadState::left, -1, 0},
                                    {&PadState::up, 0, -1},
                                    {&PadState::down, 0, 1}};
    struct Row {
        int readings;  // 10 ms apart: held for (readings - 1) × 10 ms
        bool slow;
        int pixels;
    };
    const Row rows[] = {
        {1, false, 4},    // the press
        {30, false, 4},   // 290 ms: not yet repeating
        {33, false, 8},   // 320 ms: the first repeat at 300
        {98, false, 60},  // 970 ms: repeats at 300, 350, ... 950
        {33, true, 2},    // slow motion: a pixel a step
    };
    for (const Direction& direction : directions) {
        for (const Row& row : rows) {
            PadMapping pad;
            PadState state;
            state.*direction.button = true;
            state.leftShoulder = row.slow;
            const Held held = Hold(pad, state, row.readings);
            EXPECT_EQ(held.dx, direction.dx * row.pixels) << row.readings;
            EXPECT_EQ(held.dy, direction.dy * row.pixels) << row.readings;
            EXPECT_TRUE(held.transitions.empty());
            // Let go and pressed again: a step at once.
            Hold(pad, PadState{}, 1);
            const Held again = Hold(pad, state, 1);
            EXPECT_EQ(again.dx + again.dy, (direction.dx + direction.dy) *
                                               (row.slow ? kPadSlowStepPixels : kPadStepPixels));
        }
    }
}

TEST(PadMapping, EachButtonPressIsOneDownAndEachReleaseOneUpAndBIsNeverEscape) {
    struct Row {
        bool PadState::*button;
        PadTarget target;
        PadTransition down, up;
        int heldKey;  // 0: the left mouse button
    };
    const Row rows[] = {
        {&PadState::a, PadTarget::Pointer, {kWmLButtonDown, 0}, {kWmLButtonUp, 0}, 0},
        {&PadState::a, PadTarget::Keys, {kWmKeyDown, kVkReturn}, {kWmKeyUp, kVkReturn}, kVkReturn},
        {&PadState::b, PadTarget::Pointer, {kWmKeyDown, kVkBack}, {kWmKeyUp, kVkBack}, kVkBack},
        {&PadState::b, PadTarget::Keys, {kWmKeyDown, kVkBack}, {kWmKeyUp, kVkBack}, kVkBack},
        {&PadState::back,
         PadTarget::Pointer,
         {kWmKeyDown, kVkSpace},
         {kWmKeyUp, kVkSpace},
         kVkSpace},
        {&PadState::start,
         PadTarget::Pointer,
         {kWmKeyDown, kVkF1 + 9},
         {kWmKeyUp, kVkF1 + 9},
         kVkF1 + 9},
    };
    for (const Row& row : rows) {
        PadMapping pad(row.target);
        PadState state;
        state.*row.button = true;
        const auto held = [&] {
            return row.heldKey == 0 ? pad.leftButtonHeld() : pad.keyHeld(row.heldKey);
        };
        EXPECT_EQ(Hold(pad, state, 50).transitions, std::vector<PadTransition>{row.down});
        EXPECT_TRUE(held());
        EXPECT_FALSE(pad.keyHeld(kVkEscape));
        EXPECT_EQ(Hold(pad, PadState{}, 50).transitions, std::vector<PadTransition>{row.up});
        EXPECT_FALSE(held());
    }

    // Everything at once, then a controller that is gone (a reading with nothing held): no
    // Escape anywhere, and every press let go.
    for (PadTarget target : {PadTarget::Pointer, PadTarget::Keys}) {
        PadMapping pad(target);
        const PadState all{32767, -32768, -32768, 32767, 32767, 32767, true, true,
                           true,  true,   true,   true,  true,  true,  true, true};
        const Held pressed = Hold(pad, all, 60);
        const Held gone = Hold(pad, PadState{}, 1);
        int downs = 0;
        int ups = 0;
        for (const Held* held : {&pressed, &gone}) {
            for (const PadTransition& t : held->transitions) {
                EXPECT_NE(t.virtualKey, kVkEscape);
                downs += t.message == kWmKeyDown || t.message == kWmLButtonDown;
                ups += t.message == kWmKeyUp || t.message == kWmLButtonUp;
            }
        }
        // Four buttons, and the right stick's two arrows or every direction of the d-pad.
        EXPECT_EQ(ups, target == PadTarget::Pointer ? 6 : 8);
        EXPECT_GE(downs, ups);
        EXPECT_FALSE(pad.leftButtonHeld());
        for (int key : {kVkReturn, kVkBack, kVkSpace, kVkLeft, kVkRight, kVkUp, kVkDown})
            EXPECT_FALSE(pad.keyHeld(key)) << key;
    }
}

TEST(PadMapping, RightStickHoldsAnArrowKeyWhileItIsPushed) {
    struct Row {
        int x, y, key;
    };
    const Row rows[] = {
        {20000, 0, kVkRight}, {-20000, 0, kVkLeft}, {0, -20000, kVkUp}, {0, 20000, kVkDown}};
    for (const Row& row : rows) {
        PadMapping pad;
        PadState state;
        state.rightX = row.x;
        state.rightY = row.y;
        const Held pushed = Hold(pad, state, 50);
        EXPECT_EQ(pushed.transitions, (std::vector<PadTransition>{{kWmKeyDown, row.key}}));
        EXPECT_EQ(pushed.dx, 0);
        EXPECT_EQ(pushed.dy, 0);
        EXPECT_TRUE(pad.keyHeld(row.key));
        // Easing back towards the centre keeps the key until the stick is nearly there.
        state.rightX = row.x * 7 / 20;
        state.rightY = row.y * 7 / 20;
        EXPECT_TRUE(Hold(pad, state, 5).transitions.empty());
        EXPECT_EQ(Hold(pad, PadState{}, 5).transitions,
                  (std::vector<PadTransition>{{kWmKeyUp, row.key}}));
        EXPECT_FALSE(pad.keyHeld(row.key));
    }
}

TEST(PadMapping, WorkedWithKeysTheDpadAndLeftStickAreRepeatingArrowKeys) {
    struct Row {
        const char* what;
        PadState state;
        int key;
    };
    PadState dpadDown;
    dpadDown.down = true;
    PadState stickUp;
    stickUp.leftY = -32768;
    PadState stickRight;
    stickRight.leftX = 30000;
    const Row rows[] = {
        {"d-pad down", dpadDown, kVkDown},
        {"left stick up", stickUp, kVkUp},
        {"left stick right", stickRight, kVkRight},
    };
    for (const Row& row : rows) {
        PadMapping pad(PadTarget::Keys);
        const Held held = Hold(pad, row.state, 48);  // 470 ms: repeats at 300 ... 450
        EXPECT_EQ(held.transitions, std::vector<PadTransition>(5, {kWmKeyDown, row.key}))
            << row.what;
        EXPECT_EQ(held.dx, 0);
        EXPECT_EQ(held.dy, 0);
        EXPECT_TRUE(pad.keyHeld(row.key));
        EXPECT_EQ(Hold(pad, PadState{}, 1).transitions,
                  (std::vector<PadTransition>{{kWmKeyUp, row.key}}))
            << row.what;
    }
}

}  // namespace
