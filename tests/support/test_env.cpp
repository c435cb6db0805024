#include "tests/support/test_env.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>

#include "engine/memory/memory.h"
#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"

void EngineTest::SetUp() {
    previousDir = std::filesystem::current_path();
    std::random_device seed;
    const std::string unique = std::to_string(::getpid()) + "-" + std::to_string(seed());
    dir = std::filesystem::temp_directory_path() / ("ravez-test-" + unique);
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);

    boxes.quiet = true;
    platform::setMessageBoxService(&boxes);
    StartMessages();
    SetLogDirectory("");
    Files().Startup();
    SetMemoryLimit(0);
    SetMemoryTrace(0);
    SetMemoryWarnings(1);
}

void EngineTest::TearDown() {
    EXPECT_EQ(Files().OpenCount(), 0) << "files left open";
    EXPECT_EQ(MemAllocatedBytes(), 0u) << "memory-manager blocks left allocated";
    Files().SetMessageBoxes(0);
    Files().Shutdown();
    platform::setMessageBoxService(nullptr);
    std::filesystem::current_path(previousDir);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

void EngineTest::writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void EngineTest::writeFile(const std::string& path, const std::string& text) {
    writeFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> EngineTest::readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool EngineTest::fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::vector<std::string> EngineTest::boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : boxes.shown) texts.push_back(box.text);
    return texts;
}

Bytes& Bytes::u8(unsigned v) {
    data.push_back(static_cast<uint8_t>(v));
    return *this;
}
Bytes& Bytes::u16(unsigned v) {
    return u8(v & 0xFF).u8((v >> 8) & 0xFF);
}
Bytes& Bytes::s16(int v) {
    return u16(static_cast<unsigned>(static_cast<uint16_t>(v)));
}
Bytes& Bytes::u32(uint32_t v) {
    return u16(v & 0xFFFF).u16(v >> 16);
}
Bytes& Bytes::text(const std::string& s) {
    data.insert(data.end(), s.begin(), s.end());
    return *this;
}
Bytes& Bytes::zeros(std::size_t n) {
    data.insert(data.end(), n, 0);
    return *this;
}
Bytes& Bytes::append(const std::vector<uint8_t>& more) {
    data.insert(data.end(), more.begin(), more.end());
    return *this;
}
