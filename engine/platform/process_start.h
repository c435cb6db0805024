#pragma once
// Starting another program by name, the way the launcher starts a game build: no arguments, no
// waiting, nothing kept. A bare name is looked for in the starting program's own directory first
// and then along PATH.

#include <string>

namespace platform {

// The full path a bare program name would start from ("" when none is found). A name with a
// '/' in it is taken as it stands.
std::string FindProgram(const std::string& name);

// Starts the program without arguments and returns at once; the child is reaped in the
// background so none is left behind as a zombie. False, with one line on stderr saying why,
// when it cannot be started.
bool StartProgram(const std::string& name);

}  // namespace platform
