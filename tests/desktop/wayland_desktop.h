#pragma once

#include <string>

#include "processes.h"

namespace velmora {

// A real Wayland compositor (weston on its headless backend) that also
// offers an X display through XWayland, as a Wayland desktop session does,
// with a D-Bus session bus of its own; started for a test run and stopped,
// with whatever it started, within a bounded time.
class WaylandDesktop {
 public:
  WaylandDesktop();
  ~WaylandDesktop();
  WaylandDesktop(const WaylandDesktop&) = delete;
  WaylandDesktop& operator=(const WaylandDesktop&) = delete;

  // The compositor's socket name (WAYLAND_DISPLAY), its X display (":N") and
  // the private runtime folder both live in (XDG_RUNTIME_DIR).
  const std::string& WaylandDisplay() const { return waylandDisplay_; }
  const std::string& XDisplay() const { return xDisplay_; }
  const std::string& RuntimeDir() const { return runtimeDir_; }
  // Points this process's environment at this desktop, as a Wayland
  // session sets it for its programs.
  void Enter() const;

 private:
  SessionProcesses processes_;
  std::string runtimeDir_;
  std::string waylandDisplay_;
  std::string xDisplay_;
  std::string sessionBus_;
};

}  // namespace velmora
