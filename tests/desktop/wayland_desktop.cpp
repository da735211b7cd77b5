#include "wayland_desktop.h"

#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace velmora {

WaylandDesktop::WaylandDesktop() {
  runtimeDir_ = MakePrivateFolder("velmora-wayland");
  waylandDisplay_ = "velmora-" + std::to_string(getpid());
  pid_t started = -1;
  sessionBus_ = processes_.StartAndReadLine(
      {"dbus-daemon", "--config-file=" VELMORA_SESSION_BUS_CONFIG, "--nofork", "--print-address="}, 3, {}, started);
  const std::string log = runtimeDir_ + "/weston.log";
  const pid_t compositor =
      processes_.Start({"weston", "--backend=headless-backend.so", "--xwayland", "--idle-time=0",
                        "--socket=" + waylandDisplay_, "--log=" + log},
                       {{"XDG_RUNTIME_DIR", runtimeDir_}, {"DBUS_SESSION_BUS_ADDRESS", sessionBus_}});
  // weston says in its log which X display XWayland listens on, and opens
  // its own socket once it takes clients.
  const std::regex listening("xserver listening on display (:[0-9]+)");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    if (processes_.Ended(compositor)) throw std::runtime_error("weston exited at start; its log is " + log);
    std::ifstream file(log);
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    std::smatch match;
    if (std::regex_search(content, match, listening) && std::filesystem::exists(runtimeDir_ + "/" + waylandDisplay_)) {
      xDisplay_ = match[1];
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("weston did not start; its log is " + log);
}

WaylandDesktop::~WaylandDesktop() {
  processes_.StopAll();
  std::error_code ignored;
  std::filesystem::remove_all(runtimeDir_, ignored);
}

void WaylandDesktop::Enter() const {
  setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
  setenv("WAYLAND_DISPLAY", waylandDisplay_.c_str(), 1);
  setenv("DISPLAY", xDisplay_.c_str(), 1);
  setenv("DBUS_SESSION_BUS_ADDRESS", sessionBus_.c_str(), 1);
  setenv("XDG_SESSION_TYPE", "wayland", 1);
}

}  // namespace velmora
