#include <vector>

#include "engine/input/input.h"
#include "engine/input/pointer.h"
#include "engine/platform/window_messages.h"
#include "tests/support/display_env.h"

namespace {

using namespace platform;

class InputTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        open();
        installInputHandlers();
    }

    // One frame of the main loop's input work: pump, poll keys, poll mouse, derive the click.
    void frame() {
        win->PumpMessages();
        pollKeys(&key);
        pollMouse(&mouse);
        const int buttonDown = mouse.left != 0;
        clicked = buttonDown && !buttonWasDown;
        buttonWasDown = buttonDown;
    }

    KeyRecord key;
    MouseRecord mouse;
    int clicked = 0;
    int buttonWasDown = 0;
};

TEST_F(InputTest, PressAndReleaseWithinOneFrameIsOneClick) {
    backend.pressButton(0);
    backend.releaseButton(0);
    frame();
    EXPECT_EQ(mouse.left, 1);
    EXPECT_EQ(clicked, 1);
    frame();
    EXPECT_EQ(mouse.left, 0);
    EXPECT_EQ(clicked, 0);
}

TEST_F(InputTest, HoldingTheButtonClicksOnlyInTheFirstFrame) {
    backend.pressButton(0);
    frame();
    EXPECT_EQ(clicked, 1);
    frame();
    EXPECT_EQ(mouse.left, 256);
    EXPECT_EQ(clicked, 0);
    frame();
    EXPECT_EQ(clicked, 0);
    backend.releaseButton(0);
    frame();
    EXPECT_EQ(mouse.left, 256);  // the copy is taken before the refresh
    frame();
    EXPECT_EQ(mouse.left, 0);
}

TEST_F(InputTest, SwappedButtonsPollThePhysicalRightAsLeft) {
    backend.swapButtons = true;
    backend.pressButton(1);  // physical right: the system's left button
    frame();
    EXPECT_EQ(mouse.left, 1);
    frame();
    EXPECT_EQ(mouse.left, 256);
    EXPECT_EQ(mouse.right, 0);
    backend.releaseButton(1);
    backend.pressButton(0);
    frame();
    frame();
    EXPECT_EQ(mouse.left, 0);
    EXPECT_EQ(mouse.right, 256);
}

TEST_F(InputTest, KeysAreReportedOnceWithTheLastCode) {
    backend.pressKey('A');
    backend.pressKey('S');
    frame();
    EXPECT_EQ(key.key, 'S');
    frame();
    EXPECT_EQ(key.key, 0);
    backend.pressKey(kVkShift);
    backend.pressKey(kVkCapital);
    backend.pressKey(kVkEscape);
    frame();
    EXPECT_EQ(key.key, kVkEscape);
    EXPECT_EQ(key.shift, 1);
    EXPECT_EQ(key.ctrl, 0);
    EXPECT_EQ(key.alt, 0);
    EXPECT_EQ(key.capsLock, 1);
}

TEST_F(InputTest, MovesPositionsAndDrags) {
    backend.moveMouse(100, 50);
    frame();
    EXPECT_EQ(mouse.x, 100);
    EXPECT_EQ(mouse.y, 50);
    EXPECT_EQ(mouse.dragStartX, -1);
    backend.pressButton(0);
    backend.moveMouse(110, 55);
    frame();
    EXPECT_EQ(mouse.dragStartX, 110);
    EXPECT_EQ(mouse.dragStartY, 55);
    EXPECT_EQ(mouse.dragging, 0);
    backend.moveMouse(120, 60);
    frame();
    EXPECT_EQ(mouse.dragging, 1);
    EXPECT_EQ(mouse.dragStartX, 110);
    backend.releaseButton(0);
    backend.moveMouse(130, 60);
    frame();
    EXPECT_EQ(mouse.dragging, 0);
    EXPECT_EQ(mouse.dragStartX, -1);
    // Positions are signed: a move left of the page arrives as a negative x.
    win->WindowProc(kWmMouseMove, 0, MakePointParam(-3, 7));
    EXPECT_EQ(mouseRecord().x, -3);
    // Shift held during a drag does not end it.
    backend.pressButton(0);
    win->WindowProc(kWmMouseMove, kMkLButton | kMkShift, MakePointParam(1, 1));
    win->WindowProc(kWmMouseMove, kMkLButton | kMkShift, MakePointParam(2, 1));
    EXPECT_EQ(mouseRecord().dragging, 1);
}

TEST_F(InputTest, AMoveWithTwoButtonsHeldIsNoDragAndClearsTheButtons) {
    win->WindowProc(kWmMouseMove, kMkLButton, MakePointParam(10, 20));
    win->WindowProc(kWmMouseMove, kMkLButton, MakePointParam(30, 40));
    ASSERT_EQ(mouseRecord().dragging, 1);
    win->WindowProc(kWmLButtonDown, kMkLButton, MakePointParam(30, 40));
    win->WindowProc(kWmRButtonDown, kMkLButton | kMkRButton, MakePointParam(30, 40));
    win->WindowProc(kWmMouseMove, kMkLButton | kMkRButton, MakePointParam(35, 45));
    const MouseRecord& m = mouseRecord();
    EXPECT_EQ(m.dragging, 0);
    EXPECT_EQ(m.dragStartX, -1);
    EXPECT_EQ(m.dragStartY, -1);
    EXPECT_EQ(m.left, 0);
    EXPECT_EQ(m.right, 0);
    EXPECT_EQ(m.x, 35);
    EXPECT_EQ(m.y, 45);
    // One button again: the drag starts afresh where that move happened.
    win->WindowProc(kWmMouseMove, kMkRButton, MakePointParam(50, 60));
    EXPECT_EQ(m.dragStartX, 50);
    EXPECT_EQ(m.dragStartY, 60);
    EXPECT_EQ(m.dragging, 0);
}

TEST_F(InputTest, DoubleClickAndRightButton) {
    backend.pressButton(0);
    backend.releaseButton(0);
    backend.pressButton(0, true);
    backend.releaseButton(0);
    backend.pressButton(1);
    backend.releaseButton(1);
    frame();
    EXPECT_EQ(mouse.doubleClick, 1);
    EXPECT_EQ(mouse.right, 1);
    frame();
    EXPECT_EQ(mouse.doubleClick, 0);
    EXPECT_EQ(mouse.right, 0);
}

TEST_F(InputTest, PointerSavesAndRestoresTheBackground) {
    std::vector<uint16_t> arrow{6, 4};
    for (int i = 0; i < 24; ++i) arrow.push_back(i % 3 == 0 ? 0 : 0xFFFF);
    setPointerPicture(arrow.data(), arrow.size() * 2);
    ASSERT_TRUE(pointerState().enabled);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) setPixel(x, y, static_cast<uint16_t>(x ^ (y << 5)));
    }
    const PageView page = GetDrawTarget();
    const std::vector<uint16_t> before(page.pixels, page.pixels + page.pitch * page.height);

    setPointerPosition(200, 100);
    EXPECT_EQ(backend.pointerX, 200);
    showPointer();
    EXPECT_EQ(pixel(201, 100), 0xFFFF);
    EXPECT_EQ(pixel(200, 100), 200 ^ (100 << 5));  // transparent pixel of the picture
    hidePointer();
    EXPECT_EQ(std::vector<uint16_t>(page.pixels, page.pixels + page.pitch * page.height), before);

    // At the right edge only two columns are visible; they are restored all the same.
    setPointerPosition(638, 10);
    showPointer();
    EXPECT_EQ(pixel(639, 10), 0xFFFF);
    hidePointer();
    EXPECT_EQ(std::vector<uint16_t>(page.pixels, page.pixels + page.pitch * page.height), before);

    // Moving a shown pointer redraws it at the new place.
    showPointer();
    backend.moveMouse(300, 300);
    win->PumpMessages();
    EXPECT_EQ(pixel(639, 10), before[10 * page.pitch + 639]);
    EXPECT_EQ(pixel(301, 300), 0xFFFF);
    hidePointer();
    EXPECT_EQ(std::vector<uint16_t>(page.pixels, page.pixels + page.pitch * page.height), before);
}

TEST_F(InputTest, PointerSurvivesAModeChange) {
    std::vector<uint16_t> block{8, 8};
    block.resize(2 + 64, 0x7777);
    setPointerPicture(block.data(), block.size() * 2);
    showPointer();
    ASSERT_EQ(win->SetDirectDrawMode(800, 600, 16, 0, kBufferingQuad), 1);
    ClearPage(0x0101);
    hidePointer();  // the saved page is gone: nothing is written anywhere
    EXPECT_EQ(count(0x0101), 800 * 600);
    // A picture whose header promises more than its buffer is refused.
    block[1] = 9;
    setPointerPicture(block.data(), block.size() * 2);
    EXPECT_FALSE(pointerState().enabled);
    showPointer();
    EXPECT_EQ(count(0x0101), 800 * 600);
}

TEST_F(InputTest, SystemPointerAndAnimation) {
    hideSystemPointer();
    EXPECT_FALSE(backend.systemPointerVisible);
    backend.systemPointerVisible = true;
    hideSystemPointer();  // only once
    EXPECT_TRUE(backend.systemPointerVisible);

    setPointerAnimation(2, 4, 2, false);
    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        updatePointer();
        frames.push_back(pointerState().frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{2, 3, 3, 4, 4, 2}));
}

}  // namespace
