#pragma once
// A fresh engine for each test: its own temporary working directory, reset message state and
// file manager, boxes recorded instead of shown, and a check that every byte taken from the
// memory manager was given back and every file closed.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/platform/message_box.h"

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes bytes to a path relative to the working directory (folders are created).
    static void writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
    static void writeFile(const std::string& path, const std::string& text);
    static std::vector<uint8_t> readFile(const std::string& path);
    static bool fileExists(const std::string& path);

    // Texts of the boxes shown since the test began.
    std::vector<std::string> boxTexts() const;

    std::filesystem::path dir;
    std::filesystem::path previousDir;
    platform::HeadlessMessageBox boxes;
};

// Little-endian byte builder for hand-made files.
struct Bytes {
    std::vector<uint8_t> data;
    Bytes& u8(unsigned v);
    Bytes& u16(unsigned v);
    Bytes& s16(int v);
    Bytes& u32(uint32_t v);
    Bytes& text(const std::string& s);  // without terminator
    Bytes& zeros(std::size_t n);
    Bytes& append(const std::vector<uint8_t>& more);
};
