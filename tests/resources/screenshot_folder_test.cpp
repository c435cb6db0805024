// Where screenshots go: the desktop's pictures folder from the environment, from the user-dirs
// file, or the usual default, with the real environment and real files in the test's folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "engine/resources/screenshot_folder.h"
#include "tests/support/test_env.h"

namespace {

// Sets a variable (or removes it) for one test, and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class ScreenshotFolderTest : public EngineTest {};

TEST_F(ScreenshotFolderTest, ThePicturesFolderComesFromTheEnvironmentTheUserDirsFileOrHome) {
    const std::string home = (dir / "home").string();
    const std::string config = (dir / "config").string();
    const struct {
        const char* what;
        std::optional<std::string> pictures;  // XDG_PICTURES_DIR
        const char* userDirs;                 // the file in XDG_CONFIG_HOME; nullptr: none
        std::string expected;
    } kCases[] = {
        {"the variable", "/srv/pics", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", "/srv/pics"},
        {"the file, $HOME expanded", std::nullopt,
         "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
         "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
         home + "/Bilder"},
        {"an absolute path, the last line", std::nullopt,
         "XDG_PICTURES_DIR=\"$HOME/Old\"\n  XDG_PICTURES_DIR=\"/data/Fotos\"\r\n", "/data/Fotos"},
        {"a line the desktop would not write", std::nullopt, "XDG_PICTURES_DIR=Pictures\n",
         home + "/Pictures"},
        {"no file", std::nullopt, nullptr, home + "/Pictures"},
        {"a relative variable", "pics", nullptr, home + "/Pictures"},
    };
    const ScopedEnv homeEnv("HOME", home);
    const ScopedEnv configEnv("XDG_CONFIG_HOME", config);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(config);
        if (c.userDirs) writeFile(config + "/user-dirs.dirs", std::string(c.userDirs));
        const ScopedEnv picturesEnv("XDG_PICTURES_DIR", c.pictures);
        EXPECT_EQ(PicturesFolder(), c.expected);
        EXPECT_EQ(ScreenshotFolder(), c.expected + "/Ravez Lensquest");
    }
}

}  // namespace
