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

}  // namespace platform
