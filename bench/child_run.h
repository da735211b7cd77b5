#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

struct ChildRun {
  // From just before the process was spawned to just after it was reaped.
  double seconds;
  // Peak resident set size, as the kernel reports it at exit.
  long maxRssKiB;
};

// Runs the program at `path` with `arguments` and exactly the environment
// `environment` ("NAME=value" entries), its output discarded, and waits for
// it to exit. Throws std::runtime_error when it cannot be started, when it
// does not exit successfully, or when it runs longer than `timeoutSeconds`.
ChildRun RunChild(const std::string& path, const std::vector<std::string>& environment,
                  double timeoutSeconds, const std::vector<std::string>& arguments = {});

// Every variable of this process's environment whose name is not in
// `dropped`, followed by the entries of `added`.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& dropped,
                                         const std::vector<std::string>& added);

}  // namespace velmora::bench
