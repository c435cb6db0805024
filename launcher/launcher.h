#pragma once
// The launcher: one window showing the title picture with three picture buttons and the title
// tune. The first button starts the German game build, the second the English one, the third
// quits. One row (a button with its caption) is highlighted: the pointer over a button, the
// Up and Down keys (a game controller's d-pad and stick arrive as those) move the highlight,
// Enter starts the highlighted row. Everything here is free of any window system; the host below
// supplies the window, the buttons, the bitmap loader, the tune and the process start.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/platform/image_reader.h"
#include "launcher/caption_font.h"

constexpr int kButtonGerman = 201;
constexpr int kButtonEnglish = 202;
constexpr int kButtonQuit = 203;
constexpr int kButtonCount = 3;
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 46;
constexpr int kButtonStep = 49;
// A row is the icon and its caption to the right, one button for the pointer. The artwork puts
// each caption 50 pixels right of the icon's left edge (where the launcher's own captions go
// too) in letters 16 pixels wide, the longest ("Beenden / Quit") 14 of them, on a dark panel
// that ends just beyond it. The row reaches 15 such letters past the caption's start: the
// whole caption with a letter to spare, still inside the panel; as tall as the icon, so the
// 3 pixels between two rows belong to neither.
constexpr int kCaptionOffset = 50;
constexpr int kCaptionColumnWidth = 15 * 16;
constexpr int kRowWidth = kCaptionOffset + kCaptionColumnWidth;
constexpr int kRowHeight = kButtonHeight;
constexpr int kInitialWindowSize = 10;

constexpr const char* kLauncherTitle = "RAVEZ LENSQUEST  ";
constexpr const char* kBackgroundName = "IMAGES\\BACK.BMP";
constexpr const char* kButtonFaceName = "IMAGES\\B1.BMP";
constexpr const char* kSpareFaceName = "IMAGES\\B2.BMP";
constexpr const char* kTitleTuneName = "WAVES\\MAIN.WAV";
constexpr const char* kGermanGame = "game_de";
constexpr const char* kEnglishGame = "game_uk";
constexpr uint16_t kCaptionColor = 0xFFE0;  // yellow: red 255, green 255, blue 0

// A bitmap loaded from a BMP file, in RGB565.
struct LauncherBitmap {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    bool loaded() const { return !pixels.empty(); }
};

struct LauncherButton {
    bool created = false;  // a button whose creation failed keeps no position
    int x = 0;
    int y = 0;
    const LauncherBitmap* face = nullptr;
};

// What the launcher needs from the window system.
class LauncherHost {
  public:
    virtual ~LauncherHost() = default;
    virtual bool createWindow(const char* title, int x, int y, int width, int height) = 0;
    virtual void showWindow() = 0;
    virtual void screenSize(int* width, int* height) = 0;
    virtual void placeWindow(int x, int y, int width, int height) = 0;
    virtual void clientSize(int* width, int* height) = 0;
    virtual bool createButton(int id, int x, int y, int width, int height) = 0;
    virtual void invalidate() = 0;
    // The window system's bitmap loader: a BMP file's bytes as a picture; false, with the
    // reason, for a file it cannot read.
    virtual bool readImage(std::span<const uint8_t> file, platform::Image* image,
                           std::string* reason) = 0;
    // Plays a WAV file once without waiting; 0 when it cannot be opened.
    virtual unsigned openTune(const std::string& path) = 0;
    virtual void closeTune(unsigned tune) = 0;
    virtual bool startProgram(const char* name) = 0;
};

struct Launcher {
    LauncherBitmap background;
    LauncherBitmap buttonFace;  // the face of all three buttons
    LauncherBitmap spareFace;   // loaded with the others, drawn by no button
    LauncherButton buttons[kButtonCount];
    char captions[kButtonCount][31] = {" ", " ", " "};
    unsigned tune = 0;
    int highlighted = 0;  // the row drawn with a frame, 0 … kButtonCount - 1
    bool soundOn = true;
    bool ending = false;
};

// The folder the launcher's pictures and tune are read from (empty: the working directory),
// and a file of it by its DOS name.
void SetLauncherDataFolder(const std::string& folder);
std::string LauncherDataPath(const char* dosName);

// Left edge of the button column for a client area of the given width.
int ButtonColumnX(int clientWidth);

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// The window sized to the picture and centred on the screen; a picture larger than the screen
// keeps its top-left corner on the screen.
WindowPlacement CentredWindow(int screenWidth, int screenHeight, int pictureWidth,
                              int pictureHeight);

// Loads a BMP by its DOS name through the host's bitmap loader; on failure says
// "LOAD_BITMAP_ERROR: <name>" in the INFO box (and, for a file the loader refuses, its reason
// on stderr) and leaves the bitmap empty.
bool LoadLauncherBitmap(LauncherHost* host, const char* dosName, LauncherBitmap* bitmap);

// Start-up up to the message loop. False when the window cannot be created (after saying so).
bool StartLauncher(Launcher* launcher, LauncherHost* host);
// Places the three buttons from the window's client width.
void LayoutButtons(Launcher* launcher, LauncherHost* host);

// Draws the window's content: the background, the button faces, the captions and a frame
// around the highlighted row.
void PaintLauncher(const Launcher& launcher, const LauncherPage& page);
// The identifier of the button whose row (icon and caption, kRowWidth × kRowHeight) holds a
// client position, 0 for none.
int ButtonAt(const Launcher& launcher, int x, int y);

// Moves the highlight to the next button that exists, `step` rows down (up when negative); it
// stays at the first and the last. True when it moved.
bool MoveHighlight(Launcher* launcher, int step);
// Highlights the row of a button by its identifier; true when the highlight moved.
bool HighlightButton(Launcher* launcher, int id);
// The identifier of the highlighted button, 0 when that button does not exist.
int HighlightedButton(const Launcher& launcher);

// Carries out a button's command.
void LauncherCommand(Launcher* launcher, LauncherHost* host, int id);
// The window is going away: the message loop ends after this.
void LauncherDestroyed(Launcher* launcher);
// Releases the bitmaps and stops the tune.
void ReleaseLauncher(Launcher* launcher, LauncherHost* host);
