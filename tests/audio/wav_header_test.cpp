#include "engine/audio/wav_header.h"

#include <cstring>

#include "engine/base/messages.h"
#include "tests/audio/sound_test_support.h"

namespace {

class WavHeaderTest : public EngineTest {
  protected:
    // Parses a file; the handle's position after the parse goes to *position.
    int parse(const std::vector<uint8_t>& bytes, PcmFormat* format, uint32_t* length,
              long* position = nullptr) {
        writeFile("sound.wav", bytes);
        FileHandle f = Files().Open("sound.wav", "rb");
        const int ok = ParseWavHeader(f, format, length);
        if (position) *position = Files().Tell(f);
        Files().Close(f);
        return ok;
    }
    static std::string context() { return GetContextMessage() ? GetContextMessage() : ""; }
};

TEST_F(WavHeaderTest, ReadsFormatAndFindsDataBehindOtherChunks) {
    const std::vector<uint8_t> data = Level16(1234, 10);
    // A LIST chunk whose text holds a 'd' and "dat" before the real "data".
    Bytes list;
    list.text("LIST").u32(12).text("ddatINFOdaTa");
    for (const auto& extra : {std::vector<uint8_t>{}, list.data}) {
        PcmFormat f;
        uint32_t length = 0;
        long position = 0;
        const auto wav = MakeWav({22050, 2, 16}, data, extra);
        ASSERT_EQ(parse(wav, &f, &length, &position), 1);
        EXPECT_EQ(f.formatTag, 1);
        EXPECT_EQ(f.channels, 2);
        EXPECT_EQ(f.samplesPerSec, 22050u);
        EXPECT_EQ(f.avgBytesPerSec, 88200u);
        EXPECT_EQ(f.blockAlign, 4);
        EXPECT_EQ(f.bitsPerSample, 16);
        EXPECT_EQ(length, data.size());
        EXPECT_EQ(static_cast<std::size_t>(position), wav.size() - data.size());
    }
}

TEST_F(WavHeaderTest, LongFormatChunkIsPassedOver) {
    Bytes b;
    b.text("RIFF").u32(0).text("WAVE").text("fmt ").u32(20);
    b.u16(1).u16(1).u32(8000).u32(16000).u16(2).u16(16).u16(0).u16(0xABCD);
    b.text("data").u32(4).u16(1).u16(2);
    PcmFormat f;
    uint32_t length = 0;
    long position = 0;
    ASSERT_EQ(parse(b.data, &f, &length, &position), 1);
    EXPECT_EQ(f.samplesPerSec, 8000u);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(position, static_cast<long>(b.data.size()) - 4);
}

TEST_F(WavHeaderTest, WrongTagsNameTheirStep) {
    const auto good = MakeWav({}, Level16(0, 4));
    struct Case {
        std::size_t offset;
        const char* replacement;
        const char* context;
    };
    const Case cases[] = {
        {0, "RIFX", "Wave Format Error 'RIFF'"},
        {8, "WAVF", "Wave Format Error 'WAVE'"},
        {12, "junk", "Wave Format Error 'fmt'"},
    };
    for (const Case& c : cases) {
        auto bad = good;
        std::memcpy(bad.data() + c.offset, c.replacement, 4);
        StartMessages();
        PcmFormat f;
        uint32_t length = 0;
        EXPECT_EQ(parse(bad, &f, &length), 0) << c.context;
        EXPECT_EQ(GetErrorCode(), kErrGeneral);
        EXPECT_EQ(context(), c.context);
    }
}

TEST_F(WavHeaderTest, MissingFmtShortFmtAndMissingDataFail) {
    // "data" straight after "WAVE": no format chunk.
    Bytes noFmt;
    noFmt.text("RIFF").u32(12).text("WAVE").text("data").u32(0);
    // A format chunk too short to hold the PCM fields.
    Bytes shortFmt;
    shortFmt.text("RIFF").u32(0).text("WAVE").text("fmt ").u32(8).u16(1).u16(1).u32(8000);
    shortFmt.text("data").u32(0);
    // No "data" anywhere after the format.
    auto noData = MakeWav({}, {});
    noData.resize(noData.size() - 8);
    noData.insert(noData.end(), {'d', 'a', 't', 'x', 'd', 'a'});

    for (const auto* bytes : {&noFmt.data, &shortFmt.data}) {
        StartMessages();
        PcmFormat f;
        uint32_t length = 0;
        EXPECT_EQ(parse(*bytes, &f, &length), 0);
        EXPECT_EQ(GetErrorCode(), kErrGeneral);
        EXPECT_EQ(context(), "Wave Format Error 'fmt'");
    }
    StartMessages();
    PcmFormat f;
    uint32_t length = 0;
    EXPECT_EQ(parse(noData, &f, &length), 0);
    EXPECT_EQ(GetErrorCode(), kErrGeneral);
}

TEST_F(WavHeaderTest, EveryTruncationFailsWithoutReadingPastTheEnd) {
    const auto wav = MakeWav({}, Level16(7, 2));
    const std::size_t header = wav.size() - 4;  // everything up to the data length's end
    for (std::size_t cut = 0; cut < header; ++cut) {
        StartMessages();
        PcmFormat f;
        uint32_t length = 0;
        EXPECT_EQ(parse({wav.begin(), wav.begin() + static_cast<std::ptrdiff_t>(cut)}, &f, &length),
                  0)
            << "cut at " << cut;
        EXPECT_EQ(GetErrorCode(), kErrGeneral);
    }
}

}  // namespace
