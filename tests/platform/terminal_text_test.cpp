// Texts for a terminal: the engine's single-byte texts come out as UTF-8, text that is UTF-8
// already (file names, system messages) comes out as it went in, and a mix of both keeps each.

#include <gtest/gtest.h>

#include <string>

#include "engine/platform/text_encoding.h"

namespace {

TEST(TerminalText, SingleByteTextsAreConvertedAndUtf8StaysAsItIs) {
    const struct {
        std::string in;
        std::string out;
    } kCases[] = {
        {"plain ASCII, \t tabs and\nlines", "plain ASCII, \t tabs and\nlines"},
        // The error texts: Windows code page, sharp s as 0xE1.
        {"Datei konnte nicht ge\xF6"
         "ffnet werden",
         "Datei konnte nicht geöffnet werden"},
        {"Fehler beim Schlie\xE1"
         "en, GEW\xDCNSCHTE",
         "Fehler beim Schließen, GEWÜNSCHTE"},
        // The game's and the pools' texts: code page 437.
        {"Ausr\x81stung, Lautst\x84rke, gro\xE1, \x8E\x99\x9A",
         "Ausrüstung, Lautstärke, groß, ÄÖÜ"},
        // An error text and a pool text in one box.
        {"Fehler beim Lesen der Datei\nPOOL_CLASS-> Pool konnte nicht ge\x94"
         "ffnet werden.",
         "Fehler beim Lesen der Datei\nPOOL_CLASS-> Pool konnte nicht geöffnet werden."},
        // UTF-8 of two, three and four bytes, alone and beside a single-byte umlaut.
        {"/home/jörg/Spiele/€/\xF0\x9F\x8E\xA5", "/home/jörg/Spiele/€/\xF0\x9F\x8E\xA5"},
        {"ge\xF6"
         "ffnet: /home/jörg",
         "geöffnet: /home/jörg"},
        // Bytes that only look like the start of UTF-8: cut short, overlong, a surrogate.
        {"\xC3", "Ã"},
        {"\xE1x", "ßx"},
        {"\xC0\xAF", "À¯"},
        {"\xED\xA0\x80", "í\xC2\xA0Ç"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(platform::TerminalText(c.in), c.out) << c.in;
    }
}

}  // namespace
