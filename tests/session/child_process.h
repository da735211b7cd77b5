#pragma once

#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace velmora {

// The programs a test session starts (servers, window managers, buses):
// started with their output discarded, stopped at the end of the session.
using Environment = std::map<std::string, std::string>;

// Whether a started program's output goes to this process's or is dropped.
enum class Output { kDiscarded, kShown };

// Starts `command` with `environment` added to this process's; the
// descriptor `keepFd` stays open in it. It ends with this process, should
// this process end without stopping it.
pid_t Spawn(const std::vector<std::string>& command, const Environment& environment, int keepFd = -1,
            Output output = Output::kDiscarded);

// Starts a program that writes one line (a display number, a bus address)
// to the descriptor appended to its argument `fdArgument`, and returns that
// line.
std::string SpawnAndReadLine(std::vector<std::string> command, std::size_t fdArgument,
                             const Environment& environment, pid_t& pid);

// Ends the program: SIGTERM, then SIGKILL if it does not end in two seconds.
void Stop(pid_t pid);

// A new empty folder, private to this user.
std::string MakePrivateFolder(const std::string& prefix);

}  // namespace velmora
