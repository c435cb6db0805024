#pragma once
// The one file manager every data file is opened and closed through: a fallback search path
// for names not found under their own spelling, a count of open files, an optional trace to
// "datei.log", and the DOS-name mapping onto Linux paths.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

using FileHandle = std::FILE*;

// Called after a failed open with (name, mode); non-zero makes the manager try again.
using FileRetryHook = int (*)(const char* name, const char* mode);

enum FileKind : int {
    kFileKindUnknown = -1,
    kFileKindTbf = 1,
    kFileKindTaf = 2,
    kFileKindTff = 3,
    kFileKindTpf = 5
};

class FileManager {
  public:
    static constexpr int kMaxOpenFiles = 50;
    static constexpr std::size_t kPathBytes = 256;
    static constexpr const char* kLogName = "datei.log";

    void Startup();
    void Shutdown();

    // A path read from a text file ends at its first line break; a non-empty result ends with
    // a backslash.
    void SetSearchPath(const char* path);
    const char* SearchPath() const { return searchPath_; }
    // A folder (inside the working directory and inside the search path) whose files replace
    // those of the same name when read: the English build's pictures with English words.
    // Empty: none.
    void SetLanguageFolder(const char* folder);
    const char* LanguageFolder() const { return languageFolder_; }
    // destination (kPathBytes) = search path + name with leading blanks and backslashes skipped;
    // left untouched when either is missing or the result would not fit.
    void BuildSearchName(char* destination, const char* name) const;

    // modes "rb", "rb+", "wb", "wb+"; 0 when the file cannot be opened (error 8).
    FileHandle Open(const char* name, const char* mode);
    int Close(FileHandle handle);
    int OpenCount() const { return openCount_; }

    long Tell(FileHandle handle);
    int Seek(FileHandle handle, int32_t offset, int origin);
    std::size_t Read(void* buffer, std::size_t itemSize, std::size_t count, FileHandle handle);
    std::size_t Write(const void* buffer, std::size_t itemSize, std::size_t count,
                      FileHandle handle);
    int GetByte(FileHandle handle);
    int PutByte(int byte, FileHandle handle);
    // Length of an open file in bytes (the position is kept); -1 for a 0 handle.
    long Length(FileHandle handle);

    void CopyFile(const char* source, const char* destination);
    void BackUpFile(const char* name);
    // Deletes / renames files named the engine's way; 0 on success like the stream library.
    int Remove(const char* name);
    int Rename(const char* from, const char* to);

    void SetTrace(int on) { trace_ = on; }
    void SetMessageBoxes(int on) { messageBoxes_ = on; }
    int MessageBoxes() const { return messageBoxes_; }
    void SetRetryHook(FileRetryHook hook) { retryHook_ = hook; }

    // '/' → '\' up to the first '.' of the name, in place.
    static void NormaliseSlashes(char* name);
    // The backup name (third extension character '@'); false for a name without '.'.
    static bool BackupName(const char* name, char* out, std::size_t outSize);
    // Kind of a 16-byte header by its tag, ignoring case: TBF 1, TPF 5, TAF 2, TFF 3, else -1.
    static int FileKind(const uint8_t* header);

  private:
    FileHandle openResolved(const char* name, const char* mode);
    // The name, else (reading) the search path + name; `report` traces and shows the failure.
    FileHandle openSearching(const char* name, const char* mode, bool report);
    // openSearching, for reading in the language folder first.
    FileHandle openTranslated(const char* name, const char* mode);
    void trace(const char* format, ...) __attribute__((format(printf, 2, 3)));

    char searchPath_[kPathBytes] = {};
    char languageFolder_[16] = {};
    int openCount_ = 0;
    int trace_ = 0;
    int messageBoxes_ = 1;
    FileRetryHook retryHook_ = nullptr;
    std::vector<FileHandle> open_;  // what shutdown closes
};

// The process-wide file manager.
FileManager& Files();

// Replaces the characters after the first '.' by the extension (without the dot), or appends
// '.' + extension when the name has none, then normalises slashes. Used by the format loaders.
void ForceExtension(char* name, std::size_t nameSize, const char* extension);
