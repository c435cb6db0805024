// assetgen OUTDIR [--only PART,...]   writes the game's data set into OUTDIR
// assetgen --contact-sheet OUT.bmp [--english]
//                                      writes review sheets OUT.bmp, OUT-visitors.bmp, ...
//
// Every picture, sound, movie and the font are made here from code: nothing is copied from
// elsewhere, and two runs write the same bytes. Pictures and movies with words are written in
// German and, where the words differ, in English under OUTDIR/uk/.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "tools/assetgen/parts.h"
#include "tools/assetgen/words.h"

namespace {

constexpr const char* kUsage =
    "usage: assetgen OUTDIR [--only PART,...]\n"
    "       assetgen --contact-sheet OUT.bmp [--english]\n"
    "       assetgen --help\n"
    "parts: location beaches sets sound music movies font launcher config\n"
    "English pictures and movies go to OUTDIR/uk/ where their words differ.\n";

const char* const kParts[] = {"location", "beaches", "sets",     "sound", "music",
                              "movies",   "font",    "launcher", "config"};

int Usage(const char* problem) {
    std::fprintf(stderr, "assetgen: %s\n%s", problem, kUsage);
    return 2;
}

bool KnownPart(const std::string& name) {
    for (const char* part : kParts)
        if (name == part) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    if (argc < 2) return Usage("no output folder given");
    if (std::strcmp(argv[1], "--contact-sheet") == 0) {
        if (argc < 3 || argv[2][0] == '-') return Usage("--contact-sheet needs a file name");
        bool english = false;
        for (int k = 3; k < argc; ++k) {
            if (std::strcmp(argv[k], "--english") != 0)
                return Usage((std::string("unknown argument ") + argv[k]).c_str());
            english = true;
        }
        const gen::LanguagePass language(english ? gen::Language::English : gen::Language::German);
        return gen::WriteContactSheets(argv[2]) ? 0 : 1;
    }
    if (argv[1][0] == '-') return Usage((std::string("unknown option ") + argv[1]).c_str());
    if (argv[1][0] == '\0') return Usage("empty output folder name");
    std::set<std::string> only;
    for (int k = 2; k < argc; ++k) {
        if (std::strcmp(argv[k], "--only") != 0)
            return Usage((std::string("unknown argument ") + argv[k]).c_str());
        if (k + 1 >= argc) return Usage("--only needs a list of parts");
        const std::string list = argv[++k];
        size_t start = 0;
        while (start <= list.size()) {
            const size_t comma = std::min(list.find(',', start), list.size());
            const std::string part = list.substr(start, comma - start);
            if (!KnownPart(part)) return Usage(("unknown part '" + part + "'").c_str());
            only.insert(part);
            start = comma + 1;
        }
    }
    const gen::Output out(std::filesystem::absolute(argv[1]));
    return gen::WriteDataSet(out, only) ? 0 : 1;
}
