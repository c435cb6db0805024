#include "launcher/launcher.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/base/dos_path.h"
#include "engine/base/messages.h"

namespace {

std::string gDataFolder;

}  // namespace

void SetLauncherDataFolder(const std::string& folder) {
    gDataFolder = folder;
    if (!gDataFolder.empty() && gDataFolder.back() != '/') gDataFolder += '/';
}

std::string LauncherDataPath(const char* dosName) {
    return ResolveDosPath(gDataFolder + dosName);
}

int ButtonColumnX(int clientWidth) {
    return ((11 * (clientWidth / 20)) & ~1) - 310;
}

WindowPlacement CentredWindow(int screenWidth, int screenHeight, int pictureWidth,
                              int pictureHeight) {
    WindowPlacement placement;
    placement.width = pictureWidth;
    placement.height = pictureHeight;
    // Halves by a shift, as the window has always been placed; a picture larger than the
    // screen would otherwise push the buttons at its top off the screen.
    placement.x = std::max(0, (screenWidth >> 1) - (pictureWidth >> 1));
    placement.y = std::max(0, (screenHeight >> 1) - (pictureHeight >> 1));
    return placement;
}

bool LoadLauncherBitmap(LauncherHost* host, const char* dosName, LauncherBitmap* bitmap) {
    *bitmap = LauncherBitmap{};
    std::ifstream in(LauncherDataPath(dosName), std::ios::binary);
    std::vector<uint8_t> file;
    if (in) file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    platform::Image image;
    bool read = false;
    if (in) {
        std::string reason;
        read = host->readImage(file, &image, &reason);
        // The box is the one a missing file gets; what is wrong with the file goes to stderr.
        if (!read) std::fprintf(stderr, "launcher: %s: %s\n", dosName, reason.c_str());
    }
    if (!read) {
        WinInfoMsg("LOAD_BITMAP_ERROR: %s", dosName);
        return false;
    }
    bitmap->width = image.width;
    bitmap->height = image.height;
    bitmap->pixels = std::move(image.pixels);
    return true;
}

bool StartLauncher(Launcher* launcher, LauncherHost* host) {
    if (!host->createWindow(kLauncherTitle, 0, 0, kInitialWindowSize, kInitialWindowSize)) {
        WinInfoMsg("Window Creation FAILED");
        return false;
    }
    host->showWindow();

    // The start-up step shared with the game removes the display log of an earlier run.
    std::remove(ResolveDosPath("SVGAHI.LOG").c_str());

    if (LoadLauncherBitmap(host, kBackgroundName, &launcher->background)) {
        int screenWidth = 0;
        int screenHeight = 0;
        host->screenSize(&screenWidth, &screenHeight);
        const WindowPlacement placement = CentredWindow(
            screenWidth, screenHeight, launcher->background.width, launcher->background.height);
        host->placeWindow(placement.x, placement.y, placement.width, placement.height);
        host->invalidate();
    }

    LoadLauncherBitmap(host, kButtonFaceName, &launcher->buttonFace);
    LoadLauncherBitmap(host, kSpareFaceName, &launcher->spareFace);

    LayoutButtons(launcher, host);
    host->invalidate();

    if (launcher->soundOn) {
        if (launcher->tune != 0) host->closeTune(launcher->tune);
        launcher->tune = host->openTune(LauncherDataPath(kTitleTuneName));
    }
    return true;
}

void LayoutButtons(Launcher* launcher, LauncherHost* host) {
    int clientWidth = 0;
    int clientHeight = 0;
    host->clientSize(&clientWidth, &clientHeight);
    const int x = ButtonColumnX(clientWidth);
    int y = 0;
    for (int i = 0; i < kButtonCount; ++i, y += kButtonStep) {
        LauncherButton& button = launcher->buttons[i];
        button = LauncherButton{};
        if (!host->createButton(kButtonGerman + i, x, y, kButtonWidth, kButtonHeight)) continue;
        button.created = true;
        button.x = x;
        button.y = y;
        button.face = &launcher->buttonFace;
    }
    // The highlight stays on a button that exists.
    if (HighlightedButton(*launcher) == 0 && !MoveHighlight(launcher, 1))
        MoveHighlight(launcher, -1);
}

namespace {

// Source copy of a bitmap with its top-left corner at (x, y), clipped to the rectangle
// (clipX, clipY, clipWidth, clipHeight) and to the page.
void CopyBitmap(const LauncherPage& page, const LauncherBitmap& bitmap, int x, int y, int clipX,
                int clipY, int clipWidth, int clipHeight) {
    const int left = std::max({x, clipX, 0});
    const int top = std::max({y, clipY, 0});
    const int right = std::min({x + bitmap.width, clipX + clipWidth, page.width});
    const int bottom = std::min({y + bitmap.height, clipY + clipHeight, page.height});
    if (left >= right || top >= bottom) return;
    for (int row = top; row < bottom; ++row) {
        const uint16_t* from =
            bitmap.pixels.data() + static_cast<std::ptrdiff_t>(row - y) * bitmap.width + (left - x);
        std::copy(from, from + (right - left),
                  page.pixels + static_cast<std::ptrdiff_t>(row) * page.pitch + left);
    }
}

void FillClipped(const LauncherPage& page, int x, int y, int width, int height, uint16_t color) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, page.width);
    const int bottom = std::min(y + height, page.height);
    for (int row = top; row < bottom; ++row) {
        uint16_t* line = page.pixels + static_cast<std::ptrdiff_t>(row) * page.pitch;
        std::fill(line + left, line + std::max(left, right), color);
    }
}

// Two pixels wide, just outside the row, so the row's own pixels stay as they are; where that
// would leave the window (the top row touches its top edge) the frame moves in, so all four
// sides show.
constexpr int kHighlightWidth = 2;

void DrawHighlight(const Launcher& launcher, const LauncherPage& page) {
    if (HighlightedButton(launcher) == 0) return;
    const LauncherButton& button = launcher.buttons[launcher.highlighted];
    const int left = std::max(button.x - kHighlightWidth, 0);
    const int top = std::max(button.y - kHighlightWidth, 0);
    const int right = std::min(button.x + kRowWidth + kHighlightWidth, page.width);
    const int bottom = std::min(button.y + kRowHeight + kHighlightWidth, page.height);
    const int w = right - left;
    const int h = bottom - top;
    if (w < 2 * kHighlightWidth || h < 2 * kHighlightWidth) return;
    FillClipped(page, left, top, w, kHighlightWidth, kCaptionColor);
    FillClipped(page, left, bottom - kHighlightWidth, w, kHighlightWidth, kCaptionColor);
    FillClipped(page, left, top, kHighlightWidth, h, kCaptionColor);
    FillClipped(page, right - kHighlightWidth, top, kHighlightWidth, h, kCaptionColor);
}

}  // namespace

void PaintLauncher(const Launcher& launcher, const LauncherPage& page) {
    std::fill(page.pixels, page.pixels + static_cast<std::ptrdiff_t>(page.height) * page.pitch,
              uint16_t{0});  // the black class brush
    if (launcher.background.loaded())
        CopyBitmap(page, launcher.background, 0, 0, 0, 0, page.width, page.height);
    for (int i = 0; i < kButtonCount; ++i) {
        const LauncherButton& button = launcher.buttons[i];
        if (button.created)
            DrawCaption(page, button.x + kCaptionOffset, button.y + 13, launcher.captions[i],
                        kCaptionColor);
    }
    // The buttons draw themselves over the window, then put their caption beside them.
    for (int i = 0; i < kButtonCount; ++i) {
        const LauncherButton& button = launcher.buttons[i];
        if (!button.created) continue;
        if (button.face && button.face->loaded())
            CopyBitmap(page, *button.face, button.x, button.y, button.x, button.y, kButtonWidth,
                       kButtonHeight);
        DrawCaption(page, button.x + 44, button.y + 13, launcher.captions[i], kCaptionColor);
    }
    DrawHighlight(launcher, page);
}

int ButtonAt(const Launcher& launcher, int x, int y) {
    for (int i = 0; i < kButtonCount; ++i) {
        const LauncherButton& button = launcher.buttons[i];
        if (button.created && x >= button.x && x < button.x + kRowWidth && y >= button.y &&
            y < button.y + kRowHeight)
            return kButtonGerman + i;
    }
    return 0;
}

bool MoveHighlight(Launcher* launcher, int step) {
    const int direction = step < 0 ? -1 : 1;
    int row = launcher->highlighted;
    for (int left = std::abs(step); left > 0; --left) {
        int next = row + direction;
        while (next >= 0 && next < kButtonCount && !launcher->buttons[next].created)
            next += direction;
        if (next < 0 || next >= kButtonCount) break;
        row = next;
    }
    if (row == launcher->highlighted) return false;
    launcher->highlighted = row;
    return true;
}

bool HighlightButton(Launcher* launcher, int id) {
    const int row = id - kButtonGerman;
    if (row < 0 || row >= kButtonCount || row == launcher->highlighted) return false;
    launcher->highlighted = row;
    return true;
}

int HighlightedButton(const Launcher& launcher) {
    const int row = launcher.highlighted;
    if (row < 0 || row >= kButtonCount || !launcher.buttons[row].created) return 0;
    return kButtonGerman + row;
}

void LauncherCommand(Launcher* launcher, LauncherHost* host, int id) {
    switch (id) {
        case kButtonGerman:
        case kButtonEnglish:
            if (launcher->tune != 0) {
                host->closeTune(launcher->tune);
                launcher->tune = 0;
            }
            // A build that cannot be started leaves the launcher as it is; the reason goes to
            // stderr from the start routine.
            host->startProgram(id == kButtonGerman ? kGermanGame : kEnglishGame);
            break;
        case kButtonQuit:
            LauncherDestroyed(launcher);
            break;
        default:
            break;
    }
}

void LauncherDestroyed(Launcher* launcher) {
    launcher->ending = true;
}

void ReleaseLauncher(Launcher* launcher, LauncherHost* host) {
    // Each bitmap is released once, however many buttons show it.
    for (LauncherButton& button : launcher->buttons) button.face = nullptr;
    launcher->buttonFace = LauncherBitmap{};
    launcher->spareFace = LauncherBitmap{};
    launcher->background = LauncherBitmap{};
    if (launcher->tune != 0) {
        host->closeTune(launcher->tune);
        launcher->tune = 0;
    }
}
