// Started by the launcher tests: appends one line to "started.txt" in its working directory,
// with the number of arguments it was given.
#include <cstdio>

int main(int argc, char**) {
    FILE* out = std::fopen("started.txt", "a");
    if (!out) return 1;
    std::fprintf(out, "started with %d\n", argc - 1);
    return std::fclose(out) == 0 ? 0 : 1;
}
