#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace velmora {

using Environment = std::map<std::string, std::string>;

// `base` with the variables of `over` set over its own.
inline Environment Overlaid(Environment base, const Environment& over) {
  for (const auto& [name, value] : over) base[name] = value;
  return base;
}

// Whether a started program's output goes to this process's or is dropped.
enum class Output { kDiscarded, kShown };

// The programs a test session starts (servers, window managers, buses) and
// whatever they start in turn. This process adopts every orphan among them,
// so that none outlives the session. Stopping is bounded: each program is
// asked to end, killed if it has not ended in time, and reported if it had
// to be; then every descendant still left is killed.
class SessionProcesses {
 public:
  SessionProcesses();
  ~SessionProcesses();
  SessionProcesses(const SessionProcesses&) = delete;
  SessionProcesses& operator=(const SessionProcesses&) = delete;

  // Starts `command` with `environment` added to this process's; the
  // descriptor `keepFd` stays open in it. Stopped with the session, last
  // started first.
  pid_t Start(const std::vector<std::string>& command, const Environment& environment, int keepFd = -1,
              Output output = Output::kDiscarded);

  // Starts a program that writes one line (a display number, a bus address)
  // to the descriptor appended to its argument `fdArgument`, and returns that
  // line.
  std::string StartAndReadLine(std::vector<std::string> command, std::size_t fdArgument, const Environment& environment,
                               pid_t& pid);

  // Whether a program started here has ended.
  bool Ended(pid_t pid);

  // Stops every program started here, last started first, then whatever
  // they left behind. Runs once; the destructor calls it.
  void StopAll();

 private:
  std::vector<pid_t> started_;
  std::vector<pid_t> ended_;
};

// Starts a program that the caller waits for itself, with `environment`
// added to this process's.
pid_t Spawn(const std::vector<std::string>& command, const Environment& environment, int keepFd = -1,
            Output output = Output::kDiscarded);

// Ends a program: SIGTERM, then SIGKILL if it has not ended in two seconds.
// Returns false, having said so on the standard error, if it had to be
// killed.
bool Stop(pid_t pid, const std::string& what);

// A new empty folder, private to this user.
std::string MakePrivateFolder(const std::string& prefix);

}  // namespace velmora
