#include "game/ui/modal_box.h"

#include <memory>

#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/input/input.h"
#include "engine/platform/window_messages.h"
#include "game/asset_table.h"
#include "game/state/frame_values.h"
#include "game/ui/hotspots.h"
#include "game/ui/runtime.h"
#include "game/ui/scene.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr int kLines = 6;

struct BoxButton {
    int picture;
    int dx;  // offset from the box's corner
    int dy;
    const char* name;  // what a script clicks
    int result;
};

struct BoxKind {
    int picture;
    int buttons;
    BoxButton button[2];
};

// Button places follow the layout the pictures were made for: their offset from the box's
// own place in that layout.
constexpr BoxButton Button(int picture, int boxPicture, const char* name, int result) {
    const assets::Picture* b = assets::FindLocationPicture(picture);
    const assets::Picture* box = assets::FindLocationPicture(boxPicture);
    return {picture, b->x - box->x, b->y - box->y, name, result};
}

constexpr BoxKind kMessage = {assets::kPicMessageBox,
                              1,
                              {Button(assets::kPicMessageOk, assets::kPicMessageBox, "ok", 1), {}}};
constexpr BoxKind kConfirm = {assets::kPicConfirmBox,
                              2,
                              {Button(assets::kPicConfirmYes, assets::kPicConfirmBox, "yes", 1),
                               Button(assets::kPicConfirmNo, assets::kPicConfirmBox, "no", 0)}};
// The enquiry box closes with the small back button in its top-right corner.
constexpr BoxKind kEnquiry = {
    assets::kPicEnquiryBox, 1, {{assets::kPicBack, 320 - 44 - 6, 6, "ok", 1}, {}}};

std::vector<std::string> gOpened;
std::unique_ptr<uint16_t[]> gGrey;  // the grey copy; present while a box is open

int runBox(const BoxKind& kind, int x, int y, const char* const (&lines)[kLines]) {
    const NestedLoop nested;
    gOpened.emplace_back(lines[0] ? lines[0] : "");
    FrameValues& f = frameValues();
    Runtime& rt = runtime();
    if (!rt.display) return 0;  // nothing to show it on, nobody to answer

    // The press that opened the box is not a click on it.
    f.buttonWasDown = f.buttonDown;
    int result = -1;
    bool first = true;
    while (result < 0) {
        if (!pumpTurn()) {
            result = 0;
            break;
        }
        KeyRecord key;
        MouseRecord mouse;
        pollKeys(&key);
        pollMouse(&mouse);
        f.keyCode = key.key;
        const PageView page = scenePage();
        if (first) {
            gGrey = std::make_unique<uint16_t[]>(kScreenWidth * kScreenHeight);
            greyCopy(page, gGrey.get(), kScreenWidth, kScreenHeight);
            first = false;
        }
        drawCopy(page, {gGrey.get(), kScreenWidth, kScreenHeight, kScreenWidth}, 0, 0);
        f.mouseX = mouse.x;
        f.mouseY = mouse.y;
        f.buttonDown = mouse.left != 0;
        f.clicked = f.buttonDown && !f.buttonWasDown;

        drawKeyed(page, locationPicture(kind.picture), x, y);
        for (int i = 0; i < kind.buttons; ++i) {
            const BoxButton& b = kind.button[i];
            const PicView picture = locationPicture(b.picture);
            if (!picture) continue;
            const int bx = x + b.dx;
            const int by = y + b.dy;
            registerHotspot(bx, by, picture.width, picture.height, b.name);
            const bool inside = cursorIn(bx, by, picture.width, picture.height);
            if (inside) {
                drawKeyed(page, picture, bx, by);
            } else {
                drawFaded(page, picture, bx, by);
            }
            if (inside && f.clicked && result < 0) {
                playClick();
                result = b.result;
            }
        }
        for (int k = 0; k < kLines; ++k) {
            if (!lines[k] || !*lines[k]) continue;
            const int ty = y + 10 + 15 * k;
            PrintText(x + 11, ty + 1, 0, kTransparentBackground, "%s", lines[k]);
            PrintText(x + 12, ty + 2, 0, kTransparentBackground, "%s", lines[k]);
            PrintText(x + 10, ty, 0xFFFF, kTransparentBackground, "%s", lines[k]);
        }
        presentFrame();
        f.buttonWasDown = f.buttonDown;
        if (f.keyCode == 27 && result < 0) result = 0;
        // Backspace (a game controller's B) answers with the last button: ok for a message,
        // no for a question, close for the enquiry. It ends nothing else, unlike Esc.
        if (f.keyCode == platform::kVkBack && result < 0) {
            result = kind.button[kind.buttons - 1].result;
        }
    }
    gGrey.reset();
    f.clicked = 0;
    f.frameEndCounter = turnCounter();
    return result;
}

}  // namespace

void messageBox(int x, int y, const char* line1, const char* line2, const char* line3,
                const char* line4, const char* line5, const char* line6) {
    const char* const lines[kLines] = {line1, line2, line3, line4, line5, line6};
    runBox(kMessage, x, y, lines);
}

int confirmBox(int x, int y, const char* line1, const char* line2) {
    const char* const lines[kLines] = {line1, line2, "", "", "", ""};
    return runBox(kConfirm, x, y, lines);
}

void enquiryBox(int x, int y, const char* line1, const char* line2, const char* line3,
                const char* line4) {
    const char* const lines[kLines] = {line1, line2, line3, line4, "", ""};
    runBox(kEnquiry, x, y, lines);
}

const std::vector<std::string>& openedBoxes() {
    return gOpened;
}
