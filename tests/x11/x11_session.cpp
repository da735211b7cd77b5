#include "x11_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

namespace velmora {
namespace {

pid_t Spawn(const std::vector<std::string>& command, const std::string& display, int keepFd = -1) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 256; ++fd) {
      if (fd != keepFd) close(fd);
    }
    std::vector<char*> argv;
    for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

void Stop(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
}

bool CommandSucceeds(const std::string& command) { return std::system(command.c_str()) == 0; }

}  // namespace

X11Session::X11Session() {
  // Xvfb picks a free display and writes its number to the pipe. Without
  // -noreset the server resets whenever its last client leaves, and a
  // client that connects during the reset is refused: the probe below
  // leaving just as openbox connects would make openbox give up at start.
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  server_ = Spawn({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1280x1024x24",
                   "-nolisten", "tcp", "-noreset"},
                  "", pipeFds[1]);
  close(pipeFds[1]);
  std::string number;
  char c;
  while (read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  display_ = ":" + number;
  windowManager_ = Spawn({"openbox", "--sm-disable"}, display_);
  WaitForWindowManager();
}

X11Session::~X11Session() {
  ResumeWindowManager();  // a test that failed half-way may have left it paused
  Stop(windowManager_);
  Stop(server_);
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
      throw std::runtime_error("openbox exited at start on " + display_);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  throw std::runtime_error("openbox did not take the screen of " + display_);
}

void X11Session::PauseWindowManager() const { kill(windowManager_, SIGSTOP); }

void X11Session::ResumeWindowManager() const { kill(windowManager_, SIGCONT); }

}  // namespace velmora
