// The German table keeps its DOS code-page bytes: a file saved as UTF-8 would turn every
// umlaut into two other glyphs of the bitmap font.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "texts/texts.h"

namespace {

TEST(TextsTest, GermanUmlautsAreSingleCodePageBytes) {
    EXPECT_STREQ(txt::kLanguage, "de");
    EXPECT_EQ(std::string(txt::kBack),
              "zur\x81"
              "ck");
    EXPECT_EQ(std::string(txt::kEquipmentLost[1]), "Ausr\x81stung wurde");
    EXPECT_EQ(static_cast<unsigned char>(txt::kOverwrite2[0]), 0x81);
    const char* const all[] = {txt::kNewGame,    txt::kEndDay,    txt::kEvicted1, txt::kEvicted2,
                               txt::kBack,       txt::kWelcomeTo, txt::kCare2,    txt::kExported[1],
                               txt::kOverwrite2, txt::kMonths[4]};
    for (const char* text : all) {
        for (const char* p = text; *p; ++p) EXPECT_NE(static_cast<unsigned char>(*p), 0xC3) << text;
    }
    EXPECT_STREQ(txt::kExported[1], "'fotos\\foto%04d.bmp'");
}

}  // namespace
