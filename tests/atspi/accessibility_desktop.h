#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora {

// A desktop as a screen-reader user has it, private to one test run: an X
// server (Xvfb) with a window manager (openbox), a D-Bus session bus and
// at-spi2-core's accessibility bus. Started in the constructor; the
// destructor stops them and every process they started.
class AccessibilityDesktop {
 public:
  AccessibilityDesktop();
  ~AccessibilityDesktop();
  AccessibilityDesktop(const AccessibilityDesktop&) = delete;
  AccessibilityDesktop& operator=(const AccessibilityDesktop&) = delete;

  // ":N", the display to connect to.
  const std::string& Display() const { return display_; }
  // The session bus's address, for DBUS_SESSION_BUS_ADDRESS.
  const std::string& SessionBus() const { return sessionBus_; }

  // Starts a program on this desktop with accessibility on, its output going
  // to this process's.
  pid_t Launch(const std::vector<std::string>& command) const;
  // Presses keys on the desktop's keyboard, one after another, as xdotool
  // names them ("Tab", "Down", "e").
  void PressKeys(const std::string& keys) const;
  // Moves the pointer to a screen position and clicks the left button.
  void Click(int x, int y) const;

 private:
  void WaitForWindowManager(pid_t windowManager) const;
  void WaitForAccessibilityBus(pid_t launcher) const;
  void Run(const std::string& command) const;

  std::string display_;
  std::string sessionBus_;
};

}  // namespace velmora
