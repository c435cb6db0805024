#include <gmock/gmock.h>

#include <cstring>
#include <string>

#include "engine/resources/file_manager.h"
#include "engine/base/messages.h"
#include "tests/support/test_env.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

class FileManagerTest : public EngineTest {
  protected:
    std::string readText(const std::string& path) {
        const auto bytes = readFile(path);
        return {bytes.begin(), bytes.end()};
    }
    FileManager& files = Files();
};

TEST_F(FileManagerTest, OpensDirectlyBeforeTheSearchPath) {
    writeFile("data.bin", "local");
    writeFile("data/data.bin", "search");
    files.SetSearchPath("data");
    FileHandle handle = files.Open("data.bin", "rb");
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(files.OpenCount(), 1);
    EXPECT_EQ(files.GetByte(handle), 'l');
    EXPECT_EQ(files.Close(handle), 0);
    EXPECT_EQ(files.OpenCount(), 0);
}

TEST_F(FileManagerTest, ReadModesFallBackToTheSearchPath) {
    writeFile("data/TGP/Location.tgp", "pool");
    files.SetSearchPath("data");
    FileHandle handle = files.Open("\\tgp\\location.tgp", "rb");
    ASSERT_NE(handle, nullptr);
    char text[5] = {};
    EXPECT_EQ(files.Read(text, 1, 4, handle), 4u);
    EXPECT_STREQ(text, "pool");
    files.Close(handle);

    handle = files.Open(" tgp\\location.tgp", "rb+");
    EXPECT_NE(handle, nullptr);
    files.Close(handle);
}

// The English build reads its translated pictures from uk/ wherever they are; what has no
// translation comes from the shared files; writing never goes into the language folder.
TEST_F(FileManagerTest, TheLanguageFolderIsReadFirstInTheWorkingDirectoryAndTheSearchPath) {
    writeFile("data/TGP/location.tgp", "shared");
    writeFile("data/UK/tgp/Location.TGP", "english");
    writeFile("data/TGP/sets.tgp", "sets");
    writeFile("font/font.tff", "font");
    files.SetSearchPath("data");
    files.SetLanguageFolder("uk");
    auto first = [&](const char* name, const char* mode) {
        FileHandle handle = files.Open(name, mode);
        if (!handle) return std::string("-");
        char text[8] = {};
        files.Read(text, 1, 7, handle);
        files.Close(handle);
        return std::string(text);
    };
    EXPECT_EQ(first("tgp\\location.tgp", "rb"), "english");
    EXPECT_EQ(first("\\tgp\\sets.tgp", "rb"), "sets");
    EXPECT_EQ(first("font\\font.tff", "rb"), "font");

    writeFile("uk/font/font.tff", "fontuk");
    EXPECT_EQ(first("font\\font.tff", "rb"), "fontuk");

    files.SetLanguageFolder("");
    EXPECT_EQ(first("tgp\\location.tgp", "rb"), "shared");
    files.SetLanguageFolder("uk");
    std::filesystem::create_directories("sav");
    FileHandle handle = files.Open("sav\\game01", "wb");
    ASSERT_NE(handle, nullptr);
    files.Close(handle);
    EXPECT_TRUE(fileExists("sav/game01"));
    EXPECT_FALSE(fileExists("uk/sav/game01"));
    EXPECT_EQ(files.OpenCount(), 0);
}

TEST_F(FileManagerTest, WriteModesNeverUseTheSearchPath) {
    std::filesystem::create_directories("data/sav");
    files.SetSearchPath("data\\");
    FileHandle handle = files.Open("sav\\game01", "wb");
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(GetErrorCode(), kErrOpen);

    SetErrorCode(0);
    handle = files.Open("created.bin", "wb");
    ASSERT_NE(handle, nullptr);
    files.Close(handle);
    EXPECT_TRUE(fileExists("created.bin"));
    EXPECT_FALSE(fileExists("data/created.bin"));
}

TEST_F(FileManagerTest, MissingFileFailsWithErrorEight) {
    EXPECT_EQ(files.Open("nothing.here", "rb"), nullptr);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(files.OpenCount(), 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FileManagerTest, SearchPathIsCutAtALineBreakAndEndsInABackslash) {
    files.SetSearchPath("C:\\GAME\r\nrest");
    EXPECT_STREQ(files.SearchPath(), "C:\\GAME\\");
    files.SetSearchPath("data\\");
    EXPECT_STREQ(files.SearchPath(), "data\\");
    files.SetSearchPath("");
    EXPECT_STREQ(files.SearchPath(), "");
}

TEST_F(FileManagerTest, OverlongSearchPathClearsItWithANotice) {
    files.SetSearchPath("data");
    files.SetSearchPath(std::string(257, 'p').c_str());
    EXPECT_STREQ(files.SearchPath(), "");
    EXPECT_THAT(boxTexts(), ElementsAre("SearchPath exceeds maximum PATH-LEN!"));

    // 256 characters are accepted but cannot keep their backslash in the buffer.
    files.SetSearchPath(std::string(256, 'p').c_str());
    EXPECT_EQ(std::strlen(files.SearchPath()), 255u);
}

TEST_F(FileManagerTest, SearchPathPlusNameMustStayBelow256Characters) {
    const std::string path(200, 'p');
    std::filesystem::create_directories(path);
    files.SetSearchPath(path.c_str());  // 201 characters with the backslash

    const std::string fits(54, 'n');  // 255 in all
    writeFile(path + "/" + fits, "x");
    FileHandle handle = files.Open(fits.c_str(), "rb");
    EXPECT_NE(handle, nullptr);
    files.Close(handle);
    EXPECT_TRUE(boxes.shown.empty());

    const std::string tooLong(55, 'n');  // 256 in all
    EXPECT_EQ(files.Open(tooLong.c_str(), "rb"), nullptr);
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_THAT(boxTexts(), ElementsAre("SearchPath+FileName exceeds MAXPATH!"));
}

TEST_F(FileManagerTest, BuildSearchNameSkipsLeadingBlanksAndBackslashes) {
    files.SetSearchPath("root");
    char name[FileManager::kPathBytes] = "untouched";
    files.BuildSearchName(name, "  \\\\tap\\x.wav");
    EXPECT_STREQ(name, "root\\tap\\x.wav");
    files.BuildSearchName(name, std::string(300, 'a').c_str());
    EXPECT_STREQ(name, "root\\tap\\x.wav");
}

TEST_F(FileManagerTest, RetryHookGetsItsChance) {
    static int calls = 0;
    calls = 0;
    files.SetRetryHook([](const char* name, const char* mode) {
        ++calls;
        EXPECT_STREQ(mode, "rb");
        if (calls == 1) {
            EngineTest::writeFile(name, "late");
            return 1;
        }
        return 0;
    });
    FileHandle handle = files.Open("late.bin", "rb");
    EXPECT_NE(handle, nullptr);
    EXPECT_EQ(calls, 1);
    files.Close(handle);

    EXPECT_EQ(files.Open("never.bin", "rb"), nullptr);
    EXPECT_EQ(calls, 2);
}

TEST_F(FileManagerTest, TraceWritesOneLinePerOpenAndClose) {
    writeFile("a.bin", "x");
    files.SetTrace(1);
    FileHandle handle = files.Open("a.bin", "rb");
    files.Close(handle);
    files.Open("no\\dir\\missing.bin", "wb");
    files.SetTrace(0);
    const std::string log = readText("datei.log");
    EXPECT_EQ(log.rfind("Attempt to open file a.bin ..... OK  (", 0), 0u);
    EXPECT_THAT(log, HasSubstr(") \n Close File ("));
    EXPECT_THAT(log, HasSubstr("Attempt to open file no\\dir\\missing.bin ..... ERROR \n "));
}

TEST_F(FileManagerTest, StartupDeletesTheOldTrace) {
    writeFile("datei.log", "old");
    writeFile("DATEI.LOG", "old");
    files.Startup();
    EXPECT_FALSE(fileExists("datei.log"));
    EXPECT_FALSE(fileExists("DATEI.LOG"));
}

TEST_F(FileManagerTest, ShutdownReportsAndClosesWhatIsLeftOpen) {
    writeFile("a.bin", "x");
    files.SetSearchPath("somewhere");
    files.Open("a.bin", "rb");
    files.Open("a.bin", "rb");
    files.Shutdown();
    EXPECT_THAT(boxTexts(), ElementsAre("There are still 2 files open! They will be closed."));
    EXPECT_EQ(files.OpenCount(), 0);
    EXPECT_STREQ(files.SearchPath(), "");
}

TEST_F(FileManagerTest, ZeroHandlesAreHarmless) {
    char buffer[4];
    EXPECT_EQ(files.Read(buffer, 1, 4, nullptr), 0u);
    EXPECT_EQ(files.Write(buffer, 1, 4, nullptr), 0u);
    EXPECT_EQ(files.Tell(nullptr), 0);
    EXPECT_EQ(files.Close(nullptr), 0);
    EXPECT_EQ(files.GetByte(nullptr), -1);
}

TEST_F(FileManagerTest, SlashesAreNormalisedOnlyBeforeTheFirstDot) {
    char name[] = "dir/sub/name.ext";
    FileManager::NormaliseSlashes(name);
    EXPECT_STREQ(name, "dir\\sub\\name.ext");
    char dotted[] = "a.b/c";
    FileManager::NormaliseSlashes(dotted);
    EXPECT_STREQ(dotted, "a.b/c");
}

TEST_F(FileManagerTest, ForcedExtensionsReplaceEverythingAfterTheFirstDot) {
    char name[64] = "fonts/small.fnt";
    ForceExtension(name, sizeof name, "TFF");
    EXPECT_STREQ(name, "fonts\\small.TFF");
    char bare[64] = "pics/title";
    ForceExtension(bare, sizeof bare, "TBF");
    EXPECT_STREQ(bare, "pics\\title.TBF");
    char up[64] = "../pics/title";
    ForceExtension(up, sizeof up, "TBF");
    EXPECT_STREQ(up, "../pics/title.TBF");
}

TEST_F(FileManagerTest, BackupNamesPutAnAtSignThird) {
    char out[64];
    ASSERT_TRUE(FileManager::BackupName("pool.tgp", out, sizeof out));
    EXPECT_STREQ(out, "pool.tg@");
    ASSERT_TRUE(FileManager::BackupName("a.x", out, sizeof out));
    EXPECT_STREQ(out, "a.x@");
    ASSERT_TRUE(FileManager::BackupName("a.", out, sizeof out));
    EXPECT_STREQ(out, "a.@");
    ASSERT_TRUE(FileManager::BackupName("sound.taps", out, sizeof out));
    EXPECT_STREQ(out, "sound.ta@");
    EXPECT_FALSE(FileManager::BackupName("noext", out, sizeof out));
    // A dot in a folder name is no extension.
    ASSERT_TRUE(FileManager::BackupName("..\\tgp\\pool.tgp", out, sizeof out));
    EXPECT_STREQ(out, "..\\tgp\\pool.tg@");
    EXPECT_FALSE(FileManager::BackupName("./noext", out, sizeof out));
}

TEST_F(FileManagerTest, BackUpFileReplacesAnOlderBackup) {
    writeFile("pool.tgp", "current");
    writeFile("pool.tg@", "stale backup");
    files.BackUpFile("pool.tgp");
    EXPECT_EQ(readText("pool.tg@"), "current");
    EXPECT_EQ(files.OpenCount(), 0);
}

TEST_F(FileManagerTest, CopyFileCopiesEveryByte) {
    std::vector<uint8_t> bytes(70000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
    writeFile("src.bin", bytes);
    files.CopyFile("src.bin", "dst.bin");
    EXPECT_EQ(readFile("dst.bin"), bytes);
}

TEST_F(FileManagerTest, CopyOntoAnUncreatableDestinationClosesTheSource) {
    writeFile("src.bin", "x");
    files.CopyFile("src.bin", "no/such/dir/dst.bin");
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_EQ(files.OpenCount(), 0);
    SetErrorCode(0);
    files.CopyFile("missing.bin", "dst.bin");
    EXPECT_EQ(GetErrorCode(), kErrOpen);
    EXPECT_FALSE(fileExists("dst.bin"));
}

TEST_F(FileManagerTest, FileKindsByTagIgnoringCase) {
    const uint8_t tbf[16] = {'T', 'B', 'F'};
    const uint8_t tpf[16] = {'t', 'p', 'f'};
    const uint8_t taf[16] = {'T', 'a', 'F'};
    const uint8_t tff[16] = {'T', 'F', 'F'};
    const uint8_t riff[16] = {'R', 'I', 'F'};
    EXPECT_EQ(FileManager::FileKind(tbf), kFileKindTbf);
    EXPECT_EQ(FileManager::FileKind(tpf), kFileKindTpf);
    EXPECT_EQ(FileManager::FileKind(taf), kFileKindTaf);
    EXPECT_EQ(FileManager::FileKind(tff), kFileKindTff);
    EXPECT_EQ(FileManager::FileKind(riff), kFileKindUnknown);
}

TEST_F(FileManagerTest, RemoveAndRenameResolveDosNames) {
    writeFile("TGP/Pool.TMP", "new");
    EXPECT_EQ(files.Rename("tgp\\pool.tmp", "tgp\\pool.tgp"), 0);
    EXPECT_TRUE(fileExists("TGP/pool.tgp"));
    EXPECT_EQ(files.Remove("TGP\\POOL.TGP"), 0);
    EXPECT_FALSE(fileExists("TGP/pool.tgp"));
}

TEST_F(FileManagerTest, LengthKeepsThePosition) {
    writeFile("five.bin", "12345");
    FileHandle handle = files.Open("five.bin", "rb");
    files.Seek(handle, 2, 0);
    EXPECT_EQ(files.Length(handle), 5);
    EXPECT_EQ(files.Tell(handle), 2);
    EXPECT_EQ(files.GetByte(handle), '3');
    files.Close(handle);
}

}  // namespace
