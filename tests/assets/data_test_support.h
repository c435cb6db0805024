#pragma once
// The generated data set as the game sees it: the file manager's search path points at
// build/data, and names are given in the game's own spelling.

#include <cstdint>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/pool/pool.h"
#include "tests/support/test_env.h"

class DataSetTest : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        Files().SetSearchPath(RAVEZ_DATA_DIR "/");
    }
    void TearDown() override {
        ClosePools();
        EngineTest::TearDown();
    }
};

// A decoded pool picture: width, height and RGB565 pixels (the block is freed at once).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    uint16_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline bool LoadPicture(FileHandle pool, int n, Picture* out) {
    uint8_t* block = LoadPoolPicture(pool, n);
    if (!block) return false;
    out->width = block[0] | block[1] << 8;
    out->height = block[2] | block[3] << 8;
    out->pixels.resize(static_cast<size_t>(out->width) * out->height);
    for (size_t k = 0; k < out->pixels.size(); ++k)
        out->pixels[k] = static_cast<uint16_t>(block[4 + 2 * k] | block[5 + 2 * k] << 8);
    MemFree(block);
    return true;
}
