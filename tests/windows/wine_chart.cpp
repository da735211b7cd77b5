#include "wine_chart.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <vector>

#include "chart_words.h"
#include "wine_environment.h"

extern char** environ;

namespace velmora {
namespace {

constexpr auto kWait = std::chrono::seconds(10);
// How often a state is read again while waiting for it.
constexpr auto kReadInterval = std::chrono::milliseconds(20);

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

// Starts `command` with `environment` added to this process's; with
// `pipes`, its standard input and output are connected to them; with
// `errors`, its standard error goes to that file.
pid_t SpawnWith(std::vector<std::string> command, const Environment& environment, std::FILE** input = nullptr,
                std::FILE** output = nullptr, const std::string& errors = {}) {
  std::vector<std::string> variables;
  for (char** v = environ; *v; ++v) {
    const std::string variable(*v);
    if (environment.count(variable.substr(0, variable.find('='))) == 0) variables.push_back(variable);
  }
  for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int in[2] = {-1, -1};
  int out[2] = {-1, -1};
  if (input) {
    // The test's own ends of the pipes go to no program started later.
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("no pipe for the probe");
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) posix_spawn_file_actions_addclose(&actions, fd);
  }
  if (!errors.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  auto argv = Pointers(command);
  auto envp = Pointers(variables);
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw std::runtime_error("cannot start " + command[0]);
  if (input) {
    close(in[0]);
    close(out[1]);
    *input = fdopen(in[1], "w");
    *output = fdopen(out[0], "r");
  }
  return pid;
}

OuterRect ParseRect(const std::string& text) {
  OuterRect r;
  std::sscanf(text.c_str(), "%d,%d,%d,%d", &r.left, &r.top, &r.right, &r.bottom);
  return r;
}

}  // namespace

WineChart::WineChart(const XDesktop& desktop, bool virtualDesktop, bool withReader, const WineLaunch& launch) {
  environment_ = WineEnvironment(desktop, std::getenv("VELMORA_WINE_PREFIX"));
  EndWineServer();
  if (withReader) {
    // Under the window manager: hooks see the desktop they are set on.
    std::FILE* input = nullptr;
    std::FILE* output = nullptr;
    const pid_t reader =
        SpawnWith({WineLoader(), WindowsBuildFile("tests/msaa_reader.exe")}, environment_, &input, &output);
    reader_ = std::make_unique<WineReader>(reader, input, output);
    // The first program of a new Wine server waits for it to start.
    if (!reader_->WaitFor(0, [](const std::string& line) { return line == "ready"; }, std::chrono::seconds(60))) {
      throw std::runtime_error("the MSAA reader did not start; it said:" + Quoted(reader_->SaidSince(0)));
    }
  }
  std::vector<std::string> command = {WineLoader()};
  // A desktop smaller than the screen, so that it and its frame are seen
  // whole.
  if (virtualDesktop) command.insert(command.end(), {"explorer", "/desktop=velmora,1024x768"});
  command.push_back(launch.program);
  program_ = SpawnWith(command, Overlaid(environment_, launch.environment), nullptr, nullptr, launch.errors);
  std::vector<std::string> probe = {WineLoader(), WindowsBuildFile("tests/chart_probe.exe")};
  if (virtualDesktop) probe.push_back("velmora");
  probe_ = SpawnWith(probe, environment_, &toProbe_, &fromProbe_);
}

WineChart::~WineChart() {
  if (toProbe_) std::fclose(toProbe_);
  if (fromProbe_) std::fclose(fromProbe_);
  EndWineServer();
  for (pid_t pid : {probe_, program_}) {
    if (pid > 0) Stop(pid, "wine");
  }
  reader_.reset();
}

void WineChart::EndWineServer() const {
  const pid_t server = SpawnWith({"wineserver", "--kill"}, environment_);
  waitpid(server, nullptr, 0);
  const pid_t waited = SpawnWith({"wineserver", "--wait"}, environment_);
  waitpid(waited, nullptr, 0);
}

ChartState WineChart::State() { return Ask("state"); }

ChartState WineChart::MoveAbout(int left, int top) {
  return Ask("move " + std::to_string(left) + " " + std::to_string(top));
}

ChartState WineChart::Ask(const std::string& command) {
  std::fputs((command + "\n").c_str(), toProbe_);
  std::fflush(toProbe_);
  char line[1024];
  if (!std::fgets(line, sizeof line, fromProbe_)) throw std::runtime_error("the chart probe ended");
  ChartState state;
  std::istringstream fields(line);
  std::string field;
  while (std::getline(fields, field, '\t')) {
    const auto at = field.find('=');
    const std::string name = field.substr(0, at);
    std::string value = field.substr(at + 1);
    if (!value.empty() && value.back() == '\n') value.pop_back();
    if (name == "chart") state.chartShown = value == "1";
    if (name == "about") state.aboutShown = value == "1";
    if (name == "label") state.label = value;
    if (name == "root") state.root = std::stoi(value);
    if (name == "type") state.type = std::stoi(value);
    if (name == "focus") state.focus = std::stoi(value);
    if (name == "chartrect") state.chart = ParseRect(value);
    if (name == "aboutrect") state.about = ParseRect(value);
    if (name == "chartclient") std::sscanf(value.c_str(), "%d,%d", &state.clientX, &state.clientY);
    if (name == "chartclose") std::sscanf(value.c_str(), "%d,%d", &state.chartCloseX, &state.chartCloseY);
    if (name == "aboutclose") std::sscanf(value.c_str(), "%d,%d", &state.aboutCloseX, &state.aboutCloseY);
    if (name == "dpi") state.dpi = static_cast<unsigned>(std::stoul(value));
  }
  return state;
}

ChartState WineChart::WaitFor(const std::function<bool(const ChartState&)>& done, const std::string& what) {
  const auto deadline = std::chrono::steady_clock::now() + kWait;
  ChartState state = State();
  while (!done(state)) {
    if (std::chrono::steady_clock::now() > deadline) {
      throw std::runtime_error("never " + what + "; the probe reads " + Describe(state));
    }
    std::this_thread::sleep_for(kReadInterval);
    state = State();
  }
  return state;
}

int WineChart::WaitForExit() {
  const auto deadline = std::chrono::steady_clock::now() + kWait;
  int status = 0;
  while (waitpid(program_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) throw std::runtime_error("Velmora.exe did not end");
    std::this_thread::sleep_for(kReadInterval);
  }
  program_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Describe(const ChartState& s) {
  std::ostringstream text;
  text << "chart " << (s.chartShown ? "shown" : "hidden") << " at " << s.chart.left << "," << s.chart.top
       << ", About " << (s.aboutShown ? "shown" : "not shown") << " at " << s.about.left << "," << s.about.top
       << ", label \"" << s.label << "\", lists " << s.root << " " << s.type << ", focus " << s.focus;
  return text.str();
}

}  // namespace velmora
