#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <functional>
#include <mutex>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

namespace velmora {

// What the MSAA reader (msaa_reader.exe) hears of Velmora.exe under Wine:
// its lines, gathered as they come, and its answers to commands.
class WineReader {
 public:
  // Takes the reader, started as `process` with these pipes to its input
  // and output, and waits until its hooks are in place.
  WineReader(pid_t process, std::FILE* input, std::FILE* output);
  // Ends the reader.
  ~WineReader();
  WineReader(const WineReader&) = delete;
  WineReader& operator=(const WineReader&) = delete;

  // A mark: how many lines it has said so far.
  std::size_t Said() const;
  // The lines said since the mark.
  std::vector<std::string> SaidSince(std::size_t mark) const;
  // Waits up to ten seconds for a line since the mark for which `heard`
  // holds; whether one came.
  bool WaitFor(std::size_t mark, const std::function<bool(const std::string&)>& heard,
               std::chrono::seconds wait = std::chrono::seconds(10)) const;
  // Gives it a command and returns its answer: the lines up to and with the
  // first that starts with `last`.
  std::vector<std::string> Ask(const std::string& command, const std::string& last);

 private:
  void Listen();

  pid_t process_;
  std::FILE* input_;
  std::FILE* output_;
  mutable std::mutex mutex_;
  mutable std::condition_variable said_;
  std::vector<std::string> lines_;
  bool ended_ = false;
  std::thread listener_;
};

}  // namespace velmora
