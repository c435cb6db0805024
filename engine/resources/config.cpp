#include "engine/resources/config.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "engine/base/dos_path.h"

void ReadConfiguration(int& resolutionMode, int& detailMode, const char* path) {
    resolutionMode = kResolutionModeNotGiven;
    if (!path) return;
    // Plain streams, not the file manager: the configuration is no game resource.
    std::FILE* file = std::fopen(ResolveDosPath(path).c_str(), "rb");
    if (!file) return;

    char record[kConfigRecordBytes];
    while (std::fread(record, 1, sizeof record, file) == sizeof record) {
        const std::string_view text(record, sizeof record);
        if (record[0] == ';') continue;
        if (text.substr(0, 7) == "scrmode") {
            resolutionMode = record[8] - '0';
        } else if (EqualsIgnoringCase(text.substr(0, 10), "detailmode")) {
            detailMode = record[11] - '0';
        } else if (text.substr(0, 3) == "end") {
            break;
        }
    }
    std::fclose(file);
}
