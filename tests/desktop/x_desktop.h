#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "processes.h"

namespace velmora {

// What a test desktop runs besides its X server and its session bus.
struct DesktopOptions {
  // openbox, icewm, metacity, mutter, fluxbox or xfwm4.
  std::string windowManager = "openbox";
  // at-spi2-core's accessibility bus, for screen-reader tests.
  bool accessibilityBus = false;
};

// A desktop private to one test run: an X server (Xvfb) with a real
// reparenting window manager, a D-Bus session bus that starts nothing on
// demand and, if asked for, the accessibility bus. Started in the
// constructor, each part waited for until it is up; the destructor stops
// them all, and whatever they started, within a bounded time.
class XDesktop {
 public:
  explicit XDesktop(const DesktopOptions& options);
  ~XDesktop();
  XDesktop(const XDesktop&) = delete;
  XDesktop& operator=(const XDesktop&) = delete;

  // ":N", the display to connect to.
  const std::string& Display() const { return display_; }
  // The session bus's address, for DBUS_SESSION_BUS_ADDRESS.
  const std::string& SessionBus() const { return sessionBus_; }
  // A home folder of the desktop's own, empty at start.
  const std::string& Home() const { return home_; }
  const std::string& WindowManagerName() const { return windowManagerName_; }
  // DISPLAY and DBUS_SESSION_BUS_ADDRESS, for the programs of this desktop.
  Environment ClientEnvironment() const;
  // Points this process's own DISPLAY and DBUS_SESSION_BUS_ADDRESS here.
  void Enter() const;

  // Starts a program on this desktop with accessibility on, its output going
  // to this process's. The caller stops it.
  pid_t Launch(const std::vector<std::string>& command) const;
  // Presses keys on the desktop's keyboard, one after another, as xdotool
  // names them ("Tab", "Down", "e").
  void PressKeys(const std::string& keys) const;
  // Moves the pointer to a screen position and clicks the left button.
  void Click(int x, int y) const;

  // Holds the window manager still and lets it go on again, so that a test
  // can make it lag behind the program as a busy machine would.
  void PauseWindowManager() const;
  void ResumeWindowManager() const;
  // Holds the accessibility bus's launcher still and lets it go on again: a
  // program that starts meanwhile waits for the bus's address, as on a busy
  // desktop, while the bus and those already on it go on.
  void PauseAccessibilityBusLauncher() const;
  void ResumeAccessibilityBusLauncher() const;

 private:
  void WaitForWindowManager(pid_t windowManager);
  void WaitForAccessibilityBus(pid_t launcher);
  void Run(const std::string& command) const;

  SessionProcesses processes_;
  std::string display_;
  std::string sessionBus_;
  std::string home_;
  std::string windowManagerName_;
  pid_t windowManager_ = -1;
  pid_t accessibilityBusLauncher_ = -1;
};

// The window manager a real-window test run asks for: VELMORA_TEST_WM, or
// openbox.
std::string ChosenWindowManager();

}  // namespace velmora
