#include "engine/platform/process_start.h"

#include <pthread.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "engine/platform/terminal.h"

extern char** environ;

namespace platform {

namespace {

bool IsRunnable(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string OwnDirectory() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    std::string path(buffer, static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void* Reap(void* pid) {
    int status = 0;
    while (::waitpid(static_cast<pid_t>(reinterpret_cast<intptr_t>(pid)), &status, 0) < 0 &&
           errno == EINTR) {
    }
    return nullptr;
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return IsRunnable(name) ? name : std::string();

    const std::string own = OwnDirectory();
    if (!own.empty() && IsRunnable(own + "/" + name)) return own + "/" + name;

    // The usual rule: PATH entries in order, an empty entry meaning the working directory.
    const char* path = std::getenv("PATH");
    std::string entries = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= entries.size()) {
        std::size_t end = entries.find(':', start);
        if (end == std::string::npos) end = entries.size();
        const std::string folder = entries.substr(start, end - start);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsRunnable(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

bool StartProgram(const std::string& name) {
    const std::string path = FindProgram(name);
    if (path.empty()) {
        printToStderr("cannot start %s: not found beside this program or on PATH\n", name.c_str());
        return false;
    }

    // The child starts with a clean signal state: the starting program may block or ignore
    // signals for its own threads.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes,
                             static_cast<short>(POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF));

    std::string argv0 = name;
    char* argv[] = {argv0.data(), nullptr};
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, path.c_str(), nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        printToStderr("cannot start %s: %s\n", path.c_str(), std::strerror(error));
        return false;
    }

    // A detached thread waits for the child, so the program never leaves a zombie behind and
    // no process-wide SIGCHLD setting changes how anyone else waits for children.
    pthread_attr_t threadAttributes;
    pthread_attr_init(&threadAttributes);
    pthread_attr_setdetachstate(&threadAttributes, PTHREAD_CREATE_DETACHED);
    pthread_attr_setstacksize(&threadAttributes, 64 * 1024);
    pthread_t reaper;
    if (::pthread_create(&reaper, &threadAttributes, Reap,
                         reinterpret_cast<void*>(static_cast<intptr_t>(pid))) != 0) {
        printToStderr("%s started, but cannot be waited for; it stays a zombie when it ends\n",
                      path.c_str());
    }
    pthread_attr_destroy(&threadAttributes);
    return true;
}

}  // namespace platform
