#include "accessibility_desktop.h"

#include <dirent.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "../session/child_process.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
// Generous: on a loaded machine a daemon can take seconds to come up.
constexpr auto kStartWait = std::chrono::seconds(60);

// The processes whose parent is this one: the daemons started here and,
// since this process adopts orphans, whatever they started and left behind.
std::vector<pid_t> Children() {
  std::vector<pid_t> children;
  DIR* proc = opendir("/proc");
  if (proc == nullptr) return children;
  const std::string self = std::to_string(getpid());
  while (const dirent* entry = readdir(proc)) {
    const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
    if (pid <= 0) continue;
    std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
    std::string line;
    std::getline(stat, line);
    // pid (comm) state ppid ...: the command name may hold blanks.
    const auto close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::string state;
    std::string parent;
    std::istringstream fields(line.substr(close + 1));
    fields >> state >> parent;
    if (parent == self) children.push_back(pid);
  }
  closedir(proc);
  return children;
}

bool Exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

}  // namespace

AccessibilityDesktop::AccessibilityDesktop() {
  // Daemons that the bus launcher and the buses start are adopted by this
  // process when their parent goes, so that none outlives the test.
  prctl(PR_SET_CHILD_SUBREAPER, 1);

  // Xvfb picks a free display and writes its number to the pipe; -noreset
  // keeps it from resetting whenever its last client leaves.
  pid_t started = -1;
  display_ = ":" + SpawnAndReadLine({"Xvfb", "-displayfd", "", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                     "-noreset"},
                                    2, {}, started);
  sessionBus_ = SpawnAndReadLine({"dbus-daemon", "--config-file=" VELMORA_SESSION_BUS_CONFIG, "--nofork",
                                  "--print-address="},
                                 3, {}, started);

  const Environment desktop{{"DISPLAY", display_}, {"DBUS_SESSION_BUS_ADDRESS", sessionBus_}};
  WaitForWindowManager(Spawn({"openbox", "--sm-disable"}, desktop));
  WaitForAccessibilityBus(Spawn({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, desktop));
}

AccessibilityDesktop::~AccessibilityDesktop() {
  // Asks every process left to end, then ends those that do not. A daemon
  // whose parent has just gone may take a moment to be handed to this
  // process: done only once none has been seen for a while.
  const auto forceAfter = Clock::now() + std::chrono::seconds(5);
  for (int quietScans = 0; quietScans < 10;) {
    const std::vector<pid_t> left = Children();
    quietScans = left.empty() ? quietScans + 1 : 0;
    const int signal = Clock::now() < forceAfter ? SIGTERM : SIGKILL;
    for (pid_t pid : left) {
      if (!Exited(pid)) kill(pid, signal);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    for (pid_t pid : left) Exited(pid);
  }
}

pid_t AccessibilityDesktop::Launch(const std::vector<std::string>& command) const {
  return Spawn(command,
               {{"DISPLAY", display_},
                {"DBUS_SESSION_BUS_ADDRESS", sessionBus_},
                {"QT_QPA_PLATFORM", "xcb"},
                {"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}},
               -1, Output::kShown);
}

void AccessibilityDesktop::PressKeys(const std::string& keys) const { Run("xdotool key --delay 50 " + keys); }

void AccessibilityDesktop::Click(int x, int y) const {
  Run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void AccessibilityDesktop::Run(const std::string& command) const {
  const std::string line = "DISPLAY=" + display_ + " " + command;
  if (std::system(line.c_str()) != 0) throw std::runtime_error("failed: " + line);
}

void AccessibilityDesktop::WaitForWindowManager(pid_t windowManager) const {
  // A window manager that follows the EWMH announces itself on the root
  // window once it manages the screen.
  const std::string probe = "DISPLAY=" + display_ + " xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'";
  for (const auto deadline = Clock::now() + kStartWait; Clock::now() < deadline;) {
    if (std::system(probe.c_str()) == 0) return;
    if (Exited(windowManager)) throw std::runtime_error("openbox exited at start on " + display_);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("openbox did not take the screen of " + display_);
}

void AccessibilityDesktop::WaitForAccessibilityBus(pid_t launcher) const {
  // The launcher owns org.a11y.Bus on the session bus once the accessibility
  // bus is up; programs and readers ask it for that bus's address. Asked
  // whether the name has an owner, the bus does not start a launcher of its
  // own.
  const std::string probe = "dbus-send --bus='" + sessionBus_ +
                            "' --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
                            "org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'";
  for (const auto deadline = Clock::now() + kStartWait; Clock::now() < deadline;) {
    if (std::system(probe.c_str()) == 0) return;
    if (Exited(launcher)) throw std::runtime_error("at-spi-bus-launcher exited at start");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("the accessibility bus did not come up");
}

}  // namespace velmora
