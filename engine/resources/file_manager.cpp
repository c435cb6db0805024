#include "engine/resources/file_manager.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>

#include "engine/base/dos_path.h"
#include "engine/base/messages.h"

namespace {

FileManager theFileManager;

bool modeSearches(const char* mode) {
    return std::strcmp(mode, "rb") == 0 || std::strcmp(mode, "rb+") == 0;
}

unsigned long handleValue(FileHandle handle) {
    return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace

FileManager& Files() {
    return theFileManager;
}

void FileManager::trace(const char* format, ...) {
    if (!trace_) return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    AppendToLog(kLogName, "%s", text);
}

void FileManager::Startup() {
    openCount_ = 0;
    open_.clear();
    trace_ = 0;
    messageBoxes_ = 1;
    retryHook_ = nullptr;
    std::memset(searchPath_, 0, sizeof searchPath_);
    std::memset(languageFolder_, 0, sizeof languageFolder_);
    // Linux allows far more than the 50 streams the engine counts against; nothing to raise.
    std::remove(ResolveDosPath(std::string(GetLogDirectory()) + "datei.log").c_str());
    std::remove((std::string(GetLogDirectory()) + "DATEI.LOG").c_str());
}

void FileManager::Shutdown() {
    trace_ = 0;
    if (openCount_ != 0 && messageBoxes_) {
        WinInfoMsg("There are still %lu files open! They will be closed.",
                   static_cast<unsigned long>(openCount_));
    }
    for (FileHandle handle : open_) std::fclose(handle);
    open_.clear();
    openCount_ = 0;
    std::memset(searchPath_, 0, sizeof searchPath_);
    messageBoxes_ = 1;
    retryHook_ = nullptr;
}

void FileManager::SetSearchPath(const char* path) {
    if (!path) path = "";
    const std::size_t length = std::strlen(path);
    if (length > kPathBytes) {
        if (messageBoxes_) WinInfoMsg("SearchPath exceeds maximum PATH-LEN!");
        std::memset(searchPath_, 0, sizeof searchPath_);
        return;
    }
    // Room for a path of 256 characters plus the terminator, cut to the buffer afterwards.
    char copy[kPathBytes + 2] = {};
    std::memcpy(copy, path, length);
    for (std::size_t i = 0; i < length; ++i) {
        if (copy[i] == '\r' || copy[i] == '\n') copy[i] = '\0';
    }
    std::size_t used = std::strlen(copy);
    // An empty path stays empty: it means "no search path".
    if (used > 0 && copy[used - 1] != '\\' && copy[used - 1] != '/') copy[used++] = '\\';
    used = std::min(used, kPathBytes - 1);
    std::memset(searchPath_, 0, sizeof searchPath_);
    std::memcpy(searchPath_, copy, used);
}

void FileManager::SetLanguageFolder(const char* folder) {
    std::memset(languageFolder_, 0, sizeof languageFolder_);
    if (!folder) return;
    const std::size_t length = std::strlen(folder);
    if (length >= sizeof languageFolder_) return;
    std::memcpy(languageFolder_, folder, length);
}

void FileManager::BuildSearchName(char* destination, const char* name) const {
    if (!destination || !name) return;
    if (std::strlen(searchPath_) + std::strlen(name) >= kPathBytes) return;
    while (*name == ' ' || *name == '\\') ++name;
    const std::size_t pathLength = std::strlen(searchPath_);
    std::memcpy(destination, searchPath_, pathLength);
    std::strcpy(destination + pathLength, name);
}

void FileManager::NormaliseSlashes(char* name) {
    if (!name) return;
    for (; *name && *name != '.'; ++name) {
        if (*name == '/') *name = '\\';
    }
}

FileHandle FileManager::openResolved(const char* name, const char* mode) {
    // Reading tries the name as written first: the usual case needs no directory lookups.
    // Writing always resolves, so that an existing file of another case is the one replaced.
    FileHandle handle = nullptr;
    if (mode[0] == 'r') {
        std::string direct(name);
        std::replace(direct.begin(), direct.end(), '\\', '/');
        handle = std::fopen(direct.c_str(), mode);
        if (!handle) {
            const std::string resolved = ResolveDosPath(name);
            if (resolved != direct) handle = std::fopen(resolved.c_str(), mode);
        }
    } else {
        handle = std::fopen(ResolveDosPath(name).c_str(), mode);
    }
    if (handle) {
        ++openCount_;
        open_.push_back(handle);
        trace("OK  (%lx) \n ", handleValue(handle));
    }
    return handle;
}

FileHandle FileManager::openSearching(const char* name, const char* mode, bool report) {
    if (FileHandle handle = openResolved(name, mode)) return handle;
    if (!modeSearches(mode)) {
        if (report) trace("ERROR \n ");
    } else if (searchPath_[0] == '\0') {
        if (report) {
            trace("ERROR \n ");
            if (openCount_ >= kMaxOpenFiles && messageBoxes_) {
                WinInfoMsg("Too much Files Open! %d of %d", openCount_, kMaxOpenFiles);
            }
        }
    } else if (std::strlen(searchPath_) + std::strlen(name) >= kPathBytes) {
        if (report) {
            trace("ERROR \n ");
            if (messageBoxes_) WinInfoMsg("SearchPath+FileName exceeds MAXPATH!");
        }
    } else {
        char searchName[kPathBytes] = {};
        BuildSearchName(searchName, name);
        if (FileHandle handle = openResolved(searchName, mode)) return handle;
        if (report) trace("ERROR \n ");
    }
    return nullptr;
}

FileHandle FileManager::openTranslated(const char* name, const char* mode) {
    // A translated file wins wherever it is found; absolute names are never translated.
    if (languageFolder_[0] != '\0' && modeSearches(mode) && name[0] != '/') {
        const char* own = name;
        while (*own == ' ' || *own == '\\') ++own;
        const std::string translated = std::string(languageFolder_) + "\\" + own;
        if (FileHandle handle = openSearching(translated.c_str(), mode, false)) return handle;
    }
    return openSearching(name, mode, true);
}

FileHandle FileManager::Open(const char* name, const char* mode) {
    if (!name || !mode) {
        SetErrorCode(kErrOpen);
        return nullptr;
    }
    for (;;) {
        trace("Attempt to open file %s ..... ", name);
        if (FileHandle handle = openTranslated(name, mode)) return handle;
        if (retryHook_ && retryHook_(name, mode) != 0) continue;
        SetErrorCode(kErrOpen);
        return nullptr;
    }
}

int FileManager::Close(FileHandle handle) {
    if (!handle) return 0;
    trace("Close File (%lx) \n ", handleValue(handle));
    auto it = std::find(open_.begin(), open_.end(), handle);
    if (it != open_.end()) {
        open_.erase(it);
        --openCount_;
    }
    std::fclose(handle);
    return 0;
}

long FileManager::Tell(FileHandle handle) {
    return handle ? std::ftell(handle) : 0;
}

int FileManager::Seek(FileHandle handle, int32_t offset, int origin) {
    if (!handle) return -1;
    const int whence = origin == 1 ? SEEK_CUR : origin == 2 ? SEEK_END : SEEK_SET;
    return std::fseek(handle, offset, whence);
}

std::size_t FileManager::Read(void* buffer, std::size_t itemSize, std::size_t count,
                              FileHandle handle) {
    if (!handle || !buffer) return 0;
    return std::fread(buffer, itemSize, count, handle);
}

std::size_t FileManager::Write(const void* buffer, std::size_t itemSize, std::size_t count,
                               FileHandle handle) {
    if (!handle || !buffer) return 0;
    return std::fwrite(buffer, itemSize, count, handle);
}

int FileManager::GetByte(FileHandle handle) {
    return handle ? std::fgetc(handle) : -1;
}

int FileManager::PutByte(int byte, FileHandle handle) {
    return handle ? std::fputc(byte, handle) : -1;
}

long FileManager::Length(FileHandle handle) {
    if (!handle) return -1;
    const long here = std::ftell(handle);
    if (std::fseek(handle, 0, SEEK_END) != 0) return -1;
    const long length = std::ftell(handle);
    std::fseek(handle, here, SEEK_SET);
    return length;
}

void FileManager::CopyFile(const char* source, const char* destination) {
    FileHandle in = Open(source, "rb");
    if (!in) {
        SetErrorCode(kErrOpen);
        return;
    }
    FileHandle out = Open(destination, "wb");
    if (!out) {
        Close(in);
        SetErrorCode(kErrOpen);
        return;
    }
    char buffer[16384];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        if (std::fwrite(buffer, 1, got, out) != got) {
            SetErrorCode(kErrWrite);
            break;
        }
    }
    Close(in);
    Close(out);
}

bool FileManager::BackupName(const char* name, char* out, std::size_t outSize) {
    if (!name || !out || outSize == 0) return false;
    const char* dot = ExtensionDot(name);
    if (!dot) return false;
    std::string result(name, dot + 1);
    std::string extension(dot + 1);
    extension = extension.substr(0, std::min<std::size_t>(extension.size(), 2));
    result += extension;
    result += '@';
    if (result.size() + 1 > outSize) return false;
    std::memcpy(out, result.c_str(), result.size() + 1);
    return true;
}

void FileManager::BackUpFile(const char* name) {
    char backup[kPathBytes];
    if (!BackupName(name, backup, sizeof backup)) return;
    Remove(backup);
    CopyFile(name, backup);
}

int FileManager::Remove(const char* name) {
    return name ? std::remove(ResolveDosPath(name).c_str()) : -1;
}

int FileManager::Rename(const char* from, const char* to) {
    if (!from || !to) return -1;
    return std::rename(ResolveDosPath(from).c_str(), ResolveDosPath(to).c_str());
}

int FileManager::FileKind(const uint8_t* header) {
    if (!header) return kFileKindUnknown;
    const std::string_view tag(reinterpret_cast<const char*>(header), 3);
    int kind = kFileKindUnknown;
    if (EqualsIgnoringCase(tag, "TBF")) kind = kFileKindTbf;
    if (EqualsIgnoringCase(tag, "TPF")) kind = kFileKindTpf;
    if (EqualsIgnoringCase(tag, "TAF")) kind = kFileKindTaf;
    if (EqualsIgnoringCase(tag, "TFF")) kind = kFileKindTff;
    return kind;
}

void ForceExtension(char* name, std::size_t nameSize, const char* extension) {
    if (!name || nameSize == 0 || !extension) return;
    char* dot = const_cast<char*>(ExtensionDot(name));
    const std::size_t base = dot ? static_cast<std::size_t>(dot - name) : std::strlen(name);
    if (base + 1 + std::strlen(extension) + 1 <= nameSize) {
        name[base] = '.';
        std::strcpy(name + base + 1, extension);
    }
    FileManager::NormaliseSlashes(name);
}
