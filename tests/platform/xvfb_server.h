#pragma once
// A private X server (Xvfb, 1024 × 768 at 24 bits) for the tests of the SDL face on SDL's x11
// driver: it takes the first free display number itself (-displayfd), so test programs that
// run at the same time each get their own. Every wait is bounded.

#include <sys/types.h>

#include <string>

class XvfbServer {
  public:
    XvfbServer() = default;
    ~XvfbServer() { stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // False, with the reason in why, when no server came up within a few seconds.
    bool start(std::string* why);
    void stop();
    // ":N" once started.
    const std::string& display() const { return display_; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};
