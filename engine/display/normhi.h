#pragma once
// The display window object: the game's one window, its message-handler table and message
// pump, the display mode with its four surfaces, the list of display modes, and the fatal
// display errors that offer to end the program. Everything reaches the screen through a
// display backend (SDL2 or headless).

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "engine/display/page.h"
#include "engine/platform/display_backend.h"

using WindowHandle = void*;
using MessageHandler = intptr_t (*)(WindowHandle window, uintptr_t wParam, intptr_t lParam);
using WindowMessage = platform::WindowEvent;

constexpr const char* kNormhiLogName = "Normhi.log";
constexpr int kHandlerSlots = 2049;
constexpr uint32_t kHighMessage = 0x8000;  // lives in the last slot
constexpr int kMaxGpxModes = 100;
constexpr std::size_t kFatalTextBytes = 256;
constexpr std::size_t kWindowNameBytes = 80;
constexpr uint8_t kBufferingDouble = 0;
constexpr uint8_t kBufferingWindowed = 1;
constexpr uint8_t kBufferingQuad = 2;

#pragma pack(push, 2)
struct S_GpxModes {
    struct Mode {
        uint16_t width;
        uint16_t height;
        uint16_t bits;
    };
    uint16_t count;
    Mode modes[kMaxGpxModes];
};
#pragma pack(pop)
static_assert(sizeof(S_GpxModes) == 602);

// A surface of the page table: plain 16-bit memory.
struct Surface {
    std::unique_ptr<uint16_t[]> memory;
    int width = 0;
    int height = 0;
    int pitch = 0;  // pixels

    uint16_t* pixels() const { return memory.get(); }
    PageView view() const { return {memory.get(), width, height, pitch}; }
};

// Slot 0 front buffer, 1 back buffer, 2 and 3 the system-memory pages.
struct PageTable {
    Surface surfaces[4];
    PageRecord records[4];
    int activePage = 0;
    int drawPageIndex = 2;
    int offsetX = 0;
    int offsetY = 0;
    bool windowed = false;
    uint8_t bufferingMode = kBufferingQuad;
};

// The text of a display failure code ("" for success), with the system's last error value
// for codes the table does not know.
void DisplayErrorText(int32_t code, uint32_t lastSystemError, char* out, std::size_t outSize);

class NormalWin {
  public:
    // Becomes the process-wide display object; installs the built-in font with spacing 6 and
    // deletes an old trace file.
    explicit NormalWin(platform::DisplayBackend& backend);
    ~NormalWin();
    NormalWin(const NormalWin&) = delete;
    NormalWin& operator=(const NormalWin&) = delete;

    // Opens the window (title and class name "Default Window" when absent), starts window
    // timer 1 at 1 ms, sets the display mode and checks for fatal errors. The window handle,
    // or null (a failure is reported through CheckFatalError).
    WindowHandle CreateGameWindow(const char* className, const char* title, int width, int height,
                                  int bits, int bufferingMode);
    void DestroyGameWindow();
    WindowHandle GetWindow() const;

    // Releases the previous mode, then opens the device, sets the mode and makes the
    // surfaces. 1 on success, 0 with the fatal error text set.
    int SetDirectDrawMode(int width, int height, int bits, int windowed, int bufferingMode);
    void ReleaseDirectDraw();
    const S_GpxModes& GetGpxModes(WindowHandle window, int bitsFilter);
    int GpxModesFilter() const { return modesFilter_; }

    // Handler table. Messages from 2048 on, other than 0x8000, are ignored.
    void RegisterHandler(uint32_t message, MessageHandler handler);
    MessageHandler GetHandler(uint32_t message) const;
    // A handler's non-zero result wins; otherwise the default handling runs.
    intptr_t WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
    intptr_t DefaultWindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
    int DefaultProcCalls() const { return defaultCalls_; }

    // The message queue: the backend's events, posted messages, then the quit message, then
    // the timer message when a period has passed. first = last = 0 takes every message.
    bool PeekMessage(WindowMessage* out, uint32_t first, uint32_t last, bool remove);
    void PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
    void PostQuitMessage(int exitCode);
    // The frame's pump: a pending timer message is dispatched without being removed, then
    // every pending message is removed and dispatched. The number dispatched.
    int PumpMessages();
    // True once the quit message was posted (dispatched or not); its exit code.
    bool QuitRequested(int* exitCode = nullptr) const;

    // Shows a pending fatal error (or error code) in an "ERROR" box offering to end the
    // program; OK releases the display, destroys the window and posts the quit message.
    // 1 when the program is to end.
    int CheckFatalError();
    void SetFatalError(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const char* FatalErrorText() const { return fatalText_; }
    // The informational box, shown over the desktop surface.
    void InfoMsg(const char* format, ...) __attribute__((format(printf, 2, 3)));

    void SetTraceLevel(int level);
    int GetTraceLevel() const { return traceLevel_; }

    PageTable& Pages() { return pages_; }
    platform::DisplayBackend& Backend() { return backend_; }
    bool HasDevice() const { return device_; }
    bool HasSurfaces() const { return pages_.surfaces[0].pixels() != nullptr; }
    // The pixel format the screen reported when the surfaces were made (15 or 16).
    int DisplayPixelFormat() const { return displayFormat_; }
    void SetDisplayPixelFormat(int bits) { displayFormat_ = bits; }
    const char* ClassName() const { return className_; }
    const char* Title() const { return title_; }

  private:
    int InitExclusive();
    int CreateGameSurfaces(int width, int height, int bufferingMode);
    void FailWithCode(const char* text, int32_t code);
    void Trace(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void StopTimer();

    platform::DisplayBackend& backend_;
    bool window_ = false;
    bool device_ = false;
    char className_[kWindowNameBytes + 1] = {};
    char title_[kWindowNameBytes + 1] = {};
    char fatalText_[kFatalTextBytes] = {};
    MessageHandler handlers_[kHandlerSlots] = {};
    PageTable pages_;
    S_GpxModes modes_ = {};
    int modesFilter_ = 0;
    int traceLevel_ = 0;
    int displayFormat_ = 16;
    int defaultCalls_ = 0;
    std::deque<WindowMessage> queue_;
    bool quitPosted_ = false;
    bool quitPending_ = false;
    int quitCode_ = 0;
    bool timerActive_ = false;
    uint64_t timerPeriod_ = 0;
    uint64_t timerLast_ = 0;
};

// The process-wide display object, null when there is none.
NormalWin* GetNormalWin();
