#pragma once

#include <chrono>
#include <cstdio>
#include <thread>
#include <unistd.h>

namespace velmora {

// Once the tests have run, the session is taken down: the toolkit's
// connections closed, the daemons stopped. Should that take longer than
// `limit`, the process says so and ends with a failure instead of leaving
// the test runner waiting for ever.
inline void EndWithin(std::chrono::seconds limit) {
  std::thread([limit] {
    std::this_thread::sleep_for(limit);
    std::fprintf(stderr, "the test session did not end within %lld s of its last test\n",
                 static_cast<long long>(limit.count()));
    _exit(1);
  }).detach();
}

}  // namespace velmora
