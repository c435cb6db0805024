// Page table, DrawTarget, clip rectangle, pixel format and presenting.
#include "engine/display/svgahi.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

#include "engine/base/messages.h"
#include "engine/display/normhi.h"
#include "engine/display/row_ops.h"
#include "engine/display/svgahi_state.h"

SvgaState svga;

void SvgaTrace(int level, const char* format, ...) {
    if (svga.traceLevel < level) return;
    char line[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    AppendToLog(kSvgaLogName, "%s", line);
}

namespace {

unsigned TraceAddress(const void* p) {
    return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p));
}

PageTable* Table() {
    return svga.display ? &svga.display->Pages() : nullptr;
}

PageView ViewOf(const PageRecord& record) {
    PageView view;
    view.pixels = record.address;
    view.width = record.width;
    view.height = record.height;
    view.pitch = std::max<int>(record.pitch / 2, record.width);
    return view;
}

// The page the game draws into in this buffering mode and window mode.
int DrawSlot(const PageTable& table) {
    if (table.bufferingMode == kBufferingQuad) return table.drawPageIndex;
    return table.windowed ? 0 : 1;
}

// The slot that stands for what the screen shows next.
int ScreenSlot(const PageTable& table) {
    return table.windowed ? 0 : 1;
}

void ShowSlot(PageTable& table, int slot, platform::PixelLayout layout) {
    const Surface& surface = table.surfaces[slot];
    if (!surface.pixels() || !svga.display) return;
    svga.display->Backend().present(surface.pixels(), surface.width, surface.height, surface.pitch,
                                    layout);
}

// Front and back buffer trade places, as a flip does.
void Flip(PageTable& table, platform::PixelLayout layout) {
    if (table.windowed) return;
    ShowSlot(table, 1, layout);
    std::swap(table.surfaces[0], table.surfaces[1]);
}

platform::PixelLayout ScreenLayout() {
    return svga.display && svga.display->DisplayPixelFormat() == 15 ? platform::PixelLayout::Rgb555
                                                                    : platform::PixelLayout::Rgb565;
}

// Hands the draw page and the part of the screen slot it covers at the window offset to
// blockOp(target, target pitch, source, source pitch, width, height).
template <typename BlockOp>
void PageToScreen(PageTable& table, BlockOp blockOp) {
    const Surface& source = table.surfaces[table.drawPageIndex];
    const Surface& target = table.surfaces[ScreenSlot(table)];
    if (!source.pixels() || !target.pixels()) return;
    const int x = table.offsetX;
    const int y = table.offsetY;
    const int width = std::min(source.width, target.width - x);
    const int height = std::min(source.height, target.height - y);
    blockOp(target.pixels() + static_cast<std::ptrdiff_t>(y) * target.pitch + x, target.pitch,
            source.pixels(), source.pitch, width, height);
}

// The plain copy of the draw page into the screen slot, as one block when both are contiguous.
void PageCopyToScreen(PageTable& table) {
    PageToScreen(table, rowops::CopyRows);
}

// The draw page converted row by row into the 15-bit screen slot.
void PageTo555Screen(PageTable& table) {
    PageToScreen(table, [](uint16_t* target, int targetPitch, const uint16_t* source,
                           int sourcePitch, int width, int height) {
        for (int row = 0; row < height; ++row) {
            rowops::To555(target + static_cast<std::ptrdiff_t>(row) * targetPitch,
                          source + static_cast<std::ptrdiff_t>(row) * sourcePitch, width);
        }
    });
}

}  // namespace

void InitDrawingModule(NormalWin* display) {
    svga.display = display;
    ++svga.generation;
    // The pixel format comes from the screen; the drawing rules follow it until the game
    // sets its own value.
    const int detected = display->Backend().pixelFormat();
    display->SetDisplayPixelFormat(detected == 15 ? 15 : 16);
    svga.pixelFormat = detected == 15 ? 15 : 16;
    SvgaTrace(1, "Pixelformat: %d (svgahi) \n ", svga.pixelFormat);
    FlipToGDI();
    const PageTable& table = display->Pages();
    svga.clip = {0, static_cast<int16_t>(table.records[0].width), 0,
                 static_cast<int16_t>(table.records[0].height)};
}

void ForgetPages() {
    svga.target = PageView{};
    ++svga.generation;
}

void ShutDrawingModule() {
    ForgetPages();
    svga.display = nullptr;
}

void SetSvgaTraceLevel(int level) {
    svga.traceLevel = (level == 1 || level == 10) ? level : 0;
}

int GetSvgaTraceLevel() {
    return svga.traceLevel;
}

uint32_t GetPageGeneration() {
    return svga.generation;
}

void GetPageInfo(uint16_t** address, int* width, int* height, int* pitchBytes) {
    if (address) *address = svga.target.pixels;
    GetScreenSize(width, height, pitchBytes);
}

void GetScreenSize(int* width, int* height, int* pitchBytes) {
    if (width) *width = svga.target.width;
    if (height) *height = svga.target.height;
    if (pitchBytes) *pitchBytes = svga.target.pitch * 2;
}

PageView GetDrawTarget() {
    return svga.target;
}

int GetDrawPageIndex() {
    const PageTable* table = Table();
    return table ? table->drawPageIndex : 2;
}

int GetShownDrawPage() {
    const PageTable* table = Table();
    if (!table || table->bufferingMode != kBufferingQuad) return -1;
    return table->drawPageIndex == 2 ? 3 : 2;
}

void GetSourceOrigin(int* x, int* y) {
    // Presenting always copies from the page's top-left corner.
    if (x) *x = 0;
    if (y) *y = 0;
}

int GetActivePage() {
    const PageTable* table = Table();
    return table ? table->activePage : 0;
}

PageRecord GetPageRecord(int slot) {
    const PageTable* table = Table();
    if (!table || slot < 0 || slot > 3) return PageRecord{};
    PageRecord record = table->records[slot];
    if (slot == 1 && table->windowed) record.address = nullptr;
    return record;
}

void SetDrawPage(const PageRecord& record) {
    if (!record.address) return;
    svga.target = ViewOf(record);
}

ClipRect GetClipRect() {
    return svga.clip;
}

void SetClipRect(const ClipRect& clip) {
    svga.clip = clip;
}

void SetPageAdr() {
    PageTable* table = Table();
    if (!table) return;
    static constexpr const char* kAddressTraces[4] = {
        "Get Primary Surface Adress: %x (svgahi) \n ",
        "Get Secondary Surface Adress: %x (svgahi) \n ",
        "Get Back Page1 Adress: %x (svgahi) \n ",
        "Get Back Page2 Adress: %x (svgahi) \n ",
    };
    const bool quad = table->bufferingMode == kBufferingQuad;
    for (int slot = 0; slot < 4; ++slot) {
        if (slot == 1 && table->windowed) continue;
        if (slot >= 2 && !quad) continue;
        const Surface& surface = table->surfaces[slot];
        PageRecord& record = table->records[slot];
        record.address = surface.pixels();
        if (!record.address) {
            SvgaTrace(1, slot == 0 ? "Primary Surface Not Locked \n "
                                   : "Secondary Surface Not Locked \n ");
            continue;
        }
        record.width = static_cast<uint16_t>(surface.width);
        record.height = static_cast<uint16_t>(surface.height);
        record.pitch = static_cast<uint16_t>(surface.pitch * 2);
        SvgaTrace(10, kAddressTraces[slot], TraceAddress(record.address));
    }
    const int slot = DrawSlot(*table);
    if (!table->records[slot].address) {
        SvgaTrace(1, "NULL PTR in Surface[%d](svgahi::SetPageAdr) \n ", slot);
        return;
    }
    svga.target = ViewOf(table->records[slot]);
}

int GetPixelFormat() {
    return svga.pixelFormat;
}

void SetPixelFormat(int bits) {
    svga.pixelFormat = bits == 15 ? 15 : 16;
}

uint16_t ToDisplayColour(uint16_t colour) {
    if (svga.pixelFormat != 15 || colour == 0 || colour == 0xFFFF) return colour;
    const uint16_t converted = static_cast<uint16_t>((colour & 0x001F) | ((colour >> 1) & 0x7FE0));
    return converted == 0 ? 1 : converted;
}

void ConvertPageTo555(const PageView& source, const PageView& destination) {
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    for (int y = 0; y < height; ++y) rowops::To555(destination.Row(y), source.Row(y), width);
}

void PresentPage() {
    PageTable* table = Table();
    if (!table || !svga.display->HasSurfaces()) return;
    // The back-buffer touch reads the draw page, so it comes before the switch to the other
    // page: afterwards it would put two pixels of an older frame on the screen.
    if (!table->windowed) TouchBackBuffer();
    if (table->bufferingMode == kBufferingQuad) {
        PageCopyToScreen(*table);
        table->drawPageIndex = table->drawPageIndex == 2 ? 3 : 2;
        SetPageAdr();
    }
    if (!table->windowed) {
        Flip(*table, platform::PixelLayout::Rgb565);
    } else {
        ShowSlot(*table, 0, platform::PixelLayout::Rgb565);
    }
    SetPageAdr();
}

void PresentPage15() {
    PageTable* table = Table();
    if (!table || !svga.display->HasSurfaces()) return;
    if (table->bufferingMode == kBufferingQuad) {
        PageTo555Screen(*table);
        table->drawPageIndex = table->drawPageIndex == 2 ? 3 : 2;
        SetPageAdr();
    }
    if (!table->windowed) {
        Flip(*table, platform::PixelLayout::Rgb555);
    } else {
        ShowSlot(*table, 0, platform::PixelLayout::Rgb555);
    }
    SetPageAdr();
}

void FlipOnly() {
    PageTable* table = Table();
    if (!table || table->windowed || !svga.display->HasSurfaces()) return;
    Flip(*table, ScreenLayout());
    SetPageAdr();
}

void FlipToGDI() {
    PageTable* table = Table();
    if (!table || !svga.display->HasDevice()) return;
    table->drawPageIndex = 2;
    table->activePage = 0;
    SetPageAdr();
}

void WaitBlitDone(int) {}

void WaitFlipDone() {}

void TouchBackBuffer() {
    PageTable* table = Table();
    if (!table || table->windowed) return;
    const Surface& source = table->surfaces[DrawSlot(*table)];
    const Surface& back = table->surfaces[1];
    if (!source.pixels() || !back.pixels() || source.pixels() == back.pixels()) return;
    const int columns[2] = {0, source.width - 2};
    for (int x : columns) {
        const int tx = x + table->offsetX;
        const int ty = table->offsetY;
        if (x < 0 || x >= source.width || tx < 0 || tx >= back.width || ty >= back.height) continue;
        back.pixels()[static_cast<std::ptrdiff_t>(ty) * back.pitch + tx] = source.pixels()[x];
    }
    SetPageAdr();
}
