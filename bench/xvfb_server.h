#pragma once

#include <sys/types.h>

#include <string>

namespace velmora::bench {

// A virtual X server of its own, on a display number the server picks
// itself among the free ones. No window manager runs on it.
class XvfbServer {
 public:
  // Starts Xvfb and waits until it accepts connections. Throws
  // std::runtime_error when it cannot be started.
  XvfbServer();
  // Stops the server and waits for it to exit.
  ~XvfbServer();

  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // The value for DISPLAY, e.g. ":1".
  const std::string& Display() const { return display_; }

 private:
  pid_t pid_ = 0;
  std::string display_;
};

}  // namespace velmora::bench
