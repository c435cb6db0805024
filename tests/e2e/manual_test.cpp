// The manual pages against what they describe: the README's command-line reference (its option
// list, exit codes, script commands and recording lines appear word for word in the game's page
// source, docs/man), every option the programs' --help names is described on their page, and
// the pages made from the sources render without complaint.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string readText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// What a shell command writes to its standard output.
std::string commandOutput(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string out;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The lines of `text` from the first line starting with `first` up to the next blank line.
std::string blockFrom(const std::string& text, const std::string& first) {
    const std::size_t start =
        text.compare(0, first.size(), first) == 0 ? 0 : text.find("\n" + first);
    if (start == std::string::npos) return {};
    const std::size_t begin = start == 0 ? 0 : start + 1;
    const std::size_t end = text.find("\n\n", begin);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin + 1);
}

// Every "--option" a help text names.
std::set<std::string> optionsIn(const std::string& help) {
    std::set<std::string> options;
    const std::regex option("--[a-z][a-z-]*");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    return options;
}

const fs::path kSource = RAVEZ_SOURCE_DIR;
const fs::path kPages = RAVEZ_MAN_DIR;

TEST(Manual, TheGamePageHoldsTheReadmesCommandLineReferenceWordForWord) {
    const std::string readme = readText(kSource / "README.md");
    const std::string page = readText(kSource / "docs/man/ravez-lensquest-game.6.md");
    ASSERT_FALSE(readme.empty());
    ASSERT_FALSE(page.empty());
    // The README's blocks, each found by its first line.
    for (const char* first :
         {"- `--data DIR`:", "Exit codes:", "| command | effect |", "| line | meaning |"}) {
        const std::string block = blockFrom(readme, first);
        ASSERT_FALSE(block.empty()) << "README.md has no block starting " << first;
        EXPECT_NE(page.find(block), std::string::npos)
            << "docs/man/ravez-lensquest-game.6.md differs from README.md in the block:\n"
            << block;
    }
}

TEST(Manual, EveryOptionOfEveryProgramsHelpIsDescribedOnItsPage) {
    const std::string readmeOptions = blockFrom(readText(kSource / "README.md"), "- `--data DIR`:");
    const struct {
        const char* program;
        const char* page;
    } programs[] = {{RAVEZ_GAME_UK, "ravez-lensquest-game"},
                    {RAVEZ_GAME_DE, "ravez-lensquest-game"},
                    {RAVEZ_LAUNCHER, "ravez-lensquest"}};
    for (const auto& [program, name] : programs) {
        const std::set<std::string> options =
            optionsIn(commandOutput(std::string(program) + " --help 2>/dev/null"));
        ASSERT_GT(options.size(), 2u) << program;
        const std::string page = readText(kSource / "docs/man" / (std::string(name) + ".6.md"));
        for (const std::string& option : options) {
            EXPECT_NE(page.find("`" + option), std::string::npos)
                << option << " of " << program << " is not on the page " << name;
            if (std::string(name) == "ravez-lensquest-game") {
                EXPECT_NE(readmeOptions.find("`" + option), std::string::npos)
                    << option << " is missing from the README's option list";
            }
        }
    }
    // pooltool's commands: each line of its help that starts with two blanks and a word.
    const std::string help = commandOutput(std::string(RAVEZ_POOLTOOL) + " --help 2>/dev/null");
    const std::string page = readText(kSource / "docs/man/ravez-lensquest-pooltool.6.md");
    const std::regex command("\n  ([a-z]+) ");
    int commands = 0;
    for (auto it = std::sregex_iterator(help.begin(), help.end(), command);
         it != std::sregex_iterator(); ++it, ++commands)
        EXPECT_NE(page.find("- `" + (*it)[1].str() + " "), std::string::npos)
            << "pooltool's " << (*it)[1] << " is not on its page";
    EXPECT_EQ(commands, 9);
}

// The pages made at build time render through man(1) with groff's warnings on, compressed as
// they are installed.
TEST(Manual, ThePagesRenderWithoutWarnings) {
    if (std::system("command -v man >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "man is not installed: the pages are not rendered";
    for (const char* name :
         {"ravez-lensquest", "ravez-lensquest-game", "ravez-lensquest-pooltool"}) {
        const fs::path page = kPages / (std::string(name) + ".6.gz");
        ASSERT_TRUE(fs::exists(page)) << page;
        const std::string warnings = commandOutput("LC_ALL=C MANWIDTH=80 man --warnings -l '" +
                                                   page.string() + "' 2>&1 >/dev/null");
        EXPECT_EQ(warnings, "") << page;
        const std::string text =
            commandOutput("LC_ALL=C MANWIDTH=80 man -l '" + page.string() + "'");
        EXPECT_NE(text.find("SEE ALSO"), std::string::npos) << page;
        if (std::string(name) == "ravez-lensquest-game") {
            // A command and a placeholder of the scripted play table, as a reader sees them.
            EXPECT_NE(text.find("until-scene N [MAXFRAMES]"), std::string::npos) << text;
            EXPECT_NE(text.find("--pad-speed N"), std::string::npos) << text;
        }
    }
}

}  // namespace
