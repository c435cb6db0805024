#pragma once
// A launcher host that records what the launcher asks of the window system (its bitmaps read
// by the headless face's reader), and a maker for the 24-bit BMP files the launcher loads.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/resources/bmp.h"
#include "launcher/launcher.h"

struct RecordingHost final : LauncherHost {
    bool createWindow(const char* title, int x, int y, int width, int height) override {
        windowTitle = title;
        windowX = x;
        windowY = y;
        windowWidth = width;
        windowHeight = height;
        return windowWorks;
    }
    void showWindow() override { shown = true; }
    void screenSize(int* width, int* height) override {
        *width = screenWidth;
        *height = screenHeight;
    }
    void placeWindow(int x, int y, int width, int height) override {
        ++placements;
        windowX = x;
        windowY = y;
        windowWidth = width;
        windowHeight = height;
    }
    void clientSize(int* width, int* height) override {
        *width = windowWidth;
        *height = windowHeight;
    }
    bool createButton(int id, int x, int y, int, int) override {
        buttonCalls.push_back({id, x, y});
        return id != failingButton;
    }
    void invalidate() override { ++invalidations; }
    bool readImage(std::span<const uint8_t> file, platform::Image* image,
                   std::string* reason) override {
        return images.read(file, image, reason);
    }
    unsigned openTune(const std::string& path) override {
        tunePaths.push_back(path);
        return tuneWorks ? ++lastTune : 0;
    }
    void closeTune(unsigned tune) override { closedTunes.push_back(tune); }
    bool startProgram(const char* name) override {
        started.push_back(name);
        return true;
    }

    struct ButtonCall {
        int id, x, y;
    };
    platform::HeadlessImageReader images;
    bool windowWorks = true;
    bool tuneWorks = true;
    int failingButton = 0;
    int screenWidth = 1024;
    int screenHeight = 768;
    std::string windowTitle;
    int windowX = -1, windowY = -1, windowWidth = 0, windowHeight = 0;
    bool shown = false;
    int placements = 0;
    int invalidations = 0;
    unsigned lastTune = 0;
    std::vector<ButtonCall> buttonCalls;
    std::vector<std::string> tunePaths;
    std::vector<unsigned> closedTunes;
    std::vector<std::string> started;
};

// A BMP of one colour with a marker colour in its top-left pixel.
inline std::vector<uint8_t> SolidBmp(int width, int height, uint16_t color, uint16_t corner) {
    std::vector<uint16_t> pixels(static_cast<std::size_t>(width * height), color);
    pixels[0] = corner;
    return EncodeBmp24(pixels.data(), width, height);
}
