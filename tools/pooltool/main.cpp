// pooltool: lists, builds and edits the engine's pool archives from the command line.
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/base/messages.h"
#include "engine/memory/memory.h"
#include "engine/platform/terminal.h"
#include "engine/resources/file_manager.h"
#include "tools/pooltool/commands.h"
#include "tools/pooltool/tool_io.h"

namespace {

constexpr const char* kUsage =
    "usage: pooltool COMMAND ARGUMENTS\n"
    "  list POOL                    kind, chunk count and one line per chunk:\n"
    "                               index, chunk kind, data length, data kind\n"
    "  create POOL KIND COUNT       new pool (KIND 21/tgp pictures, 24/tap general)\n"
    "                               with COUNT empty chunks\n"
    "  add POOL FILE...             each file becomes one new chunk\n"
    "  replace POOL N FILE          chunk N gets the file's bytes\n"
    "  copy SRC DST S D N           DST chunks D..D+N-1 become SRC chunks S..S+N-1\n"
    "  extract POOL N OUT           chunk N's data to OUT\n"
    "  picture POOL N OUT.bmp       16-bit picture chunk N as a 24-bit BMP\n"
    "  tbf IN.bmp OUT.tbf [--mode 0|1|2]\n"
    "                               any BMP to a 16-bit TBF (default mode 2)\n"
    "  check POOL                   reads every chunk (pictures decoded, sounds parsed)\n"
    "                               and names each damaged one; exit code 1 if any\n"
    "Replacing and copying keep the previous pool as POOL with extension OLD.\n";

struct Command {
    const char* name;
    int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"list", ListPool},         {"create", CreatePool},
    {"add", AddChunks},         {"replace", ReplaceChunkData},
    {"copy", CopyChunks},       {"extract", ExtractChunk},
    {"picture", ExportPicture}, {"tbf", ConvertBmpToTbf},
    {"check", CheckPool},
};

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    if (argc < 2) return usage();
    const Command* command = nullptr;
    for (const Command& candidate : kCommands) {
        if (std::strcmp(argv[1], candidate.name) == 0) command = &candidate;
    }
    if (!command) return usage();

    StartMessages();
    Files().SetMessageBoxes(0);
    SetMemoryWarnings(0);
    const int result = command->run(Arguments(argv + 2, argv + argc));
    Files().Shutdown();
    if (result == kExitUsage) return usage();
    if (result != kExitOk && !FailureSaid()) {
        const char* context = GetContextMessage();
        // The pool's own context messages are German, in code page 437.
        platform::printToStderr("pooltool: %s\n", ErrorTextFor(GetErrorCode(), kMessageEnglish));
        if (context) platform::printToStderr("%s\n", context);
    }
    return result;
}
