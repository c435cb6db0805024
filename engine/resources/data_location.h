#pragma once
// Where the data set (pools, movies, loops, the font, the launcher's pictures) is read from,
// decided in one place for every program: the folder given on the command line; else
// $RAVEZ_DATA; else the installed share folder seen from the program's folder
// (PREFIX/lib/ravez-lensquest/../../share/ravez-lensquest);
// else the set generated in the build tree the program was built in.

#include <string>
#include <vector>

struct DataSetSearch {
    std::string found;               // empty when no folder holds the set
    std::vector<std::string> tried;  // every folder looked at, in order
    bool explicitChoice =
        false;  // the folder was named (option or variable): nothing else was tried
};

// `marker` is a file every data set holds, as a DOS name ("tgp\location.tgp"), found ignoring
// case. `givenDir` is the command line's folder (empty: none). Folders come back absolute.
DataSetSearch FindDataSet(const std::string& givenDir, const char* marker);

// Whether `dir` holds the marker file (case ignored per path component).
bool HoldsDataSet(const std::string& dir, const char* marker);

// The folder of the running program; empty when it cannot be told.
std::string ProgramDirectory();

// One line for a program that found no data set: what it needs and where it looked.
std::string NoDataSetMessage(const DataSetSearch& search);
