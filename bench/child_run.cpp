#include "child_run.h"

#include "quiet_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

extern char** environ;

namespace velmora::bench {
namespace {

using Clock = std::chrono::steady_clock;

std::runtime_error Failure(const std::string& path, const std::string& what) {
  return std::runtime_error(path + ": " + what);
}

std::vector<char*> NullTerminated(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// SIGCHLD stays blocked in this process so that the wait for a child's exit
// can be bounded by sigtimedwait; children start with nothing blocked.
sigset_t BlockChildSignal() {
  signal(SIGCHLD, SIG_DFL);
  sigset_t child;
  sigemptyset(&child);
  sigaddset(&child, SIGCHLD);
  pthread_sigmask(SIG_BLOCK, &child, nullptr);
  return child;
}

timespec ToTimespec(Clock::duration d) {
  const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
  return {static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

}  // namespace

ChildRun RunChild(const std::string& path, const std::vector<std::string>& environment,
                  double timeoutSeconds, const std::vector<std::string>& arguments) {
  const sigset_t child = BlockChildSignal();

  const QuietSpawn quiet(/*discardInput=*/true);
  std::vector<std::string> argvStrings{path};
  argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
  std::vector<std::string> envStrings = environment;
  std::vector<char*> argv = NullTerminated(argvStrings);
  std::vector<char*> envp = NullTerminated(envStrings);

  const Clock::time_point start = Clock::now();
  pid_t pid = 0;
  const int spawned = quiet.Spawn(&pid, path.c_str(), /*searchPath=*/false, argv.data(), envp.data());
  if (spawned != 0) throw Failure(path, std::string("cannot start: ") + std::strerror(spawned));

  const Clock::time_point deadline =
      start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds));
  for (;;) {
    int status = 0;
    rusage usage{};
    const pid_t reaped = wait4(pid, &status, WNOHANG, &usage);
    if (reaped == pid) {
      const Clock::time_point end = Clock::now();
      if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw Failure(path, "did not exit successfully (status " + std::to_string(status) + ")");
      }
      return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss};
    }
    if (reaped < 0) throw Failure(path, std::string("wait4: ") + std::strerror(errno));
    const Clock::duration left = deadline - Clock::now();
    if (left <= Clock::duration::zero()) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      throw Failure(path, "timed out");
    }
    const timespec wait = ToTimespec(left);
    sigtimedwait(&child, nullptr, &wait);
  }
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& dropped,
                                         const std::vector<std::string>& added) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string variable(*entry);
    const std::string name = variable.substr(0, variable.find('='));
    if (std::find(dropped.begin(), dropped.end(), name) == dropped.end()) result.push_back(variable);
  }
  result.insert(result.end(), added.begin(), added.end());
  return result;
}

}  // namespace velmora::bench
