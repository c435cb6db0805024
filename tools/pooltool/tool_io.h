#pragma once
// What every pooltool command needs: whole files in and out through the file manager, and
// numbers from the command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Exit codes of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// The whole file; false with error 8 (open) or 9 (read) and a context message.
bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& bytes);
// Writes (replaces) a file; a file that could not be written completely is removed.
bool WriteWholeFile(const std::string& name, const std::vector<uint8_t>& bytes);

// A decimal number within [low, high]; nothing for anything else.
std::optional<long> ParseNumber(const std::string& text, long low, long high);

// Sets the error code and context message and returns kExitFailed.
int Failed(int16_t code, const char* context);
// Says what failed in one line of its own ("pooltool: <line>") and returns kExitFailed;
// FailureSaid() then tells main that nothing more is to be printed.
int FailedLine(const std::string& line);
bool FailureSaid();
