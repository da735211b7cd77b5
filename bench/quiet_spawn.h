#pragma once

#include <spawn.h>
#include <sys/types.h>

namespace velmora::bench {

// Starts children quietly: their output goes to /dev/null (their input too,
// if asked) and they start with no signal blocked, whatever this process
// blocks.
class QuietSpawn {
 public:
  explicit QuietSpawn(bool discardInput);
  ~QuietSpawn();
  QuietSpawn(const QuietSpawn&) = delete;
  QuietSpawn& operator=(const QuietSpawn&) = delete;

  // posix_spawn, or posix_spawnp when `searchPath`; returns its error code.
  int Spawn(pid_t* pid, const char* file, bool searchPath, char* const argv[], char* const envp[]) const;

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace velmora::bench
