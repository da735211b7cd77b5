#pragma once

#include <string>
#include <sys/types.h>

namespace velmora {

// A real X server (Xvfb) with a real reparenting window manager (openbox),
// started for a test run and stopped when the session ends.
class X11Session {
 public:
  X11Session();
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // ":N", the display to connect to.
  const std::string& Display() const { return display_; }

  // Holds the window manager still and lets it go on again, so that a test
  // can make it lag behind the program as a busy machine would.
  void PauseWindowManager() const;
  void ResumeWindowManager() const;

 private:
  void WaitForWindowManager() const;

  pid_t server_ = -1;
  pid_t windowManager_ = -1;
  std::string display_;
};

// The session of this test run.
const X11Session& RunningSession();

}  // namespace velmora
