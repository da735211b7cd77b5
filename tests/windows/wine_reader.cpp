#include "wine_reader.h"

#include <stdexcept>

#include "chart_words.h"
#include "processes.h"

namespace velmora {

WineReader::WineReader(pid_t process, std::FILE* input, std::FILE* output)
    : process_(process), input_(input), output_(output), listener_([this] { Listen(); }) {}

WineReader::~WineReader() {
  std::fclose(input_);
  Stop(process_, "the MSAA reader");
  listener_.join();
  std::fclose(output_);
}

void WineReader::Listen() {
  char line[4096];
  while (std::fgets(line, sizeof line, output_)) {
    // A Windows program's text output ends its lines with CR LF.
    std::string text(line);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    const std::lock_guard lock(mutex_);
    lines_.push_back(text);
    said_.notify_all();
  }
  const std::lock_guard lock(mutex_);
  ended_ = true;
  said_.notify_all();
}

std::size_t WineReader::Said() const {
  const std::lock_guard lock(mutex_);
  return lines_.size();
}

std::vector<std::string> WineReader::SaidSince(std::size_t mark) const {
  const std::lock_guard lock(mutex_);
  return {lines_.begin() + static_cast<std::ptrdiff_t>(std::min(mark, lines_.size())), lines_.end()};
}

bool WineReader::WaitFor(std::size_t mark, const std::function<bool(const std::string&)>& heard,
                         std::chrono::seconds wait) const {
  std::unique_lock lock(mutex_);
  bool found = false;
  said_.wait_for(lock, wait, [&] {
    for (std::size_t i = mark; i < lines_.size() && !found; ++i) found = heard(lines_[i]);
    return found || ended_;
  });
  return found;
}

std::vector<std::string> WineReader::Ask(const std::string& command, const std::string& last) {
  const std::size_t mark = Said();
  std::fputs((command + "\n").c_str(), input_);
  std::fflush(input_);
  if (!WaitFor(mark, [&](const std::string& line) { return line.rfind(last, 0) == 0; })) {
    throw std::runtime_error("the MSAA reader did not answer " + command + "; it said:" + Quoted(SaidSince(mark)));
  }
  std::vector<std::string> answer;
  for (const std::string& line : SaidSince(mark)) {
    answer.push_back(line);
    if (line.rfind(last, 0) == 0) break;
  }
  return answer;
}

}  // namespace velmora
