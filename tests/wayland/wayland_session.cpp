#include "wayland_session.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "../session/child_process.h"

namespace velmora {

WaylandSession::WaylandSession() {
  runtimeDir_ = MakePrivateFolder("velmora-wayland");
  waylandDisplay_ = "velmora-" + std::to_string(getpid());
  const std::string log = runtimeDir_ + "/weston.log";
  compositor_ = Spawn({"weston", "--backend=headless-backend.so", "--xwayland", "--idle-time=0",
                       "--socket=" + waylandDisplay_, "--log=" + log},
                      {{"XDG_RUNTIME_DIR", runtimeDir_}});
  // weston says in its log which X display XWayland listens on, and opens
  // its own socket once it takes clients.
  const std::regex listening("xserver listening on display (:[0-9]+)");
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream file(log);
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    std::smatch match;
    if (std::regex_search(content, match, listening) &&
        std::filesystem::exists(runtimeDir_ + "/" + waylandDisplay_)) {
      xDisplay_ = match[1];
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("weston did not start; its log is " + log);
}

WaylandSession::~WaylandSession() {
  Stop(compositor_);
  std::error_code ignored;
  std::filesystem::remove_all(runtimeDir_, ignored);
}

}  // namespace velmora
