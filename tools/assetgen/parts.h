#pragma once
// The parts of the data set and who writes them.

#include <set>
#include <string>

#include "tools/assetgen/output.h"

namespace gen {

bool WriteLocation(const Output& out);
bool WriteBeaches(const Output& out);
bool WriteSets(const Output& out);
bool WriteSoundPool(const Output& out);
bool WriteMusic(const Output& out);
bool WriteMovies(const Output& out);
bool WriteFont(const Output& out);
bool WriteLauncher(const Output& out);
bool WriteConfig(const Output& out);

// Every part, or only those named (empty: all).
bool WriteDataSet(const Output& out, const std::set<std::string>& only);
bool WriteContactSheets(const std::string& bmpName);

}  // namespace gen
