#pragma once
// The drawing layer: the page the game draws into, its description for direct addressing, the
// box and picture primitives, the 5-6-5 / 5-5-5 colour rules, and presenting a finished page.
// Slots 0 and 1 of the page table stand for the screen (front and back buffer), slots 2 and 3
// are the two system-memory pages the game draws into in turn. The surfaces are made by the
// display object (normhi.h); this module only uses them.

#include <cstddef>
#include <cstdint>

#include "engine/display/page.h"

class NormalWin;

constexpr const char* kSvgaLogName = "SVGAHI.LOG";

// Set up by the display object once its surfaces exist: pixel format detection, flip to the
// desktop surface, the clip rectangle over the whole screen, then the page addresses.
void InitDrawingModule(NormalWin* display);
// The surfaces are about to go: nothing may draw into them any more.
void ForgetPages();
// Forgets the display object as well (its destruction).
void ShutDrawingModule();

// Trace level: 0 off, 1 errors, 10 errors and page addresses; other values read as 0.
void SetSvgaTraceLevel(int level);
int GetSvgaTraceLevel();

// --- Page queries -------------------------------------------------------------------------
// The current DrawTarget: address, width, height and pitch in bytes (any pointer may be null).
void GetPageInfo(uint16_t** address, int* width, int* height, int* pitchBytes);
void GetScreenSize(int* width, int* height, int* pitchBytes);
PageView GetDrawTarget();
int GetDrawPageIndex();
// The slot of the page the last present showed, where presents switch between two draw pages
// (quad buffering); -1 where the game draws into one page only.
int GetShownDrawPage();
void GetSourceOrigin(int* x, int* y);
int GetActivePage();
// A copy of a slot's record; address null for a slot out of range, slot 1 in windowed mode,
// or a slot without a page.
PageRecord GetPageRecord(int slot);
// Makes a page the DrawTarget (ignored for a record without address).
void SetDrawPage(const PageRecord& record);
// Re-reads the page addresses and selects the page to draw into.
void SetPageAdr();
ClipRect GetClipRect();
void SetClipRect(const ClipRect& clip);
// Incremented whenever pages are made or released; code that keeps page addresses compares it.
uint32_t GetPageGeneration();

// --- Colours ------------------------------------------------------------------------------
int GetPixelFormat();
void SetPixelFormat(int bits);
uint16_t ToDisplayColour(uint16_t colour);

// --- Primitives (coordinates on the DrawTarget, clipped to the ClipRect) -------------------
// Writes the colour, unconverted, to every pixel of the DrawTarget.
void ClearPage(uint16_t colour);
// Outline with both corners included, each pixel written once.
void DrawRect(int x0, int y0, int x1, int y1, uint16_t colour);
// Rows y0 .. y0 + |y1 - y0| - 1 (at least one), columns x0 .. x1 (x0 + 1 when x0 = x1).
void FillBox(int x0, int y0, int x1, int y1, uint16_t colour);
// Horizontal and vertical lines as the boxes use them; any other line by Bresenham stepping.
void DrawLine(int x0, int y0, int x1, int y1, uint16_t colour);

// Copies a clipped area (width at least 4, height at least 1) into a picture buffer of
// bufferBytes bytes and writes its clipped size into the header. 0 (and a 0 × 0 header when
// the header fits) when the buffer is too small for the area.
int GrabPicture(uint16_t* buffer, std::size_t bufferBytes, int x, int y, int w, int h);
// Draws a picture with its top-left at (x, y), skipping 0 pixels. 1 when anything was
// processed. Pictures narrower than 4 pixels or whose size exceeds their data are refused.
int DrawPicture(PictureView picture, int x, int y);
int DrawPicture(const uint16_t* picture, std::size_t pictureBytes, int x, int y);
// Draws a picture opaquely; nothing when the visible width is 4 pixels or less.
void CopyPicture(PictureView picture, int x, int y);
void CopyPicture(const uint16_t* picture, std::size_t pictureBytes, int x, int y);

// --- Presenting ---------------------------------------------------------------------------
// Shows the draw page on a 16-bit display and draws into the other system page from now on.
void PresentPage();
// The same for a 5-5-5 display: the page is converted on the way to the screen.
void PresentPage15();
void FlipOnly();
void FlipToGDI();
// Blits and flips finish before the call that starts them returns; these never wait.
void WaitBlitDone(int slot);
void WaitFlipDone();
void TouchBackBuffer();

// Converts a whole 5-6-5 page into a 5-5-5 page of the same size (the present conversion).
void ConvertPageTo555(const PageView& source, const PageView& destination);
