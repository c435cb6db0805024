#include <gmock/gmock.h>

#include <cstring>
#include <string>

#include "engine/base/messages.h"
#include "tests/support/test_env.h"

using ::testing::ElementsAre;

namespace {

class MessagesTest : public EngineTest {};

TEST_F(MessagesTest, ErrorTextsAreByteExactInBothLanguages) {
    EXPECT_STREQ(ErrorTextFor(3, kMessageGerman), "Vesa-Mode nicht unterst\xFCtzt");
    EXPECT_STREQ(ErrorTextFor(8, kMessageGerman),
                 "Datei konnte nicht ge\xF6"
                 "ffnet werden");
    EXPECT_STREQ(ErrorTextFor(11, kMessageGerman),
                 "Fehler beim Schlie\xE1"
                 "en der Datei");
    EXPECT_STREQ(ErrorTextFor(17, kMessageGerman), "MOD_DATEI HAT NICHT DAS GEW\xDCNSCHTE FORMAT");
    EXPECT_STREQ(ErrorTextFor(8, kMessageEnglish), "Couldn't open file ");
    EXPECT_STREQ(ErrorTextFor(16, kMessageEnglish), "File is not  >>.VOC<<");
    EXPECT_STREQ(ErrorTextFor(20, kMessageEnglish), "User error");
    EXPECT_STREQ(ErrorTextFor(0, kMessageGerman), "");
}

TEST_F(MessagesTest, CodesOutsideTheTableReadAsTheUnusedCode) {
    EXPECT_STREQ(ErrorTextFor(25, kMessageGerman), "Ungenutzter Fehlercode");
    EXPECT_STREQ(ErrorTextFor(-3, kMessageEnglish), "Unused errorcode");
    SetErrorCode(25);
    EXPECT_STREQ(ErrorText(), "Ungenutzter Fehlercode");
}

TEST_F(MessagesTest, ShowErrorJoinsCodeAndContextThenClearsBoth) {
    SetErrorCode(kErrOpen);
    SetContextMessage("TGP-FILE");
    ShowError(nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, std::string("Datei konnte nicht ge\xF6"
                                               "ffnet werden\nTGP-FILE"));
    EXPECT_EQ(boxes.shown[0].icon, platform::BoxIcon::Error);
    EXPECT_EQ(GetErrorCode(), 0);
    EXPECT_EQ(GetContextMessage(), nullptr);
}

TEST_F(MessagesTest, ShowErrorWithoutCodeShowsAnEmptyFirstLine) {
    SetContextMessage("Can't set sound timer");
    ShowError(nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "\nCan't set sound timer");
}

TEST_F(MessagesTest, ShowErrorCutsALongContextAt511Bytes) {
    const std::string longContext(2000, 'x');
    SetErrorCode(kErrRead);
    SetContextMessage(longContext.c_str());
    ShowError(nullptr);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text.size(), 511u);
    EXPECT_EQ(boxes.shown[0].text.rfind("Fehler beim Lesen der Datei\nxxx", 0), 0u);
}

TEST_F(MessagesTest, StartMessagesResetsLanguageCodeContextAndOwner) {
    int window = 0;
    SetMessageLanguage(kMessageEnglish);
    SetErrorCode(9);
    SetContextMessage("x");
    SetBoxOwner(&window);
    StartMessages();
    EXPECT_EQ(GetMessageLanguage(), kMessageGerman);
    EXPECT_EQ(GetErrorCode(), 0);
    EXPECT_EQ(GetContextMessage(), nullptr);
    EXPECT_EQ(GetBoxOwner(), nullptr);
}

TEST_F(MessagesTest, InfoMessageIsFormattedIntoAnInfoBox) {
    int window = 0;
    SetBoxOwner(&window);
    WinInfoMsg("There are still %lu files open! They will be closed.", 3ul);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "INFO");
    EXPECT_EQ(boxes.shown[0].text, "There are still 3 files open! They will be closed.");
    EXPECT_EQ(boxes.shown[0].icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(boxes.shown[0].owner, &window);
}

TEST_F(MessagesTest, InfoMessageOver255CharactersIsAnnouncedAndCut) {
    const std::string text(300, 'a');
    WinInfoMsg("%s", text.c_str());
    EXPECT_THAT(boxTexts(), ElementsAre("WinInfoMsg: StringTooLarge", std::string(255, 'a')));
    EXPECT_EQ(boxes.shown[0].caption, "INFO");

    boxes.shown.clear();
    WinInfoMsg("%s", std::string(255, 'b').c_str());
    EXPECT_THAT(boxTexts(), ElementsAre(std::string(255, 'b')));
}

TEST_F(MessagesTest, LogLinesAreAppendedInOrderAndTheFileIsCreated) {
    EXPECT_FALSE(fileExists("test.log"));
    AppendToLog("test.log", "first %d\n", 1);
    AppendToLog("test.log", "second %s", "two");
    const auto bytes = readFile("test.log");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "first 1\nsecond two");
}

TEST_F(MessagesTest, LogDirectoryIsAPrefixOfTheLogName) {
    std::filesystem::create_directory("logs");
    SetLogDirectory("logs/");
    AppendToLog("memory.log", "x");
    SetLogDirectory("");
    EXPECT_TRUE(fileExists("logs/memory.log"));
    EXPECT_FALSE(fileExists("memory.log"));
}

}  // namespace
