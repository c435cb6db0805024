// Ravez Lensquest. The build (German or English) is chosen by the text table linked in.

#include "game/app/program.h"

int main(int argc, char** argv) {
    return gameMain(argc, argv);
}
