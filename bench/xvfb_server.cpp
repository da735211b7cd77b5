#include "xvfb_server.h"

#include "quiet_spawn.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace velmora::bench {
namespace {

constexpr int kStartTimeoutMs = 10'000;

// Reads the display number Xvfb writes, one line, once it is ready, and
// returns the DISPLAY value for it.
std::string ReadDisplay(int fd) {
  std::string line = ":";
  for (;;) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, kStartTimeoutMs) <= 0) throw std::runtime_error("Xvfb: no display number");
    char c = 0;
    if (read(fd, &c, 1) != 1) throw std::runtime_error("Xvfb: exited before it was ready");
    if (c == '\n') return line;
    line.push_back(c);
  }
}

}  // namespace

XvfbServer::XvfbServer() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("Xvfb: pipe");
  // The write end alone is inherited by the server.
  fcntl(fds[1], F_SETFD, 0);

  // Each measured run is the server's only client. -noreset keeps the server
  // from resetting after every run, so the next run never connects mid-reset.
  const QuietSpawn quiet(/*discardInput=*/false);
  std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                "1280x1024x24", "-nolisten", "tcp", "-noreset"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int spawned = quiet.Spawn(&pid_, "Xvfb", /*searchPath=*/true, argv.data(), environ);
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    throw std::runtime_error(std::string("Xvfb: cannot start: ") + std::strerror(spawned));
  }
  try {
    display_ = ReadDisplay(fds[0]);
  } catch (...) {
    close(fds[0]);
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    throw;
  }
  close(fds[0]);
}

XvfbServer::~XvfbServer() {
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace velmora::bench
