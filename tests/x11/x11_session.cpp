#include "x11_session.h"

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <thread>

#include "../session/child_process.h"

namespace velmora {
namespace {

bool CommandSucceeds(const std::string& command) { return std::system(command.c_str()) == 0; }

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

X11Session::X11Session() {
  const char* chosen = std::getenv("VELMORA_TEST_WM");
  windowManagerName_ = chosen != nullptr && *chosen != '\0' ? chosen : "openbox";
  if (WindowManagerCommands().count(windowManagerName_) == 0) {
    throw std::runtime_error("unknown window manager " + windowManagerName_);
  }
  // Xvfb picks a free display and writes its number to the pipe. Without
  // -noreset the server resets whenever its last client leaves, and a
  // client that connects during the reset is refused: the probe below
  // leaving just as the manager connects would make it give up at start.
  display_ = ":" + SpawnAndReadLine({"Xvfb", "-displayfd", "", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                                     "-noreset"},
                                    2, {}, server_);
  StartWindowManager();
  WaitForWindowManager();
}

X11Session::~X11Session() {
  Stop(windowManager_);
  Stop(bus_);
  Stop(server_);
  std::error_code ignored;
  std::filesystem::remove_all(home_, ignored);
}

void X11Session::StartWindowManager() {
  // Some managers write their settings to the home folder; each run gets an
  // empty one, so every run starts from the manager's own defaults.
  home_ = MakePrivateFolder("velmora-wm");
  const std::string address = SpawnAndReadLine({"dbus-daemon", "--session", "--nofork", "--print-address="}, 3, {}, bus_);
  windowManager_ = Spawn(WindowManagerCommands().at(windowManagerName_),
                         {{"DISPLAY", display_}, {"HOME", home_}, {"DBUS_SESSION_BUS_ADDRESS", address},
                          {"XDG_RUNTIME_DIR", home_}});
}

void X11Session::WaitForWindowManager() const {
  // A window manager that follows the EWMH announces itself on the root
  // window once it manages the screen.
  const std::string probe = "DISPLAY=" + display_ + " xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'";
  // Generous: on a loaded machine starting the window manager can take a while.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (CommandSucceeds(probe)) return;
    if (waitpid(windowManager_, nullptr, WNOHANG) == windowManager_) {
      throw std::runtime_error(windowManagerName_ + " exited at start on " + display_);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error(windowManagerName_ + " did not take the screen of " + display_);
}

void X11Session::PauseWindowManager() const { kill(windowManager_, SIGSTOP); }

void X11Session::ResumeWindowManager() const { kill(windowManager_, SIGCONT); }

}  // namespace velmora
