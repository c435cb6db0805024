#pragma once
// The engine's texts are single-byte strings in two code pages: the game's texts in the DOS
// code page 437, the error-code texts in Windows-1252 with sharp s at 0xE1. System dialogs
// want UTF-8.

#include <string>
#include <string_view>

namespace platform {

std::string Cp437ToUtf8(std::string_view text);
// Windows-1252, except 0xE1, which the engine's error texts use for sharp s.
std::string ErrorTextToUtf8(std::string_view text);
// For a text whose code page is not known (a box may join an error text and a game text):
// 0x80..0x9F as code page 437 (where the German umlauts of the game texts lie), 0xE1 as sharp
// s in both, every other byte as Windows-1252.
std::string EngineTextToUtf8(std::string_view text);
// For a terminal, where engine texts meet file names and system messages that are UTF-8
// already: every well-formed UTF-8 sequence stays as it is, every other byte above 0x7F is read
// as EngineTextToUtf8 reads it. The engine's texts hold no such sequence (their umlauts stand
// alone between ASCII letters), so they come out converted.
std::string TerminalText(std::string_view text);

}  // namespace platform
