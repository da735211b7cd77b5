#pragma once

#include <string>
#include <sys/types.h>

namespace velmora {

// A real Wayland compositor (weston on its headless backend) that also
// offers an X display through XWayland, as a Wayland desktop session does;
// started for a test run and stopped when the session ends.
class WaylandSession {
 public:
  WaylandSession();
  ~WaylandSession();
  WaylandSession(const WaylandSession&) = delete;
  WaylandSession& operator=(const WaylandSession&) = delete;

  // The compositor's socket name (WAYLAND_DISPLAY), its X display (":N") and
  // the private runtime folder both live in (XDG_RUNTIME_DIR).
  const std::string& WaylandDisplay() const { return waylandDisplay_; }
  const std::string& XDisplay() const { return xDisplay_; }
  const std::string& RuntimeDir() const { return runtimeDir_; }

 private:
  pid_t compositor_ = -1;
  std::string runtimeDir_;
  std::string waylandDisplay_;
  std::string xDisplay_;
};

// The session of this test run.
const WaylandSession& RunningWaylandSession();

}  // namespace velmora
