#include "engine/display/screenshot.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/display/svgahi.h"
#include "engine/resources/bmp.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"

int SaveScreenshot(const char* fileName) {
    const PageView page = GetDrawTarget();
    if (!page.pixels || !fileName) {
        SetErrorCode(kErrGeneral);
        return 0;
    }
    std::vector<uint16_t> area(static_cast<std::size_t>(kScreenshotWidth) * kScreenshotHeight, 0);
    const int width = std::min(page.width, kScreenshotWidth);
    const int height = std::min(page.height, kScreenshotHeight);
    for (int y = 0; y < height; ++y) {
        std::copy_n(page.Row(y), width,
                    area.begin() + static_cast<std::ptrdiff_t>(y) * kScreenshotWidth);
    }
    const std::vector<uint8_t> file = EncodeBmp24(area.data(), kScreenshotWidth, kScreenshotHeight);
    FileHandle handle = Files().Open(fileName, "wb");
    if (!handle) return 0;
    const std::size_t written = Files().Write(file.data(), 1, file.size(), handle);
    Files().Close(handle);
    if (written != file.size()) {
        SetErrorCode(kErrWrite);
        return 0;
    }
    return 1;
}
