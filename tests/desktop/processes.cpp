#include "processes.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTermWait = std::chrono::seconds(2);
// A killed process is gone at once unless the kernel holds it in a system
// call; past this it is reported and left.
constexpr auto kKillWait = std::chrono::seconds(2);

// Waits up to `wait` for the process to end and reaps it.
bool Reaped(pid_t pid, Clock::duration wait) {
  for (const auto deadline = Clock::now() + wait;;) {
    const pid_t done = waitpid(pid, nullptr, WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::string CommandName(pid_t pid) {
  std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
  std::string name;
  std::getline(comm, name);
  return name.empty() ? "pid " + std::to_string(pid) : name + " (" + std::to_string(pid) + ")";
}

// The processes whose parent is this one: those started here and, since
// this process adopts orphans, whatever they started and left behind.
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

}  // namespace

pid_t Spawn(const std::vector<std::string>& command, const Environment& environment, int keepFd, Output output) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    const int null = open("/dev/null", O_RDWR);
    dup2(null, STDIN_FILENO);
    if (output == Output::kDiscarded) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
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

bool Stop(pid_t pid, const std::string& what) {
  if (pid <= 0) return true;
  kill(pid, SIGCONT);  // a test that failed half-way may have left it paused
  kill(pid, SIGTERM);
  if (Reaped(pid, kTermWait)) return true;
  std::fprintf(stderr, "%s did not end when asked to: killed\n", what.c_str());
  kill(pid, SIGKILL);
  if (!Reaped(pid, kKillWait)) std::fprintf(stderr, "%s did not end even when killed\n", what.c_str());
  return false;
}

std::string MakePrivateFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return pattern;
}

SessionProcesses::SessionProcesses() {
  // Daemons that the buses and launchers start are adopted by this process
  // when their parent goes, so that they can be ended with the session.
  prctl(PR_SET_CHILD_SUBREAPER, 1);
}

SessionProcesses::~SessionProcesses() { StopAll(); }

pid_t SessionProcesses::Start(const std::vector<std::string>& command, const Environment& environment, int keepFd,
                              Output output) {
  const pid_t pid = Spawn(command, environment, keepFd, output);
  started_.push_back(pid);
  return pid;
}

std::string SessionProcesses::StartAndReadLine(std::vector<std::string> command, std::size_t fdArgument,
                                               const Environment& environment, pid_t& pid) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  command[fdArgument] += std::to_string(pipeFds[1]);
  pid = Start(command, environment, pipeFds[1]);
  close(pipeFds[1]);
  std::string line;
  char c;
  while (read(pipeFds[0], &c, 1) == 1 && c != '\n') line += c;
  close(pipeFds[0]);
  if (line.empty()) throw std::runtime_error(command[0] + " did not start");
  return line;
}

bool SessionProcesses::Ended(pid_t pid) {
  if (std::find(ended_.begin(), ended_.end(), pid) != ended_.end()) return true;
  if (waitpid(pid, nullptr, WNOHANG) != pid) return false;
  ended_.push_back(pid);
  return true;
}

void SessionProcesses::StopAll() {
  // Last started first: a window manager or bus launcher goes while the
  // server and the bus it talks to are still there to answer it, so no
  // program waits on one that has already gone; and each wait is bounded.
  for (auto pid = started_.rbegin(); pid != started_.rend(); ++pid) {
    if (!Ended(*pid)) Stop(*pid, CommandName(*pid));
  }
  started_.clear();
  // What they left behind. A daemon whose parent has just gone may take a
  // moment to be handed to this process: done once none has been seen for
  // a while, and within a few seconds whatever happens.
  const auto giveUp = Clock::now() + kTermWait + kKillWait;
  for (int quietScans = 0; quietScans < 5 && Clock::now() < giveUp;) {
    const std::vector<pid_t> left = Children();
    quietScans = left.empty() ? quietScans + 1 : 0;
    for (pid_t pid : left) {
      if (waitpid(pid, nullptr, WNOHANG) == pid) continue;
      Stop(pid, CommandName(pid));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace velmora
