#include "tests/e2e/game_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/base/messages.h"
#include "engine/display/builtin_font.h"
#include "engine/resources/file_manager.h"
#include "engine/resources/image_writer.h"
#include "engine/resources/pool/pool_class.h"
#include "game/app/program.h"
#include "game/asset_table.h"

namespace fs = std::filesystem;

namespace {

// A picture of the asset table's size: a solid colour of its own with a dark frame, so that
// hotspots show in screenshots.
std::vector<uint8_t> plainPicture(int number) {
    assets::Size size = assets::LocationPictureSize(number);
    if (size.width == 0) size = {4, 1};
    const auto w = static_cast<uint16_t>(size.width);
    const auto h = static_cast<uint16_t>(size.height);
    const auto colour = static_cast<uint16_t>(0x1082u + static_cast<unsigned>(number) * 0x2A55u);
    std::vector<uint16_t> pixels(static_cast<std::size_t>(w) * h, colour == 0 ? 1 : colour);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1) pixels[y * w + x] = 0x0841;
        }
    }
    return EncodeTbf(pixels.data(), w, h, 2);
}

std::vector<uint8_t> tinyWav() {
    std::vector<uint8_t> wav;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) wav.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
        wav.push_back(static_cast<uint8_t>(v));
        wav.push_back(static_cast<uint8_t>(v >> 8));
    };
    const uint32_t samples = 441;
    wav.insert(wav.end(), {'R', 'I', 'F', 'F'});
    u32(36 + samples);
    wav.insert(wav.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    u32(16);
    u16(1);
    u16(1);
    u32(22050);
    u32(22050);
    u16(1);
    u16(8);
    wav.insert(wav.end(), {'d', 'a', 't', 'a'});
    u32(samples);
    for (uint32_t i = 0; i < samples; ++i) wav.push_back(static_cast<uint8_t>(128 + (i % 20) * 4));
    return wav;
}

void writeBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void makePool(const std::string& name, uint16_t kind,
              const std::vector<std::vector<uint8_t>>& chunks) {
    ASSERT_EQ(PoolEditor().Create(name.c_str(), kind, 0), 1);
    for (const auto& chunk : chunks) {
        ASSERT_EQ(PoolEditor().AppendChunks(name.c_str(), static_cast<uint32_t>(chunk.size()),
                                            chunk.data(), 1, kind),
                  1);
    }
}

}  // namespace

void writeSmallDataSet(const std::string& dir) {
    fs::create_directories(fs::path(dir) / "tgp");
    fs::create_directories(fs::path(dir) / "tap");
    const std::string pools = (fs::path(dir) / "tgp" / "location.tgp").string();
    std::vector<std::vector<uint8_t>> pictures;
    for (int n = 0; n < assets::kLocationPictureCount; ++n) pictures.push_back(plainPicture(n));
    makePool(pools, assets::kPicturePoolKind, pictures);
    // Beach pools: every entry a plain picture of its part's size (panoramas, panel, buttons,
    // viewfinders), and visitor sprites of one colour each.
    std::vector<std::vector<uint8_t>> beach;
    for (int e = 0; e < assets::kBeachEntries; ++e) {
        int w = 60, h = 50;
        if (e == assets::kBeachDay || e == assets::kBeachNight) {
            w = assets::kPanoramaWidth;
            h = assets::kPanoramaHeight;
        } else if (e == assets::kBeachPanel) {
            w = assets::kBeachPanelWidth;
            h = assets::kBeachPanelHeight;
        } else if (e >= assets::kBeachViewfinder[0] && e <= assets::kBeachViewfinder[2]) {
            w = assets::kViewfinderWidth;
            h = assets::kViewfinderHeight;
        }
        std::vector<uint16_t> pixels(static_cast<std::size_t>(w) * h,
                                     static_cast<uint16_t>(0x2104u + e * 0x1863u) | 1u);
        if (e >= assets::kBeachViewfinder[0] && e <= assets::kBeachViewfinder[2]) {
            // A frame around a see-through window.
            for (int y = 10; y < h - 10; ++y)
                for (int x = 10; x < w - 10; ++x) pixels[static_cast<std::size_t>(y) * w + x] = 0;
        }
        beach.push_back(
            EncodeTbf(pixels.data(), static_cast<uint16_t>(w), static_cast<uint16_t>(h), 2));
    }
    for (int b = 1; b <= assets::kBeachCount; ++b) {
        char name[32];
        std::snprintf(name, sizeof name, "beach%02d.tgp", b);
        makePool((fs::path(dir) / "tgp" / name).string(), assets::kPicturePoolKind, beach);
    }
    std::vector<std::vector<uint8_t>> sprites;
    for (int k = 0; k < assets::kVisitorEntries; ++k) {
        std::vector<uint16_t> pixels(40 * 80, static_cast<uint16_t>(0x8000u + k * 0x0111u) | 1u);
        sprites.push_back(EncodeTbf(pixels.data(), 40, 80, 2));
    }
    makePool((fs::path(dir) / "tgp" / "sets.tgp").string(), assets::kPicturePoolKind, sprites);
    const std::vector<uint8_t> wav = tinyWav();
    makePool((fs::path(dir) / "tap" / "sound.tap").string(), assets::kSoundPoolKind,
             {wav, wav, wav});
    writeBytes(fs::path(dir) / "tap" / "map01.wav", wav);
    const uint8_t* font = BuiltinFontRecord();
    writeBytes(fs::path(dir) / "font" / "font.tff",
               std::vector<uint8_t>(font, font + kBuiltinFontBytes));
    SetErrorCode(kErrNone);
}

void GameRun::SetUp() {
    EngineTest::SetUp();
    workDir = (dir / "work").string();
#ifdef RAVEZ_DEFAULT_DATA
    if (fs::exists(fs::path(RAVEZ_DEFAULT_DATA) / ".stamp")) dataDir = RAVEZ_DEFAULT_DATA;
#endif
    if (dataDir.empty()) {
        dataDir = (dir / "data").string();
        writeSmallDataSet(dataDir);
    }
}

int GameRun::play(const std::string& script, const std::vector<std::string>& extra) {
    const std::string scriptPath = (dir / "play.script").string();
    writeFile("play.script", script);
    const std::string dumpPath = (dir / "state.bin").string();
    std::vector<std::string> args = {"game_uk",      "--headless", "--data",   dataDir,
                                     "--workdir",    workDir,      "--script", scriptPath,
                                     "--dump-state", dumpPath};
    if (skipMovies) args.push_back("--skip-movies");
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    const fs::path here = fs::current_path();
    const int code = gameMain(static_cast<int>(argv.size()), argv.data(), nullptr);
    fs::current_path(here);
    dump_ = readFile(dumpPath);
    dump_.resize(sizeof(GameState));
    return code;
}

int32_t GameRun::field(std::size_t offset) const {
    int32_t value = 0;
    std::memcpy(&value, dump_.data() + offset, 4);
    return value;
}

std::string GameRun::dumpTo(const std::string& name) const {
    return "dump-state " + (dir / (name + ".bin")).string() + "\n";
}

std::unique_ptr<GameState> GameRun::step(const std::string& name) const {
    auto s = std::make_unique<GameState>();
    const std::vector<uint8_t> bytes = readFile((dir / (name + ".bin")).string());
    EXPECT_EQ(bytes.size(), sizeof(GameState)) << name;
    std::memset(static_cast<void*>(s.get()), 0, sizeof(GameState));
    if (bytes.size() == sizeof(GameState))
        std::memcpy(static_cast<void*>(s.get()), bytes.data(), sizeof(GameState));
    return s;
}

std::string click(const char* caption) {
    return std::string("click \"") + caption + "\"\n";
}

std::string clickAt(int x, int y) {
    return "click " + std::to_string(x) + " " + std::to_string(y) + "\n";
}

std::string until(int scene, int frames) {
    return "until-scene " + std::to_string(scene) + " " + std::to_string(frames) + "\n";
}
