// Scripted play, line by line: which lines are commands, and what a command that fails while it
// runs reports before the script ends.

#include <gtest/gtest.h>

#include <string>

#include "engine/platform/headless_display.h"
#include "game/app/script.h"
#include "game/state/game_state.h"

namespace {

TEST(ScriptTest, EachCommandTakesItsOwnNumberOfArguments) {
    struct Case {
        const char* text;
        const char* error;  // empty: the script is read
    };
    const Case cases[] = {
        {"move 1 2\npress\nrelease\nclick 3 4\nclick \"start new game\"\nkey esc\nframes 2\n"
         "until-scene 1\nuntil-scene 1 5\nexpect-scene 0\nscreenshot a.bmp\ndump-state a.bin\n"
         "load-state a.bin\n  # a note\n\n",
         ""},
        {"jump 3", "line 1: not a command: jump 3"},
        {"frames 1\nmove 1\n", "line 2: not a command: move 1"},
        {"move 1 2 3", "line 1: not a command: move 1 2 3"},
        {"press now", "line 1: not a command: press now"},
        {"release 1", "line 1: not a command: release 1"},
        {"click", "line 1: not a command: click"},
        {"click 1 2 3", "line 1: not a command: click 1 2 3"},
        {"key", "line 1: not a command: key"},
        {"frames", "line 1: not a command: frames"},
        {"until-scene 1 2 3", "line 1: not a command: until-scene 1 2 3"},
        {"expect-scene 1 2", "line 1: not a command: expect-scene 1 2"},
        {"screenshot", "line 1: not a command: screenshot"},
        {"dump-state a b", "line 1: not a command: dump-state a b"},
        {"load-state", "line 1: not a command: load-state"},
        {"MOVE 1 2", "line 1: not a command: MOVE 1 2"},
        {"click \"ok", "line 1: unclosed quote: click \"ok"},
    };
    for (const Case& c : cases) {
        ScriptDriver script;
        EXPECT_EQ(script.loadText(c.text), *c.error == '\0') << c.text;
        EXPECT_EQ(script.error(), c.error) << c.text;
    }
}

TEST(ScriptTest, AFailingCommandReportsItsLineAndReasonAndEndsTheScript) {
    struct Case {
        const char* text;
        const char* report;
    };
    const Case cases[] = {
        {"move 1 x", "script line 1: move 1 x: not a number\n"},
        {"click x 2", "script line 1: click x 2: not a number\n"},
        {"frames 1\nkey f13\nframes 1", "script line 2: key f13: unknown key\n"},
        {"key 256", "script line 1: key 256: unknown key\n"},
        {"frames x", "script line 1: frames x: not a number\n"},
        {"until-scene x", "script line 1: until-scene x: not a number\n"},
        {"until-scene 7 x", "script line 1: until-scene 7 x: not a number\n"},
        {"until-scene 7 2", "script line 1: until-scene 7 2: scene is 0\n"},
        {"expect-scene 7", "script line 1: expect-scene 7: scene is 0\n"},
        {"click \"no such caption\"",
         "script line 1: click no such caption: no such hotspot in the last frame\n"},
        {"load-state /nonexistent/a.bin",
         "script line 1: load-state /nonexistent/a.bin: cannot read the file\n"},
        {"dump-state /nonexistent/a.bin",
         "script line 1: dump-state /nonexistent/a.bin: cannot write the file\n"},
        {"screenshot /nonexistent/a.bmp",
         "script line 1: screenshot /nonexistent/a.bmp: cannot write the file\n"},
    };
    const int32_t scene = gameState().sceneId;
    gameState().sceneId = 0;
    for (const Case& c : cases) {
        platform::HeadlessDisplay input;
        ScriptDriver script;
        ASSERT_TRUE(script.loadText(c.text)) << c.text;
        script.setInput(&input);
        testing::internal::CaptureStderr();
        for (int turn = 0; turn < 5 && !script.done(); ++turn) script.feed();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.report) << c.text;
        EXPECT_TRUE(script.done()) << c.text;
        EXPECT_TRUE(script.failed()) << c.text;
    }
    gameState().sceneId = scene;
}

}  // namespace
