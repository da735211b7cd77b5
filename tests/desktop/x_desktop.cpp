#include "x_desktop.h"

#include <signal.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <thread>

#include "x_windows.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
// Generous: on a loaded machine a daemon can take seconds to come up.
constexpr auto kStartWait = std::chrono::seconds(60);

// How each window manager is started: alone, without session management or
// compositing where it can go without.
const std::map<std::string, std::vector<std::string>>& WindowManagerCommands() {
  static const std::map<std::string, std::vector<std::string>> commands = {
      {"openbox", {"openbox", "--sm-disable"}},
      {"icewm", {"icewm"}},
      {"metacity", {"metacity"}},
      {"mutter", {"mutter", "--x11"}},
      {"fluxbox", {"fluxbox"}},
      {"xfwm4", {"xfwm4", "--compositor=off", "--sm-client-disable"}},
  };
  return commands;
}

}  // namespace

std::string ChosenWindowManager() {
  const char* chosen = std::getenv("VELMORA_TEST_WM");
  return chosen != nullptr && *chosen != '\0' ? chosen : "openbox";
}

XDesktop::XDesktop(const DesktopOptions& options) : windowManagerName_(options.windowManager) {
  if (WindowManagerCommands().count(windowManagerName_) == 0) {
    throw std::runtime_error("unknown window manager " + windowManagerName_);
  }
  // Some programs write their settings to the home folder; each desktop
  // gets an empty one, so that every run starts from their defaults.
  home_ = MakePrivateFolder("velmora-desktop");
  // Xvfb picks a free display and writes its number to the pipe. Without
  // -noreset the server resets whenever its last client leaves, and a
  // client that connects during the reset is refused.
  pid_t started = -1;
  display_ = ":" + processes_.StartAndReadLine(
                       {"Xvfb", "-displayfd", "", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"}, 2,
                       {}, started);
  // A bus of the desktop's own, which starts nothing on demand: every
  // daemon is started here, so none can be started behind the session's
  // back and outlive it, and no program autolaunches a bus of its own.
  sessionBus_ = processes_.StartAndReadLine(
      {"dbus-daemon", "--config-file=" VELMORA_SESSION_BUS_CONFIG, "--nofork", "--print-address="}, 3, {}, started);
  Environment environment = ClientEnvironment();
  environment["HOME"] = home_;
  environment["XDG_RUNTIME_DIR"] = home_;
  windowManager_ = processes_.Start(WindowManagerCommands().at(windowManagerName_), environment);
  WaitForWindowManager(windowManager_);
  if (options.accessibilityBus) {
    accessibilityBusLauncher_ =
        processes_.Start({"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, environment);
    WaitForAccessibilityBus(accessibilityBusLauncher_);
  }
}

XDesktop::~XDesktop() {
  processes_.StopAll();
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

Environment XDesktop::ClientEnvironment() const {
  return {{"DISPLAY", display_}, {"DBUS_SESSION_BUS_ADDRESS", sessionBus_}};
}

void XDesktop::Enter() const {
  for (const auto& [name, value] : ClientEnvironment()) setenv(name.c_str(), value.c_str(), 1);
}

pid_t XDesktop::Launch(const std::vector<std::string>& command) const {
  Environment environment = ClientEnvironment();
  environment["QT_QPA_PLATFORM"] = "xcb";
  environment["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
  return Spawn(command, environment, -1, Output::kShown);
}

void XDesktop::PressKeys(const std::string& keys) const { Run("xdotool key --delay 50 " + keys); }

void XDesktop::Click(int x, int y) const {
  Run("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) + " click 1");
}

void XDesktop::PauseWindowManager() const { kill(windowManager_, SIGSTOP); }

void XDesktop::ResumeWindowManager() const { kill(windowManager_, SIGCONT); }

void XDesktop::PauseAccessibilityBusLauncher() const {
  if (accessibilityBusLauncher_ <= 0) throw std::logic_error("this desktop has no accessibility bus");
  kill(accessibilityBusLauncher_, SIGSTOP);
}

void XDesktop::ResumeAccessibilityBusLauncher() const {
  if (accessibilityBusLauncher_ > 0) kill(accessibilityBusLauncher_, SIGCONT);
}

void XDesktop::Run(const std::string& command) const {
  const std::string line = "DISPLAY=" + display_ + " " + command;
  if (std::system(line.c_str()) != 0) throw std::runtime_error("failed: " + line);
}

void XDesktop::WaitForWindowManager(pid_t windowManager) {
  // A window manager that follows the EWMH announces itself on the root
  // window once it manages the screen.
  XWindows server(display_);
  bool exited = false;
  const bool announced = server.WaitForWindowManager(std::chrono::duration_cast<std::chrono::milliseconds>(kStartWait),
                                                     [&] { return !(exited = processes_.Ended(windowManager)); });
  if (announced) return;
  throw std::runtime_error(windowManagerName_ + (exited ? " exited at start on " : " did not take the screen of ") +
                           display_);
}

void XDesktop::WaitForAccessibilityBus(pid_t launcher) {
  // The launcher owns org.a11y.Bus on the session bus once the accessibility
  // bus is up; programs and readers ask it for that bus's address. Asked
  // whether the name has an owner, the bus does not start a launcher of its
  // own.
  const std::string probe =
      "dbus-send --bus='" + sessionBus_ +
      "' --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "
      "org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'";
  for (const auto deadline = Clock::now() + kStartWait; Clock::now() < deadline;) {
    if (std::system(probe.c_str()) == 0) return;
    if (processes_.Ended(launcher)) throw std::runtime_error("at-spi-bus-launcher exited at start");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("the accessibility bus did not come up");
}

}  // namespace velmora
