#pragma once

#include <string>
#include <sys/types.h>

namespace velmora {

// A real X server (Xvfb) with a real reparenting window manager, started
// for a test run and stopped when the session ends. The manager is the one
// VELMORA_TEST_WM names (openbox, icewm, metacity, mutter, fluxbox or
// xfwm4; openbox when unset); it runs with a home of its own and, for those
// that want one, a private D-Bus session bus.
class X11Session {
 public:
  X11Session();
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // ":N", the display to connect to.
  const std::string& Display() const { return display_; }
  const std::string& WindowManagerName() const { return windowManagerName_; }

  // Holds the window manager still and lets it go on again, so that a test
  // can make it lag behind the program as a busy machine would.
  void PauseWindowManager() const;
  void ResumeWindowManager() const;

 private:
  void StartWindowManager();
  void WaitForWindowManager() const;

  pid_t server_ = -1;
  pid_t bus_ = -1;
  pid_t windowManager_ = -1;
  std::string display_;
  std::string windowManagerName_;
  std::string home_;
};

// The session of this test run.
const X11Session& RunningSession();

}  // namespace velmora
