#include "engine/resources/data_location.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "engine/base/dos_path.h"

#ifndef RAVEZ_INSTALLED_DATA_FROM_PROGRAM
#define RAVEZ_INSTALLED_DATA_FROM_PROGRAM "../../share/ravez-lensquest"
#endif
#ifndef RAVEZ_BUILD_DATA_DIR
#define RAVEZ_BUILD_DATA_DIR ""
#endif

namespace fs = std::filesystem;

namespace {

std::string absoluteFolder(const fs::path& dir) {
    std::error_code ec;
    fs::path path = fs::absolute(dir, ec);
    if (ec) path = dir;
    // "bin/../share/x" reads better as "share/x"; a folder that is not there stays as written.
    fs::path canonical = fs::weakly_canonical(path, ec);
    return (ec ? path : canonical).lexically_normal().string();
}

}  // namespace

std::string ProgramDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return std::string();
    return exe.parent_path().string();
}

bool HoldsDataSet(const std::string& dir, const char* marker) {
    if (dir.empty()) return false;
    std::string name = dir;
    if (name.back() != '/') name += '/';
    std::error_code ec;
    return fs::is_regular_file(ResolveDosPath(name + marker), ec);
}

DataSetSearch FindDataSet(const std::string& givenDir, const char* marker) {
    DataSetSearch search;
    auto consider = [&](const fs::path& dir) {
        if (dir.empty() || !search.found.empty()) return;
        const std::string folder = absoluteFolder(dir);
        search.tried.push_back(folder);
        if (HoldsDataSet(folder, marker)) search.found = folder;
    };
    // A folder the player named is the only one looked at: falling back to another set
    // would hide the mistake.
    if (!givenDir.empty()) {
        search.explicitChoice = true;
        consider(givenDir);
        return search;
    }
    if (const char* fromEnvironment = std::getenv("RAVEZ_DATA");
        fromEnvironment && *fromEnvironment) {
        search.explicitChoice = true;
        consider(fromEnvironment);
        return search;
    }
    const std::string program = ProgramDirectory();
    if (!program.empty()) consider(fs::path(program) / RAVEZ_INSTALLED_DATA_FROM_PROGRAM);
    consider(fs::path(RAVEZ_BUILD_DATA_DIR));
    return search;
}

std::string NoDataSetMessage(const DataSetSearch& search) {
    std::string line = "no data set found (looked in ";
    for (std::size_t i = 0; i < search.tried.size(); ++i) {
        if (i) line += ", ";
        line += search.tried[i];
    }
    if (search.tried.empty()) line += "no folder";
    line += "); name one with --data DIR or RAVEZ_DATA=DIR";
    return line;
}
