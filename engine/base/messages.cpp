#include "engine/base/messages.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/platform/message_box.h"
#include "engine/base/dos_path.h"

namespace {

// The sound tick thread may set the code and the context message, hence the atomics.
std::atomic<int16_t> errorCode{0};
std::atomic<const char*> contextMessage{nullptr};
int16_t messageLanguage = kMessageGerman;
void* boxOwner = nullptr;
char logDirectory[256] = {};

// German texts keep their Windows code-page umlauts, with sharp s as 0xE1.
constexpr const char* kGermanTexts[] = {
    "",
    "Konnte keine MCGA-VGA Karte feststellen",
    "Keine Vesa-Karte gefunden",
    "Vesa-Mode nicht unterst\xFCtzt",
    "Adresse des Speicherblocks zeigt auf 0",
    "Nicht genug Speicher um Block zu reservieren",
    "Ung\xFCltiger Zeiger oder Pufferinhalt ung\xFCltig",
    "Zugriff durch Betriebssystem verhindert",
    "Datei konnte nicht ge\xF6"
    "ffnet werden",
    "Fehler beim Lesen der Datei",
    "Fehler beim Schreiben der Datei",
    "Fehler beim Schlie\xE1"
    "en der Datei",
    "Kein bekanntes Dateiformat",
    "Noch nicht unterst\xFCtztes PCX-Format",
    "Fehler beim Lesen der Farbpalette",
    "Datei hat nicht das gew\xFCnschte Format",
    "DATEI IST KEINE >>VOICE-DATEI<<",
    "MOD_DATEI HAT NICHT DAS GEW\xDCNSCHTE FORMAT",
    "Kein Maustreiber und/oder Maus installiert",
    "Ungenutzter Fehlercode",
    "Allgemeiner Fehler",
};

constexpr const char* kEnglishTexts[] = {
    "",
    "No VGA/MCGA - Card detected",
    "No Vesa-Card found",
    "Vesa-Mode not supported",
    "Null pointer assignment",
    "Not enough memory",
    "Invalid pointer or memory context",
    "Access denied from System",
    "Couldn't open file ",
    "Error while reading the file",
    "Error while writing the file",
    "Couldn't close file",
    "File-Format not known",
    "PCX-Format not supported",
    "Error while reading Color-Palette",
    "Invalid File-Format",
    "File is not  >>.VOC<<",
    "Not supported MOD-File",
    "No Mousedriver installed",
    "Unused errorcode",
    "User error",
};

static_assert(sizeof(kGermanTexts) / sizeof(kGermanTexts[0]) == 21);
static_assert(sizeof(kEnglishTexts) / sizeof(kEnglishTexts[0]) == 21);

constexpr int kLastCode = 20;
constexpr int kUnusedCode = 19;
constexpr unsigned kErrorBoxBytes = 512;
constexpr unsigned kInfoBoxBytes = 256;

}  // namespace

void StartMessages() {
    contextMessage = nullptr;
    errorCode = 0;
    messageLanguage = kMessageGerman;
    boxOwner = nullptr;
}

int16_t GetErrorCode() {
    return errorCode.load();
}
void SetErrorCode(int16_t code) {
    errorCode = code;
}
void SetContextMessage(const char* text) {
    contextMessage = text;
}
const char* GetContextMessage() {
    return contextMessage.load();
}
void SetMessageLanguage(int16_t language) {
    messageLanguage = language;
}
int16_t GetMessageLanguage() {
    return messageLanguage;
}
void SetBoxOwner(void* window) {
    boxOwner = window;
}
void* GetBoxOwner() {
    return boxOwner;
}

const char* ErrorTextFor(int code, int language) {
    if (code < 0 || code > kLastCode) code = kUnusedCode;
    return language == kMessageEnglish ? kEnglishTexts[code] : kGermanTexts[code];
}

const char* ErrorText() {
    return ErrorTextFor(GetErrorCode(), messageLanguage);
}

void BuildErrorMessage(char* out, unsigned outSize) {
    if (!out || outSize == 0) return;
    std::string text = ErrorText();
    if (const char* context = GetContextMessage()) {
        text += '\n';
        text += context;
    }
    const std::size_t keep = std::min<std::size_t>(text.size(), outSize - 1);
    std::memcpy(out, text.data(), keep);
    out[keep] = '\0';
}

void ShowError(void* window) {
    char text[kErrorBoxBytes];
    BuildErrorMessage(text, sizeof text);
    platform::MessageBoxRequest box;
    box.caption = "Error";
    box.text = text;
    box.icon = platform::BoxIcon::Error;
    box.owner = window;
    box.systemModal = true;
    platform::messageBoxService().show(box);
    contextMessage = nullptr;
    errorCode = 0;
}

void WinInfoMsg(const char* format, ...) {
    char text[kInfoBoxBytes];
    va_list args;
    va_start(args, format);
    const int needed = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (needed < 0) text[0] = '\0';

    if (needed > static_cast<int>(kInfoBoxBytes) - 1) {
        platform::MessageBoxRequest tooLarge;
        tooLarge.caption = "INFO";
        tooLarge.text = "WinInfoMsg: StringTooLarge";
        tooLarge.icon = platform::BoxIcon::Error;
        platform::messageBoxService().show(tooLarge);
    }
    platform::MessageBoxRequest box;
    box.caption = "INFO";
    box.text = text;  // vsnprintf has already cut it to 255 characters
    box.icon = platform::BoxIcon::Exclamation;
    box.owner = boxOwner;
    platform::messageBoxService().show(box);
}

void SetLogDirectory(const char* directory) {
    std::memset(logDirectory, 0, sizeof logDirectory);
    if (directory) std::strncpy(logDirectory, directory, sizeof logDirectory - 1);
}

const char* GetLogDirectory() {
    return logDirectory;
}

void AppendToLog(const char* logName, const char* format, ...) {
    if (!logName || !format) return;
    const std::string path = ResolveDosPath(std::string(logDirectory) + logName);

    // Opening for update and seeking to the end (rather than appending) follows the rule that
    // the file is created first when it is missing.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        file = std::fopen(path.c_str(), "wb");
        if (!file) return;
    }
    std::fclose(file);
    file = std::fopen(path.c_str(), "rb+");
    if (!file) return;
    std::fseek(file, 0, SEEK_END);
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fclose(file);
}
