#include "engine/display/normhi.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/display/builtin_font.h"
#include "engine/display/svgahi.h"
#include "engine/display/text.h"
#include "engine/platform/message_box.h"
#include "engine/platform/performance_counter.h"
#include "engine/platform/window_messages.h"
#include "engine/base/dos_path.h"
#include "engine/base/messages.h"

namespace {

NormalWin* current = nullptr;

constexpr const char* kDefaultWindowName = "Default Window";
constexpr int kTimerId = 1;

void CopyName(char* destination, const char* source) {
    const char* name = source && *source ? source : kDefaultWindowName;
    std::strncpy(destination, name, kWindowNameBytes);
    destination[kWindowNameBytes] = '\0';
}

struct ErrorEntry {
    uint32_t code;
    const char* text;
};

constexpr ErrorEntry kErrorTexts[] = {
    {0x80004001u, "Function Not Supported!!!\n"},
    {0x80004005u, "Generic ERROR!\n"},
    {0x8007000Eu, "Out Of Memory!!!\n"},
    {0x80070057u, "Invalid Parameter!!!\n"},
    {0x8876006Eu, "Invalid Clip List!!!\n"},
    {0x88760082u, "Invalid Object!!!\n"},
    {0x88760096u, "Invalid Rectangle!!!\n"},
    {0x887600A0u, "Attempt to lock already locked Surface!!!\n"},
    {0x887600B4u, "No Alpha Acceleration Hardware!!!\n"},
    {0x887600CDu, "No Clip List Available!!!\n"},
    {0x887601AEu, "Surface Busy!!!\n"},
    {0x887601B3u, "Attempt to lock Primary Surface!!!\n"},
    {0x887601C2u, "Surface lost!!!\n"},
    {0x8876021Cu, "Was drawing!!!\n"},
    {0x8876023Fu, "No Blitter Hardware!!!\n"},
    {0x88760250u, "Wrong Surface Type!!!\n"},
    {0x8876026Cu, "Devicekontext exists !!!\n"},
};

}  // namespace

void DisplayErrorText(int32_t code, uint32_t lastSystemError, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return;
    out[0] = '\0';
    if (code >= 0) return;
    for (const ErrorEntry& entry : kErrorTexts) {
        if (entry.code == static_cast<uint32_t>(code)) {
            std::snprintf(out, outSize, "%s", entry.text);
            return;
        }
    }
    std::snprintf(out, outSize, "Unknown Errorcode!!: %x\n", lastSystemError);
}

NormalWin* GetNormalWin() {
    return current;
}

NormalWin::NormalWin(platform::DisplayBackend& backend) : backend_(backend) {
    current = this;
    SetFont(BuiltinFontRecord());
    SetCharSpacing(6, 0);
    CopyName(className_, nullptr);
    CopyName(title_, nullptr);
    const std::string oldLog = ResolveDosPath(std::string(GetLogDirectory()) + "NORMHI.LOG");
    std::remove(oldLog.c_str());
    Trace("NormalWin::EnumerateDD  START \n ");
    Trace("NormalWin::EnumerateDD  END \n ");
}

NormalWin::~NormalWin() {
    ReleaseDirectDraw();
    DestroyGameWindow();
    if (current == this) {
        ShutDrawingModule();
        current = nullptr;
    }
}

void NormalWin::Trace(const char* format, ...) {
    if (traceLevel_ == 0) return;
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    AppendToLog(kNormhiLogName, "%s", line);
}

void NormalWin::SetTraceLevel(int level) {
    traceLevel_ = (level == 1 || level == 10) ? level : 0;
}

void NormalWin::SetFatalError(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(fatalText_, sizeof fatalText_, format, args);
    va_end(args);
    SetErrorCode(kErrGeneral);
}

void NormalWin::FailWithCode(const char* text, int32_t code) {
    char detail[96];
    DisplayErrorText(code, backend_.lastSystemError(), detail, sizeof detail);
    SetFatalError("%s%s", text, detail);
}

WindowHandle NormalWin::GetWindow() const {
    return window_ ? const_cast<NormalWin*>(this) : nullptr;
}

WindowHandle NormalWin::CreateGameWindow(const char* className, const char* title, int width,
                                         int height, int bits, int bufferingMode) {
    CopyName(className_, className);
    CopyName(title_, title);
    if (!window_) {
        if (!backend_.createWindow(title_, width, height)) {
            SetFatalError("Main Window Init Failed \n ");
            CheckFatalError();
            return nullptr;
        }
        window_ = true;
    }
    const platform::PerformanceCounter& counter = platform::performanceCounter();
    timerPeriod_ = counter.frequency() / 1000 ? counter.frequency() / 1000 : 1;
    timerLast_ = counter.now();
    timerActive_ = true;

    SetDirectDrawMode(width, height, bits, 0, bufferingMode);
    CheckFatalError();
    return GetWindow();
}

void NormalWin::StopTimer() {
    timerActive_ = false;
}

void NormalWin::DestroyGameWindow() {
    if (!window_) return;
    StopTimer();
    WindowProc(platform::kWmDestroy, 0, 0);
    ReleaseDirectDraw();
    backend_.destroyWindow();
    window_ = false;
}

int NormalWin::InitExclusive() {
    if (!window_) {
        SetFatalError("Direct Draw ERROR!!\n No Main Window initialized! \n ");
        return 0;
    }
    Trace("CreateDirectDraw..START \n ");
    const int32_t result = backend_.openDevice();
    if (result != platform::kDisplayOk) {
        Trace("ERROR \n ");
        Trace("CreateDirectDraw..END \n  ");
        SetFatalError("Direct Draw ERROR!!\n Init Failed (%08lx) \n ",
                      static_cast<unsigned long>(static_cast<uint32_t>(result)));
        return 0;
    }
    device_ = true;
    Trace("OK \n ");
    Trace("Query Interface OK \n ");
    Trace("CreateDirectDraw..END \n  ");
    Trace("Init CooperativeLevel (normhi) \n ");
    return 1;
}

int NormalWin::SetDirectDrawMode(int width, int height, int bits, int windowed, int bufferingMode) {
    Trace("SetDirectDrawMode \n ");
    Trace("================= \n ");
    ReleaseDirectDraw();
    pages_.windowed = windowed != 0;

    int ok = 0;
    // Only a display failure not yet reported stops a new attempt; an unrelated error code
    // left over from elsewhere must not leave the game without pages.
    if (fatalText_[0] == '\0' && InitExclusive()) {
        const int32_t result = backend_.setMode(width, height, bits);
        if (result != platform::kDisplayOk) {
            FailWithCode("Couldn't set Display Mode! \n ", result);
        } else {
            ok = CreateGameSurfaces(width, height, bufferingMode);
        }
    }
    FlipToGDI();
    return ok;
}

namespace {

bool MakeSurface(Surface& surface, int width, int height) {
    const int pitch = (width + 7) & ~7;
    const std::size_t count = static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
    surface.memory.reset(new (std::nothrow) uint16_t[count]());
    if (!surface.memory) return false;
    surface.width = width;
    surface.height = height;
    surface.pitch = pitch;
    return true;
}

}  // namespace

int NormalWin::CreateGameSurfaces(int width, int height, int bufferingMode) {
    pages_.bufferingMode = static_cast<uint8_t>(bufferingMode);
    if (width <= 0 || height <= 0 || width > 0x7FFF || height > 0x7FFF) {
        FailWithCode("Primary Surface Initialization Failed!", platform::kDisplayInvalidParameter);
        return 0;
    }
    Trace("Primary Surface Game: (normhi) \n ");
    bool primary = MakeSurface(pages_.surfaces[0], width, height);
    if (primary && !pages_.windowed) {
        Trace("Get Secondary Surface Game (normhi) \n ");
        primary = MakeSurface(pages_.surfaces[1], width, height);
    }
    if (!primary) {
        FailWithCode("Primary Surface Initialization Failed!", platform::kDisplayOutOfMemory);
        return 0;
    }
    if (pages_.bufferingMode == kBufferingQuad) {
        Trace("Init Back Surface1 Game (Quadbufffering) (normhi) \n ");
        if (!MakeSurface(pages_.surfaces[2], width, height)) {
            FailWithCode("Couldn't get Back Surface_1! \n ", platform::kDisplayOutOfMemory);
            return 0;
        }
        Trace("Init Back Surface2 Game (Quadbuffering) (normhi) \n ");
        if (!MakeSurface(pages_.surfaces[3], width, height)) {
            FailWithCode("Couldn't get Back Surface_2! \n ", platform::kDisplayOutOfMemory);
            return 0;
        }
    }
    for (PageRecord& record : pages_.records) {
        record.width = static_cast<uint16_t>(width);
        record.height = static_cast<uint16_t>(height);
    }
    pages_.offsetX = 0;
    pages_.offsetY = 0;
    Trace("Create Clipper Game (normhi) \n ");
    InitDrawingModule(this);
    return 1;
}

void NormalWin::ReleaseDirectDraw() {
    if (!device_) return;
    Trace("ReleaseDirectDraw \n ");
    Trace("================= \n ");
    ForgetPages();
    if (pages_.bufferingMode == kBufferingWindowed || pages_.bufferingMode == kBufferingQuad) {
        Trace("Release BackPage2 \n ");
        pages_.surfaces[3] = Surface{};
        Trace("Release BackPage1 \n ");
        pages_.surfaces[2] = Surface{};
    }
    Trace("Release ScreenSurface \n ");
    pages_.surfaces[0] = Surface{};
    pages_.surfaces[1] = Surface{};
    Trace("Release ScreenSurface \n ");
    backend_.closeDevice();
    device_ = false;
    for (PageRecord& record : pages_.records) record = PageRecord{};
    pages_.drawPageIndex = 2;
    pages_.activePage = 0;
}

const S_GpxModes& NormalWin::GetGpxModes(WindowHandle, int bitsFilter) {
    Trace("GetGpxModes \n ");
    Trace("================================== \n ");
    modesFilter_ = bitsFilter;
    modes_ = S_GpxModes{};
    Trace("S_GpxModes Set to 0 \n ");
    Trace("Cooperative Level Set \n ");
    // Every mode is looked at, so the enumeration sees as many as the screen offers.
    constexpr int kEnumerated = 1024;
    auto all = std::make_unique<platform::DisplayMode[]>(kEnumerated);
    const int found = backend_.listModes(all.get(), kEnumerated);
    if (found < 0) {
        FailWithCode("Error EnumDisplayModes!", found);
        return modes_;
    }
    for (int i = 0; i < found; ++i) {
        const platform::DisplayMode& mode = all[i];
        if (modes_.count < kMaxGpxModes && (bitsFilter == 0 || bitsFilter == mode.bits)) {
            modes_.modes[modes_.count++] = {mode.width, mode.height, mode.bits};
            Trace("Found Mode %d x %d x %d", mode.width, mode.height, mode.bits);
        }
    }
    Trace("End GetGpxModes \n ");
    return modes_;
}

void NormalWin::RegisterHandler(uint32_t message, MessageHandler handler) {
    if (message < kHandlerSlots - 1) {
        handlers_[message] = handler;
    } else if (message == kHighMessage) {
        handlers_[kHandlerSlots - 1] = handler;
    }
}

MessageHandler NormalWin::GetHandler(uint32_t message) const {
    if (message < kHandlerSlots - 1) return handlers_[message];
    if (message == kHighMessage) return handlers_[kHandlerSlots - 1];
    return nullptr;
}

intptr_t NormalWin::WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    MessageHandler handler = nullptr;
    if (message < kHandlerSlots) {
        handler = handlers_[message];
    } else if (message == kHighMessage) {
        handler = handlers_[kHandlerSlots - 1];
    }
    if (handler) {
        const intptr_t result = handler(GetWindow(), wParam, lParam);
        if (result != 0) return result;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

intptr_t NormalWin::DefaultWindowProc(uint32_t message, uintptr_t, intptr_t) {
    ++defaultCalls_;
    if (message == platform::kWmClose) DestroyGameWindow();
    return 0;
}

namespace {

bool InRange(uint32_t message, uint32_t first, uint32_t last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

}  // namespace

bool NormalWin::PeekMessage(WindowMessage* out, uint32_t first, uint32_t last, bool remove) {
    WindowMessage event;
    while (backend_.pollEvent(&event)) queue_.push_back(event);

    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (!InRange(it->message, first, last)) continue;
        if (out) *out = *it;
        if (remove) queue_.erase(it);
        return true;
    }
    if (quitPending_ && InRange(platform::kWmQuit, first, last)) {
        if (out) *out = {platform::kWmQuit, static_cast<uintptr_t>(quitCode_), 0};
        if (remove) quitPending_ = false;
        return true;
    }
    if (timerActive_ && InRange(platform::kWmTimer, first, last)) {
        const uint64_t now = platform::performanceCounter().now();
        if (now - timerLast_ >= timerPeriod_) {
            if (out) *out = {platform::kWmTimer, static_cast<uintptr_t>(kTimerId), 0};
            if (remove) timerLast_ = now;
            return true;
        }
    }
    return false;
}

void NormalWin::PostMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    queue_.push_back({message, wParam, lParam});
}

void NormalWin::PostQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitPending_ = true;
    quitCode_ = exitCode;
}

bool NormalWin::QuitRequested(int* exitCode) const {
    if (exitCode) *exitCode = quitCode_;
    return quitPosted_;
}

int NormalWin::PumpMessages() {
    int dispatched = 0;
    WindowMessage message;
    if (PeekMessage(&message, platform::kWmTimer, platform::kWmTimer, false)) {
        WindowProc(message.message, message.wParam, message.lParam);
        ++dispatched;
    }
    // A timer is taken once per pump: a handler slower than the period must not keep the
    // pump from returning.
    bool timerTaken = false;
    while (true) {
        bool found = PeekMessage(&message, 0, platform::kWmTimer - 1, true);
        if (!found) found = PeekMessage(&message, platform::kWmTimer + 1, 0xFFFFFFFFu, true);
        if (!found && !timerTaken) {
            found = PeekMessage(&message, platform::kWmTimer, platform::kWmTimer, true);
            timerTaken = found;
        }
        if (!found) break;
        WindowProc(message.message, message.wParam, message.lParam);
        ++dispatched;
    }
    return dispatched;
}

int NormalWin::CheckFatalError() {
    if (fatalText_[0] == '\0' && GetErrorCode() == 0) return 0;
    const std::size_t used = std::strlen(fatalText_);
    std::snprintf(fatalText_ + used, sizeof fatalText_ - used, "%s", "\n End Program ??");
    FlipToGDI();

    platform::MessageBoxRequest box;
    box.caption = "ERROR";
    box.text = fatalText_;
    box.icon = platform::BoxIcon::Error;
    box.buttons = platform::BoxButtons::OkCancel;
    box.defaultAnswer = platform::BoxAnswer::Ok;
    box.owner = GetWindow();
    const platform::BoxAnswer answer = platform::messageBoxService().show(box);

    int end = 0;
    if (window_ && answer == platform::BoxAnswer::Ok) {
        ReleaseDirectDraw();
        DestroyGameWindow();
        PostQuitMessage(0);
        end = 1;
    }
    fatalText_[0] = '\0';
    return end;
}

void NormalWin::InfoMsg(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    FlipToGDI();
    WinInfoMsg("%s", text);
}
