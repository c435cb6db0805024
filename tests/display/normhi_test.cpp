#include <string>
#include <vector>

#include "engine/platform/window_messages.h"
#include "engine/base/messages.h"
#include "tests/support/display_env.h"

namespace {

using namespace platform;

struct Call {
    WindowHandle window;
    uintptr_t wParam;
    intptr_t lParam;
};
std::vector<Call> calls;
std::vector<uint32_t> order;
intptr_t handlerResult = 0;

intptr_t Record(WindowHandle window, uintptr_t wParam, intptr_t lParam) {
    calls.push_back({window, wParam, lParam});
    return handlerResult;
}
intptr_t RecordTimer(WindowHandle, uintptr_t, intptr_t) {
    order.push_back(kWmTimer);
    return 0;
}
intptr_t RecordKey(WindowHandle, uintptr_t wParam, intptr_t) {
    order.push_back(static_cast<uint32_t>(wParam));
    return 0;
}
intptr_t RecordDestroy(WindowHandle, uintptr_t, intptr_t) {
    order.push_back(kWmDestroy);
    return 0;
}

class NormhiTest : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        calls.clear();
        order.clear();
        handlerResult = 0;
    }
    std::string log(const char* name) {
        const std::vector<uint8_t> bytes = readFile(name);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(NormhiTest, HandlerResultDecidesAboutDefaultHandling) {
    open();
    win->RegisterHandler(kWmLButtonDown, Record);
    EXPECT_EQ(win->GetHandler(kWmLButtonDown), &Record);
    const int defaults = win->DefaultProcCalls();
    EXPECT_EQ(win->WindowProc(kWmLButtonDown, 1, MakePointParam(3, 4)), 0);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].window, win->GetWindow());
    EXPECT_EQ(calls[0].wParam, 1u);
    EXPECT_EQ(PointParamX(calls[0].lParam), 3);
    EXPECT_EQ(PointParamY(calls[0].lParam), 4);
    EXPECT_EQ(win->DefaultProcCalls(), defaults + 1);  // 0 lets the default run as well

    handlerResult = 42;
    EXPECT_EQ(win->WindowProc(kWmLButtonDown, 0, 0), 42);
    EXPECT_EQ(win->DefaultProcCalls(), defaults + 1);

    EXPECT_EQ(win->WindowProc(kWmRButtonDown, 0, 0), 0);  // no handler: default only
    EXPECT_EQ(win->DefaultProcCalls(), defaults + 2);
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(NormhiTest, HandlerTableHas2049Slots) {
    win->RegisterHandler(2047, Record);
    win->RegisterHandler(2048, Record);  // ignored
    win->RegisterHandler(0x9000, Record);
    win->RegisterHandler(kHighMessage, Record);
    EXPECT_EQ(win->GetHandler(2047), &Record);
    EXPECT_EQ(win->GetHandler(2048), nullptr);
    EXPECT_EQ(win->GetHandler(0x9000), nullptr);
    EXPECT_EQ(win->GetHandler(kHighMessage), &Record);
    win->WindowProc(kHighMessage, 0, 0);
    win->WindowProc(2048, 0, 0);  // the slot of 0x8000 is reached through 2048 as well
    win->WindowProc(0x9000, 0, 0);
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(NormhiTest, PumpDispatchesEventsAndAPendingTimerTwice) {
    open();
    win->RegisterHandler(kWmTimer, RecordTimer);
    win->RegisterHandler(kWmKeyDown, RecordKey);
    backend.pressKey('A');
    backend.pressKey(kVkEscape);
    clock.advanceMs(1);
    EXPECT_EQ(win->PumpMessages(), 4);  // timer (left in the queue), A, Esc, timer
    EXPECT_EQ(order, (std::vector<uint32_t>{kWmTimer, 'A', kVkEscape, kWmTimer}));
    // Without time passing there is nothing more, and the pump returns.
    EXPECT_EQ(win->PumpMessages(), 0);
    clock.advance(999);
    EXPECT_EQ(win->PumpMessages(), 0);
    clock.advance(1);
    EXPECT_EQ(win->PumpMessages(), 2);
    WindowMessage message;
    EXPECT_FALSE(win->PeekMessage(&message, 0, 0, true));
}

TEST_F(NormhiTest, PeekFiltersAndKeepsUnremovedMessages) {
    open();
    backend.pressKey('B');
    backend.moveMouse(5, 6);
    WindowMessage message;
    ASSERT_TRUE(win->PeekMessage(&message, kWmMouseMove, kWmMouseMove, false));
    EXPECT_EQ(message.message, kWmMouseMove);
    ASSERT_TRUE(win->PeekMessage(&message, 0, 0, true));
    EXPECT_EQ(message.message, kWmKeyDown);
    ASSERT_TRUE(win->PeekMessage(&message, 0, 0, true));
    EXPECT_EQ(message.message, kWmMouseMove);
    EXPECT_FALSE(win->PeekMessage(&message, 0, 0, true));
    win->PostMessage(kWmCommand, 7, 0);
    ASSERT_TRUE(win->PeekMessage(&message, 0, 0, true));
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(NormhiTest, ClosingTheWindowDestroysIt) {
    open();
    win->RegisterHandler(kWmDestroy, RecordDestroy);
    backend.closeWindow();
    win->PumpMessages();
    EXPECT_EQ(order, std::vector<uint32_t>{kWmDestroy});
    EXPECT_EQ(win->GetWindow(), nullptr);
    EXPECT_FALSE(backend.hasWindow());
    EXPECT_FALSE(win->HasDevice());
    EXPECT_EQ(GetDrawTarget().pixels, nullptr);  // nothing draws into released pages
    PresentPage();
}

TEST_F(NormhiTest, GpxModesKeepAtMostAHundred) {
    backend.modes.clear();
    for (int i = 0; i < 150; ++i) {
        backend.modes.push_back(
            {static_cast<uint16_t>(320 + i), 240, static_cast<uint16_t>(i % 5 == 0 ? 32 : 16)});
    }
    const S_GpxModes& sixteen = win->GetGpxModes(nullptr, 16);
    EXPECT_EQ(sixteen.count, 100);
    EXPECT_EQ(win->GpxModesFilter(), 16);
    for (int i = 0; i < sixteen.count; ++i) EXPECT_EQ(sixteen.modes[i].bits, 16);
    EXPECT_EQ(sixteen.modes[0].width, 321);

    const S_GpxModes& all = win->GetGpxModes(nullptr, 0);
    EXPECT_EQ(all.count, 100);
    EXPECT_EQ(all.modes[99].width, 320 + 99);

    backend.modes.resize(3);
    EXPECT_EQ(win->GetGpxModes(nullptr, 32).count, 1);
    EXPECT_EQ(win->GetGpxModes(nullptr, 24).count, 0);

    backend.failListModes = kDisplayGenericError;
    win->GetGpxModes(nullptr, 0);
    EXPECT_STREQ(win->FatalErrorText(), "Error EnumDisplayModes!Generic ERROR!\n");
}

TEST_F(NormhiTest, FailingModeOffersToEndTheProgram) {
    backend.failSetMode = kDisplayInvalidParameter;
    EXPECT_EQ(win->CreateGameWindow("Ravez Lensquest", "Ravez Lensquest", 640, 480, 16, 2),
              nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "ERROR");
    EXPECT_EQ(boxes.shown[0].text,
              "Couldn't set Display Mode! \n Invalid Parameter!!!\n\n End Program ??");
    EXPECT_EQ(boxes.shown[0].buttons, BoxButtons::OkCancel);
    // OK (the default) ends the program: display released, window gone, quit posted.
    int exitCode = -1;
    EXPECT_TRUE(win->QuitRequested(&exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(backend.hasWindow());
    EXPECT_FALSE(backend.deviceOpen);
    EXPECT_STREQ(win->FatalErrorText(), "");
    EXPECT_EQ(GetErrorCode(), kErrGeneral);  // the code stays
    WindowMessage message;
    ASSERT_TRUE(win->PeekMessage(&message, 0, 0, true));
    EXPECT_EQ(message.message, kWmQuit);
}

TEST_F(NormhiTest, CancelKeepsTheProgramRunning) {
    open();
    boxes.shown.clear();
    win->SetFatalError("Something failed \n ");
    // The recording box service answers with the request's default; answer Cancel instead.
    struct CancelBox final : MessageBoxService {
        BoxAnswer show(const MessageBoxRequest& request) override {
            texts.push_back(request.text);
            return BoxAnswer::Cancel;
        }
        std::vector<std::string> texts;
    } cancel;
    setMessageBoxService(&cancel);
    EXPECT_EQ(win->CheckFatalError(), 0);
    setMessageBoxService(&boxes);
    ASSERT_EQ(cancel.texts.size(), 1u);
    EXPECT_EQ(cancel.texts[0], "Something failed \n \n End Program ??");
    EXPECT_NE(win->GetWindow(), nullptr);
    EXPECT_FALSE(win->QuitRequested());
    SetErrorCode(0);
    EXPECT_EQ(win->CheckFatalError(), 0);  // nothing pending: no box
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(NormhiTest, DisplayErrorTexts) {
    char text[96];
    DisplayErrorText(static_cast<int32_t>(0x887601C2u), 0, text, sizeof text);
    EXPECT_STREQ(text, "Surface lost!!!\n");
    DisplayErrorText(static_cast<int32_t>(0x8876026Cu), 0, text, sizeof text);
    EXPECT_STREQ(text, "Devicekontext exists !!!\n");
    // An unknown code shows the system's last error, not the code.
    DisplayErrorText(static_cast<int32_t>(0x88760091u), 0x57, text, sizeof text);
    EXPECT_STREQ(text, "Unknown Errorcode!!: 57\n");
    DisplayErrorText(0, 0x57, text, sizeof text);
    EXPECT_STREQ(text, "");
    DisplayErrorText(5, 0x57, text, sizeof text);
    EXPECT_STREQ(text, "");

    backend.failSetMode = static_cast<int32_t>(0x88760091u);
    backend.systemError = 0x2A;
    win->CreateGameWindow(nullptr, nullptr, 640, 480, 16, 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Couldn't set Display Mode! \n Unknown Errorcode!!: 2a\n\n End Program ??");
}

TEST_F(NormhiTest, MissingWindowAndDeviceAreReported) {
    backend.failCreateWindow = true;
    EXPECT_EQ(win->CreateGameWindow(nullptr, nullptr, 640, 480, 16, 2), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Main Window Init Failed \n \n End Program ??");
    EXPECT_EQ(GetErrorCode(), kErrGeneral);

    SetErrorCode(0);
    EXPECT_EQ(win->SetDirectDrawMode(640, 480, 16, 0, 2), 0);
    EXPECT_STREQ(win->FatalErrorText(), "Direct Draw ERROR!!\n No Main Window initialized! \n ");
    win->CheckFatalError();

    SetErrorCode(0);
    backend.failCreateWindow = false;
    backend.failOpenDevice = kDisplayGenericError;
    boxes.shown.clear();
    EXPECT_EQ(win->CreateGameWindow(nullptr, nullptr, 640, 480, 16, 2), nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text,
              "Direct Draw ERROR!!\n Init Failed (80004005) \n \n End Program ??");
}

TEST_F(NormhiTest, StaleErrorCodeDoesNotStopTheDisplay) {
    open();
    SetErrorCode(kErrOpen);  // left over from a missing file, say
    EXPECT_EQ(win->SetDirectDrawMode(800, 600, 16, 0, 2), 1);
    EXPECT_EQ(GetPageRecord(2).width, 800);
    EXPECT_NE(GetDrawTarget().pixels, nullptr);
    SetErrorCode(0);
}

TEST_F(NormhiTest, TracesGoToNormhiLog) {
    writeFile("NORMHI.LOG", "old");
    win.reset();
    win = std::make_unique<NormalWin>(backend);
    EXPECT_FALSE(fileExists("NORMHI.LOG"));  // construction deletes the old trace
    open();
    EXPECT_FALSE(fileExists("Normhi.log"));
    win->SetTraceLevel(1);
    ASSERT_EQ(win->SetDirectDrawMode(800, 600, 16, 0, 2), 1);
    const std::string text = log("Normhi.log");
    EXPECT_EQ(text.find("SetDirectDrawMode \n ================= \n ReleaseDirectDraw \n "), 0u);
    EXPECT_NE(text.find("Init Back Surface2 Game (Quadbuffering) (normhi) \n "), std::string::npos);
    win->SetTraceLevel(5);
    EXPECT_EQ(win->GetTraceLevel(), 0);
}

TEST_F(NormhiTest, SecondModeReleasesTheFirst) {
    open();
    const uint16_t* before = GetPageRecord(2).address;
    ASSERT_EQ(win->SetDirectDrawMode(1024, 768, 16, 0, 2), 1);
    EXPECT_EQ(backend.setModeCalls, 2);
    EXPECT_EQ(backend.modeWidth, 1024);
    EXPECT_NE(GetPageRecord(2).address, before);
    EXPECT_EQ(GetPageRecord(2).width, 1024);
    // Double buffering: no system pages, drawing goes to the back buffer.
    ASSERT_EQ(win->SetDirectDrawMode(640, 480, 16, 0, kBufferingDouble), 1);
    EXPECT_EQ(GetPageRecord(2).address, nullptr);
    EXPECT_EQ(GetDrawTarget().pixels, GetPageRecord(1).address);
    ClearPage(0x00FF);
    PresentPage();
    EXPECT_EQ(backend.shown[0], 0x00FF);
}

}  // namespace
