#pragma once
// What the programs write to stderr goes through one writer, so that a UTF-8 terminal reads
// the engine's single-byte texts (game texts in code page 437, error texts in the Windows code
// page) as the letters they are.

namespace platform {

// Formats like printf and writes the text to stderr as TerminalText makes it.
void printToStderr(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
