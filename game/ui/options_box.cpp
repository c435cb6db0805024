#include "game/ui/options_box.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <string>

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/input/input.h"
#include "engine/platform/pausable_counter.h"
#include "engine/platform/window_messages.h"
#include "engine/video/movie_player.h"
#include "game/asset_table.h"
#include "game/ui/frame_overlay.h"
#include "game/ui/game_settings.h"
#include "game/ui/handler_chain.h"
#include "game/ui/options_rows.h"
#include "game/ui/runtime.h"
#include "game/ui/scene.h"
#include "game/ui/scene_draw.h"
#include "texts/texts.h"

namespace {

constexpr int kPageWidth = 640;
constexpr int kPageHeight = 480;
constexpr int kBoxWidth = 480;
constexpr int kBoxHeight = 392;
constexpr int kBoxX = (kPageWidth - kBoxWidth) / 2;
constexpr int kBoxY = (kPageHeight - kBoxHeight) / 2;
constexpr int kRowsTop = kBoxY + 40;
constexpr int kRowHeight = 19;
constexpr int kLabelX = kBoxX + 22;
constexpr int kValueX = kBoxX + 200;  // the "<" before the value
constexpr int kValueRight = kBoxX + kBoxWidth - 22;
// How long one wait for the window's messages lasts while nothing changes on the box.
constexpr int kIdleWaitMs = 100;

// --- What the box is doing ----------------------------------------------------------------------

struct Input {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

struct Options {
    bool asked = false;  // F10 came while the box was closed
    bool open = false;
    int opened = 0;
    std::deque<Input> input;  // the box's own keys and buttons, in order
};

Options gOptions;

HandlerChain gChain;

template <uint32_t kMessage>
intptr_t onMessage(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    if (gOptions.open) {
        gOptions.input.push_back({kMessage, wParam, lParam});
        return 0;
    }
    if (kMessage == platform::kWmKeyDown && wParam == platform::kVkF10) {
        gOptions.asked = true;
        return 0;
    }
    return gChain.passOn(kMessage, window, wParam, lParam);
}

// --- Drawing ---------------------------------------------------------------------------------

// The message box's artwork grown to the options' size: its corners as they are, its edges and
// face stretched from a strip at their middle (away from the label in its corner), so that the
// box has the frame and the face of the game's other boxes.
void drawPanel(const PageView& page) {
    const PicView art = locationPicture(assets::kPicMessageBox);
    constexpr int kCorner = 10;
    constexpr int kStrip = 2;
    if (!art || art.width < 3 * kCorner || art.height < 3 * kCorner) {
        FillBox(kBoxX, kBoxY, kBoxX + kBoxWidth - 1, kBoxY + kBoxHeight - 1, 0x2104);
        DrawRect(kBoxX, kBoxY, kBoxX + kBoxWidth - 1, kBoxY + kBoxHeight - 1, 0xFFFF);
        return;
    }
    const int midX = art.width / 2;
    const int midY = art.height / 2;
    const int innerW = kBoxWidth - 2 * kCorner;
    const int innerH = kBoxHeight - 2 * kCorner;
    const int right = kBoxX + kBoxWidth - kCorner;
    const int bottom = kBoxY + kBoxHeight - kCorner;
    const int artRight = art.width - kCorner;
    const int artBottom = art.height - kCorner;
    drawKeyed(page, subPicture(art, 0, 0, kCorner, kCorner), kBoxX, kBoxY);
    drawKeyed(page, subPicture(art, artRight, 0, kCorner, kCorner), right, kBoxY);
    drawKeyed(page, subPicture(art, 0, artBottom, kCorner, kCorner), kBoxX, bottom);
    drawKeyed(page, subPicture(art, artRight, artBottom, kCorner, kCorner), right, bottom);
    drawScaled(page, subPicture(art, midX, 0, kStrip, kCorner), kBoxX + kCorner, kBoxY, innerW,
               kCorner);
    drawScaled(page, subPicture(art, midX, artBottom, kStrip, kCorner), kBoxX + kCorner, bottom,
               innerW, kCorner);
    drawScaled(page, subPicture(art, 0, midY, kCorner, kStrip), kBoxX, kBoxY + kCorner, kCorner,
               innerH);
    drawScaled(page, subPicture(art, artRight, midY, kCorner, kStrip), right, kBoxY + kCorner,
               kCorner, innerH);
    drawScaled(page, subPicture(art, midX, midY, kStrip, kStrip), kBoxX + kCorner, kBoxY + kCorner,
               innerW, innerH);
}

// Text with the dark shadow the game's boxes give their lines.
void shadowedText(int x, int y, uint16_t colour, const std::string& text) {
    PrintText(x + 1, y + 1, 0, kTransparentBackground, "%s", text.c_str());
    PrintText(x + 2, y + 2, 0, kTransparentBackground, "%s", text.c_str());
    PrintText(x, y, colour, kTransparentBackground, "%s", text.c_str());
}

int glyphAdvance() {
    int dx = 0, dy = 0, width = 0, height = 0;
    GetFontInfo(&dx, &dy, &width, &height);
    return std::max(dx, 1);
}

// A folder too long for its line keeps its end, which says the most.
std::string folderLine(const char* format, const std::string& folder) {
    const int room = (kBoxWidth - 44) / glyphAdvance();
    const int fixed = static_cast<int>(std::strlen(format)) - 2;
    std::string shown = folder;
    const int fits = room - fixed;
    if (fits > 3 && static_cast<int>(shown.size()) > fits)
        shown = "..." + shown.substr(shown.size() - static_cast<std::size_t>(fits - 3));
    char line[256];
    std::snprintf(line, sizeof line, format, shown.c_str());
    return line;
}

constexpr uint16_t kHighlight = 0xFFE0;  // yellow, as the game's hover captions

struct Layout {
    int okX = 0, okY = 0, okW = 0, okH = 0;
};

Layout drawBox(const PageView& page, const uint16_t* grey, const GameSettings& s, int current,
               const SettingsHost& host) {
    drawCopy(page, {grey, kPageWidth, kPageHeight, kPageWidth}, 0, 0);
    drawPanel(page);
    const int advance = glyphAdvance();
    const std::string title = txt::kOptionsTitle;
    shadowedText(kBoxX + (kBoxWidth - static_cast<int>(title.size()) * advance) / 2, kBoxY + 14,
                 0xFFFF, title);
    for (int i = 0; i < kOptionRowCount; ++i) {
        const int y = kRowsTop + i * kRowHeight;
        const uint16_t colour = i == current ? kHighlight : 0xFFFF;
        if (i == current) tintBox(page, kBoxX + 14, y - 3, kBoxWidth - 28, kRowHeight - 1, 0);
        shadowedText(kLabelX, y, colour, txt::kOptionNames[i]);
        shadowedText(kValueX, y, colour, "<");
        shadowedText(kValueRight - advance, y, colour, ">");
        const std::string value = kOptionRows[i].value(s);
        shadowedText(kValueX + 2 * advance, y, colour, value);
        if (kOptionRows[i].level != 0) {
            const int level = kOptionRows[i].level == 1 ? s.musicVolume : s.effectsVolume;
            const int barX = kValueX + 6 * advance;
            for (int step = 0; step < 10; ++step) {
                const int x = barX + step * 9;
                if (step < level) {
                    FillBox(x, y + 1, x + 6, y + 8, s.mute ? 0x8410 : colour);
                } else {
                    DrawRect(x, y + 1, x + 6, y + 8, 0x8410);
                }
            }
        }
    }
    int y = kRowsTop + kOptionRowCount * kRowHeight + 4;
    shadowedText(kLabelX, y, 0xFFFF, folderLine(txt::kOptionsSaves, host.savesFolder()));
    y += 15;
    shadowedText(kLabelX, y, 0xFFFF, folderLine(txt::kOptionsPhotos, host.photosFolder()));
    y += 15;
    shadowedText(kLabelX, y, 0xFFFF, folderLine(txt::kOptionsShots, host.screenshotsFolder()));
    y += 17;
    shadowedText(kLabelX, y, 0xC618, txt::kOptionsHint);

    Layout layout;
    const PicView ok = locationPicture(assets::kPicMessageOk);
    if (ok) {
        layout.okW = ok.width;
        layout.okH = ok.height;
        layout.okX = kBoxX + kBoxWidth - 22 - ok.width;
        layout.okY = kBoxY + kBoxHeight - 14 - ok.height;
        const MouseRecord& mouse = mouseRecord();
        const bool inside = mouse.x >= layout.okX && mouse.x < layout.okX + ok.width &&
                            mouse.y >= layout.okY && mouse.y < layout.okY + ok.height;
        if (inside) {
            drawKeyed(page, ok, layout.okX, layout.okY);
        } else {
            drawFaded(page, ok, layout.okX, layout.okY);
        }
    }
    return layout;
}

// The row under a page position, or -1.
int rowAt(int x, int y) {
    if (x < kBoxX + 14 || x >= kBoxX + kBoxWidth - 14 || y < kRowsTop - 3) return -1;
    const int row = (y - (kRowsTop - 3)) / kRowHeight;
    return row < kOptionRowCount ? row : -1;
}

// --- The box's loop ----------------------------------------------------------------------------

void waitForInput(Runtime& rt, bool changed) {
    if (rt.script) {
        // Headless: a turn of the box is a turn of the script, on the face's own clock.
        if (rt.virtualClock) rt.virtualClock->advance(rt.virtualStep);
        rt.script->feed();
    } else if (!changed) {
        platform::WindowEvent event;
        if (rt.display->Backend().waitEvent(&event, kIdleWaitMs))
            rt.display->PostMessage(event.message, event.wParam, event.lParam);
    }
    rt.display->PumpMessages();
}

// Runs the box; the settings are applied as they change.
bool runBox(SettingsHost& host) {
    Runtime& rt = runtime();
    NormalWin& display = *rt.display;
    FrameOverlay overlay;
    if (!overlay || overlay.width() != kPageWidth || overlay.height() != kPageHeight) return true;
    // The frame on the screen, in grey under the box.
    auto grey = std::make_unique<uint16_t[]>(kPageWidth * kPageHeight);
    greyCopy({const_cast<uint16_t*>(overlay.shownFrame()), kPageWidth, kPageHeight, kPageWidth},
             grey.get(), kPageWidth, kPageHeight);

    GameSettings s = host.settings();
    int current = 0;
    bool closing = false;  // asked to close; waits for the button that did it to come up
    bool buttonHeld = false;
    bool goesOn = true;
    bool changed = true;
    int lastX = mouseRecord().x;
    int lastY = mouseRecord().y;
    Layout layout;
    while (true) {
        if (changed) {
            layout = drawBox(scenePage(), grey.get(), s, current, host);
            presentUncounted();
        }
        if (closing && !buttonHeld) break;
        waitForInput(rt, changed);
        if (!display.Backend().hasWindow() || display.QuitRequested()) {
            goesOn = false;
            break;
        }
        changed = mouseRecord().x != lastX || mouseRecord().y != lastY;
        lastX = mouseRecord().x;
        lastY = mouseRecord().y;
        if (changed) layout = drawBox(scenePage(), grey.get(), s, current, host);
        while (!gOptions.input.empty()) {
            const Input in = gOptions.input.front();
            gOptions.input.pop_front();
            changed = true;
            const GameSettings before = s;
            const int x = mouseRecord().x;
            const int y = mouseRecord().y;
            switch (in.message) {
                case platform::kWmKeyDown:
                    switch (in.wParam) {
                        case platform::kVkUp:
                            current = (current + kOptionRowCount - 1) % kOptionRowCount;
                            break;
                        case platform::kVkDown:
                            current = (current + 1) % kOptionRowCount;
                            break;
                        case platform::kVkLeft:
                            kOptionRows[current].step(s, -1);
                            break;
                        case platform::kVkRight:
                        case platform::kVkReturn:
                        case platform::kVkSpace:
                            kOptionRows[current].step(s, 1);
                            break;
                        case platform::kVkF10:
                        case platform::kVkEscape:
                        case platform::kVkBack:
                            closing = true;
                            break;
                        default:
                            break;
                    }
                    break;
                case platform::kWmLButtonDown:
                case platform::kWmLButtonDblClk:
                case platform::kWmRButtonDown: {
                    buttonHeld = true;
                    if (layout.okW > 0 && x >= layout.okX && x < layout.okX + layout.okW &&
                        y >= layout.okY && y < layout.okY + layout.okH) {
                        playClick();
                        closing = true;
                        break;
                    }
                    const int row = rowAt(x, y);
                    if (row < 0) break;
                    current = row;
                    // The "<" and the right button go down, the rest of the row up.
                    const bool down = in.message == platform::kWmRButtonDown ||
                                      (x >= kValueX - 4 && x < kValueX + 2 * glyphAdvance());
                    kOptionRows[row].step(s, down ? -1 : 1);
                    playClick();
                    break;
                }
                case platform::kWmLButtonUp:
                case platform::kWmRButtonUp:
                    buttonHeld = false;
                    break;
                default:
                    break;
            }
            if (!(s == before)) {
                host.apply(s);
                s = host.settings();
            }
        }
    }
    gOptions.input.clear();
    // A file that cannot be written says why on stderr; the settings stay for this run.
    host.save();
    overlay.end(goesOn);
    return goesOn;
}

}  // namespace

void installOptionsHandlers() {
    gOptions = Options{};
    gChain.install({{platform::kWmKeyDown, &onMessage<platform::kWmKeyDown>},
                    {platform::kWmLButtonDown, &onMessage<platform::kWmLButtonDown>},
                    {platform::kWmLButtonUp, &onMessage<platform::kWmLButtonUp>},
                    {platform::kWmLButtonDblClk, &onMessage<platform::kWmLButtonDblClk>},
                    {platform::kWmRButtonDown, &onMessage<platform::kWmRButtonDown>},
                    {platform::kWmRButtonUp, &onMessage<platform::kWmRButtonUp>}});
}

void removeOptionsHandlers() {
    gChain.remove();
}

bool runOptionsIfAsked() {
    if (!gOptions.asked) return true;
    gOptions.asked = false;
    Runtime& rt = runtime();
    SettingsHost* host = settingsHost();
    // Not over a movie: it draws past the page, and Space or Esc already end it.
    if (!host || !rt.display || (rt.movies && rt.movies->IsOpen())) return true;
    gOptions.open = true;
    ++gOptions.opened;
    if (rt.clock) rt.clock->pause();
    // The pointer moves over the box as it does anywhere; what else the moves did to the mouse
    // record (a drag begun, buttons seen) is the box's and is forgotten.
    const MouseRecord mouse = mouseRecord();
    const bool goesOn = runBox(*host);
    const int x = mouseRecord().x;
    const int y = mouseRecord().y;
    mouseRecord() = mouse;
    mouseRecord().x = x;
    mouseRecord().y = y;
    if (rt.clock) rt.clock->resume();
    gOptions.open = false;
    return goesOn;
}

int optionsOpened() {
    return gOptions.opened;
}
