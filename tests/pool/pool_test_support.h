#pragma once
// Pools for the tests, written by our own pool editor.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/memory/memory.h"
#include "engine/base/messages.h"
#include "engine/resources/pool/picture_cache.h"
#include "engine/resources/pool/pool.h"
#include "engine/resources/pool/pool_class.h"
#include "tests/support/test_env.h"

using Chunk = std::vector<uint8_t>;

class PoolTest : public EngineTest {
  protected:
    void TearDown() override {
        Pictures().ReleaseAll();
        ClosePools();
        EngineTest::TearDown();
    }

    // A pool of the given kind whose chunks hold these bytes (chunk kinds as given, else the
    // pool kind).
    static void makePool(const std::string& name, uint16_t kind, const std::vector<Chunk>& chunks,
                         const std::vector<uint16_t>& chunkKinds = {}) {
        if (const auto slash = name.rfind('\\'); slash != std::string::npos) {
            std::filesystem::create_directories(name.substr(0, slash));
        }
        ASSERT_EQ(PoolEditor().Create(name.c_str(), kind, 0), 1);
        for (std::size_t i = 0; i < chunks.size(); ++i) {
            const uint16_t chunkKind = i < chunkKinds.size() ? chunkKinds[i] : kind;
            ASSERT_EQ(
                PoolEditor().AppendChunks(name.c_str(), static_cast<uint32_t>(chunks[i].size()),
                                          chunks[i].data(), 1, chunkKind),
                1)
                << GetContextMessage();
        }
        SetErrorCode(kErrNone);
    }

    // The index at the end of a pool file as read by hand.
    static std::vector<uint32_t> indexOf(const std::vector<uint8_t>& file) {
        const unsigned count = LoadLE16(file.data() + 6);
        std::vector<uint32_t> offsets;
        for (unsigned i = 0; i < count; ++i) {
            offsets.push_back(LoadLE32(file.data() + file.size() - 4 * (count - i)));
        }
        return offsets;
    }

    // Data and kind of chunk i, found through the index.
    static Chunk chunkData(const std::vector<uint8_t>& file, unsigned i) {
        const uint32_t offset = indexOf(file).at(i);
        const uint32_t length = LoadLE32(file.data() + offset - 6);
        return Chunk(file.begin() + offset, file.begin() + offset + length);
    }
    static uint16_t chunkKind(const std::vector<uint8_t>& file, unsigned i) {
        return LoadLE16(file.data() + indexOf(file).at(i) - 2);
    }

    static std::string context() {
        const char* text = GetContextMessage();
        return text ? text : "";
    }
};

inline Chunk bytesOf(const std::string& text) {
    return Chunk(text.begin(), text.end());
}
