// assetgen OUTDIR [--only PART,...]   writes the game's data set into OUTDIR
// assetgen --contact-sheet OUT.bmp     writes review sheets OUT.bmp, OUT-visitors.bmp, ...
//
// Every picture, sound, movie and the font are made here from code: nothing is copied from
// elsewhere, and two runs write the same bytes.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "tools/assetgen/parts.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: assetgen OUTDIR [--only PART,...]\n"
                 "       assetgen --contact-sheet OUT.bmp\n"
                 "parts: location beaches sets sound music movies font launcher config\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    if (std::strcmp(argv[1], "--contact-sheet") == 0) {
        if (argc < 3) return Usage();
        return gen::WriteContactSheets(argv[2]) ? 0 : 1;
    }
    std::set<std::string> only;
    for (int k = 2; k < argc; ++k) {
        if (std::strcmp(argv[k], "--only") == 0 && k + 1 < argc) {
            std::string list = argv[++k];
            size_t start = 0;
            while (start <= list.size()) {
                const size_t comma = std::min(list.find(',', start), list.size());
                only.insert(list.substr(start, comma - start));
                start = comma + 1;
            }
        } else {
            return Usage();
        }
    }
    const gen::Output out(std::filesystem::absolute(argv[1]));
    return gen::WriteDataSet(out, only) ? 0 : 1;
}
