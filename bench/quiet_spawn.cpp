#include "quiet_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace velmora::bench {

QuietSpawn::QuietSpawn(bool discardInput) {
  posix_spawn_file_actions_init(&actions_);
  if (discardInput) posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions_, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_init(&attributes_);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes_, &none);
  posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK);
}

QuietSpawn::~QuietSpawn() {
  posix_spawn_file_actions_destroy(&actions_);
  posix_spawnattr_destroy(&attributes_);
}

int QuietSpawn::Spawn(pid_t* pid, const char* file, bool searchPath, char* const argv[],
                      char* const envp[]) const {
  return searchPath ? posix_spawnp(pid, file, &actions_, &attributes_, argv, envp)
                    : posix_spawn(pid, file, &actions_, &attributes_, argv, envp);
}

}  // namespace velmora::bench
