#pragma once
// Maps the game's DOS-style resource names ("TAP\map01.wav", "tgp\Location.TGP") onto the
// Linux file system.

#include <string>
#include <string_view>

// Backslashes become '/', and each path component that does not exist under its own spelling
// takes the spelling of a directory entry that matches it ignoring ASCII case (the
// alphabetically first, when several do). A component with no match, and everything after it,
// stays as written, so a file about to be created gets the case of the existing directories and
// its own name as written.
std::string ResolveDosPath(std::string_view name);

// The first '.' of the file name itself, so that "..\tgp\pool.tgp" finds the pool's extension
// and a dot in a folder name is none; nullptr when the name has no extension.
const char* ExtensionDot(const char* name);

// ASCII case-insensitive equality, the rule used for every name comparison of the engine.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
