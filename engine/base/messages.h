#pragma once
// The shared error code, the context message naming the failing step, the error box,
// the INFO box and the log writer. Every engine module reports through these.

#include <cstdint>

// Error codes used across the engine.
enum ErrorCode : int16_t {
    kErrNone = 0,
    kErrNullPointer = 4,
    kErrNoMemory = 5,
    kErrOpen = 8,
    kErrRead = 9,
    kErrWrite = 10,
    kErrPcxFormat = 13,
    kErrFormat = 15,
    kErrGeneral = 20,
};

constexpr int kMessageGerman = 0;
constexpr int kMessageEnglish = 1;

// Clears the context message, the error code, the language (German) and the box owner.
void StartMessages();

int16_t GetErrorCode();
void SetErrorCode(int16_t code);

// The text is not copied: it must stay valid until it has been shown.
void SetContextMessage(const char* text);
const char* GetContextMessage();

void SetMessageLanguage(int16_t language);
int16_t GetMessageLanguage();

void SetBoxOwner(void* window);
void* GetBoxOwner();

// Text of an error code in a language (code 0 is the empty text, codes above 20 read as 19).
const char* ErrorTextFor(int code, int language);
// Text of the current error code in the current language.
const char* ErrorText();

// Shows the current error (and the context message on a second line) in an error box owned by
// the given window, then clears the context message and the error code.
void ShowError(void* window);
// The text ShowError would show, at most 511 bytes.
void BuildErrorMessage(char* out, unsigned outSize);

// Formats a notice and shows it in a box captioned "INFO". Texts over 255 characters are
// announced with "WinInfoMsg: StringTooLarge" and cut to 255.
void WinInfoMsg(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Prefix for log file names; empty means the working directory.
void SetLogDirectory(const char* directory);
const char* GetLogDirectory();

// Appends one formatted text to a log file (created when missing); the text is on disk when
// the call returns. No line break is added.
void AppendToLog(const char* logName, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
