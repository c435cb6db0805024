#include "game/ui/screenshots.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/display/normhi.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/terminal.h"
#include "engine/platform/text_encoding.h"
#include "engine/platform/window_messages.h"
#include "engine/resources/png_writer.h"
#include "engine/resources/screenshot_folder.h"
#include "game/ui/handler_chain.h"
#include "game/ui/runtime.h"
#include "texts/texts.h"

namespace {

// The frame a screenshot holds: the game's page, as the script's `screenshot` writes it.
constexpr int kShotWidth = 640;
constexpr int kShotHeight = 480;
constexpr uint64_t kNoteSeconds = 2;

struct Shots {
    bool requested = false;
    // Held keys, from their own messages: a held key repeats, and one press is one shot.
    bool f12Down = false;
    bool pDown = false;
    bool ctrlDown = false;
};

struct Note {
    std::string text;    // code page 437, as the font draws it
    uint64_t until = 0;  // engine counter; 0: no note
    // What the note covered at the last present it was drawn in.
    bool drawn = false;
    bool onScreen = false;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::vector<uint16_t> under;
};

Shots gShots;
Note gNote;

HandlerChain gChain;

intptr_t onKeyDown(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    const int key = static_cast<int>(wParam);
    if (key == platform::kVkControl) gShots.ctrlDown = true;
    if (key == platform::kVkF12 || (key == 'P' && gShots.ctrlDown)) {
        bool& down = key == 'P' ? gShots.pDown : gShots.f12Down;
        if (!down) gShots.requested = true;
        down = true;
        return 0;  // no scene sees it
    }
    return gChain.passOn(platform::kWmKeyDown, window, wParam, lParam);
}

intptr_t onKeyUp(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    const int key = static_cast<int>(wParam);
    if (key == platform::kVkControl) gShots.ctrlDown = false;
    if (key == platform::kVkF12) gShots.f12Down = false;
    if (key == 'P') gShots.pDown = false;
    return gChain.passOn(platform::kWmKeyUp, window, wParam, lParam);
}

// Keys let go in another window never send their messages here.
intptr_t onActivate(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    gShots.ctrlDown = gShots.f12Down = gShots.pDown = false;
    return gChain.passOn(platform::kWmActivateApp, window, wParam, lParam);
}

// The font draws code page 437; file names are UTF-8. Letters the code page has are drawn as
// they are, others as '?'.
std::string Cp437Of(const std::string& utf8) {
    static const std::vector<std::string> kHigh = [] {
        std::vector<std::string> table;
        for (int c = 0x80; c <= 0xFF; ++c) {
            table.push_back(platform::Cp437ToUtf8(std::string(1, static_cast<char>(c))));
        }
        return table;
    }();
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += static_cast<char>(byte);
            ++i;
            continue;
        }
        std::size_t length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : 4;
        length = std::min(length, utf8.size() - i);
        const std::string letter = utf8.substr(i, length);
        const auto found = std::find(kHigh.begin(), kHigh.end(), letter);
        out += found == kHigh.end() ? '?' : static_cast<char>(0x80 + (found - kHigh.begin()));
        i += length;
    }
    return out;
}

// The home folder as "~", so that the note names the place in few letters.
std::string ShortPath(const std::string& path) {
    const char* home = std::getenv("HOME");
    const std::size_t length = home ? std::strlen(home) : 0;
    if (length > 1 && path.compare(0, length, home) == 0 &&
        (path.size() == length || path[length] == '/')) {
        return "~" + path.substr(length);
    }
    return path;
}

void showNote(const char* format, const std::string& path) {
    const std::string shown = Cp437Of(ShortPath(path));
    char text[512];
    std::snprintf(text, sizeof text, format, shown.c_str());
    gNote.text = text;
    const platform::PerformanceCounter& counter = platform::performanceCounter();
    gNote.until = counter.now() + kNoteSeconds * counter.frequency();
}

}  // namespace

void installScreenshotHandlers() {
    gShots = Shots{};
    gNote = Note{};
    gChain.install({{platform::kWmKeyDown, &onKeyDown},
                    {platform::kWmKeyUp, &onKeyUp},
                    {platform::kWmActivateApp, &onActivate}});
}

void removeScreenshotHandlers() {
    gChain.remove();
    gShots = Shots{};
    gNote = Note{};
}

void takeRequestedScreenshot() {
    if (!gShots.requested) return;
    gShots.requested = false;
    const PageView page = GetDrawTarget();
    if (!page.pixels) return;
    // The frame as the script's `screenshot` writes it: 640 × 480, black beyond the page.
    std::vector<uint16_t> frame(static_cast<std::size_t>(kShotWidth) * kShotHeight, 0);
    const int width = std::min(page.width, kShotWidth);
    for (int y = 0; y < std::min(page.height, kShotHeight); ++y) {
        std::copy(page.Row(y), page.Row(y) + width,
                  frame.begin() + static_cast<std::ptrdiff_t>(y) * kShotWidth);
    }
    std::string why;
    const std::string png =
        EncodePngRgb565(frame.data(), kShotWidth, kShotHeight, kShotWidth, &why);
    const std::string folder = ScreenshotFolder();
    const std::string path =
        png.empty() ? std::string() : WriteNewScreenshotFile(folder, png, &why);
    if (path.empty()) {
        showNote(txt::kScreenshotFailed, folder);
        char told[512];
        std::snprintf(told, sizeof told, txt::kScreenshotFailed, folder.c_str());
        platform::printToStderr("%s (%s)\n", told, why.c_str());
        return;
    }
    showNote(txt::kScreenshotSaved, path);
}

void drawScreenNote() {
    gNote.drawn = false;
    if (gNote.until == 0) return;
    if (platform::performanceCounter().now() >= gNote.until) {
        gNote.until = 0;
        return;
    }
    const PageView page = GetDrawTarget();
    if (!page.pixels || page.width < 32 || page.height < 32) return;
    int dx = 0;
    int dy = 0;
    int glyphWidth = 0;
    int glyphHeight = 0;
    GetFontInfo(&dx, &dy, &glyphWidth, &glyphHeight);
    dx = std::max(dx, 1);
    // A long path gives up its beginning: the end names the file.
    std::string text = gNote.text;
    const int room = (page.width - 24) / dx;
    if (static_cast<int>(text.size()) > room && room > 3) {
        text = "..." + text.substr(text.size() - static_cast<std::size_t>(room - 3));
    }
    Note& n = gNote;
    n.width = std::min(static_cast<int>(text.size()) * dx + 16, page.width);
    n.height = std::min(std::max(glyphHeight, 8) + 10, page.height);
    n.x = (page.width - n.width) / 2;
    n.y = page.height - n.height - 16;
    n.under.resize(static_cast<std::size_t>(n.width) * n.height);
    for (int row = 0; row < n.height; ++row) {
        std::memcpy(&n.under[static_cast<std::size_t>(row) * n.width], page.Row(n.y + row) + n.x,
                    static_cast<std::size_t>(n.width) * sizeof(uint16_t));
    }
    FillBox(n.x, n.y, n.x + n.width - 1, n.y + n.height - 1, 0x0000);
    DrawRect(n.x, n.y, n.x + n.width - 1, n.y + n.height - 1, 0xFFFF);
    PrintText(n.x + 8, n.y + 5, 0xFFFF, kTransparentBackground, "%s", text.c_str());
    n.drawn = true;
}

void liftScreenNote() {
    Note& n = gNote;
    n.onScreen = n.drawn;
    if (!n.drawn) return;
    const PageView page = GetDrawTarget();
    if (!page.pixels) return;
    for (int row = 0; row < n.height; ++row) {
        std::memcpy(page.Row(n.y + row) + n.x, &n.under[static_cast<std::size_t>(row) * n.width],
                    static_cast<std::size_t>(n.width) * sizeof(uint16_t));
    }
    n.drawn = false;
}

void screenNoteNotShown() {
    gNote.onScreen = false;
}

void removeScreenNote(std::vector<uint16_t>* shown, int width, int height) {
    const Note& n = gNote;
    if (!n.onScreen || n.x + n.width > width || n.y + n.height > height) return;
    for (int row = 0; row < n.height; ++row) {
        std::memcpy(shown->data() + static_cast<std::size_t>(n.y + row) * width + n.x,
                    &n.under[static_cast<std::size_t>(row) * n.width],
                    static_cast<std::size_t>(n.width) * sizeof(uint16_t));
    }
}
