// The German build by its own captions: a script may spell them in UTF-8, and the umlauts of
// the text table (DOS code page) still match.

#include <gtest/gtest.h>

#include "tests/e2e/game_run.h"
#include "texts/texts.h"

namespace {

TEST_F(GameRun, GermanCaptionsWithUmlautsAreClickedInUtf8) {
    ASSERT_STREQ(txt::kLanguage, "de");
    EXPECT_EQ(play("frames 1\n"
                   "click \"Neues Spiel starten\"\n"
                   "until-scene 1 5\n"
                   "click \"Nude Vip Beach\"\n"
                   "until-scene 28 5\n"
                   "click \"zum Schalter\"\n"
                   "frames 1\n"
                   "click \"zur\xC3\xBC"
                   "ck\"\n"
                   "frames 1\n"
                   "click \"zum Schalter\"\n"
                   "frames 1\n"
                   "click \"Beitrag bezahlen\"\n"
                   "frames 1\n"
                   "expect-scene 28\n"),
              0);
    EXPECT_EQ(dumped().vipMember[0], 1);
    EXPECT_EQ(dumped().money, 0);
}

}  // namespace
