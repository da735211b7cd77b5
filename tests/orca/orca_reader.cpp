#include "orca_reader.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "processes.h"
#include "x_desktop.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
// Generous, for a loaded machine; the waits end as soon as they are met.
constexpr auto kStartWait = std::chrono::seconds(60);
constexpr auto kStopWait = std::chrono::seconds(30);
// What the end of a test that has failed gives Orca.
constexpr auto kEndWait = std::chrono::seconds(5);
constexpr auto kPoll = std::chrono::milliseconds(20);

std::string ReadFile(const std::string& path, std::size_t from = 0) {
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(from));
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace

OrcaReader::OrcaReader(const XDesktop& desktop) {
  folder_ = MakePrivateFolder("velmora-orca");
  const std::string home = folder_ + "/home";
  const std::string runtime = folder_ + "/runtime";
  const std::string config = home + "/.config";
  std::filesystem::create_directories(config + "/speech-dispatcher");
  std::filesystem::create_directories(runtime);
  chmod(runtime.c_str(), 0700);

  // speech-dispatcher as Debian configures it, but for where the sound goes
  // (libao, whose null driver plays it to nothing) and a log of every
  // message its clients send, written as they come.
  WriteFile(config + "/speech-dispatcher/speechd.conf",
            ReadFile("/etc/speech-dispatcher/speechd.conf") +
                "\nAudioOutputMethod \"libao\"\nCustomLogFile \"protocol\" \"" + folder_ +
                "/speech-dispatcher.log\"\n");
  WriteFile(home + "/.libao", "default_driver=null\n");

  // What the chart and Orca tell each other on the accessibility bus, kept
  // with Orca's files when a test fails: whether the program registered,
  // which events Orca asked for and which the program sent.
  monitor_ = Spawn({"sh", "-c",
                    "exec dbus-monitor --address \"$(dbus-send --bus=\"$0\" --print-reply=literal "
                    "--dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')\" "
                    "\"type='method_call',interface='org.a11y.atspi.Registry'\" "
                    "\"type='method_call',interface='org.a11y.atspi.Socket'\" "
                    "\"type='signal',interface='org.a11y.atspi.Event.Window'\" "
                    "\"type='signal',interface='org.a11y.atspi.Event.Focus'\" > \"$1\" 2>&1",
                    desktop.SessionBus(), folder_ + "/accessibility-bus.log"},
                   {});
  started_ = Micros(std::chrono::system_clock::now());
  // Orca starts speech-dispatcher itself, with this environment. Its
  // messages are in English, its debug file stamped in UTC.
  orca_ = Spawn({"orca", "--debug-file=" + folder_ + "/orca-debug.out"},
                {{"DISPLAY", desktop.Display()},
                 {"DBUS_SESSION_BUS_ADDRESS", desktop.SessionBus()},
                 {"HOME", home},
                 {"XDG_CONFIG_HOME", config},
                 {"XDG_DATA_HOME", home + "/.local/share"},
                 {"XDG_CACHE_HOME", home + "/.cache"},
                 {"XDG_RUNTIME_DIR", runtime},
                 {"GSETTINGS_BACKEND", "memory"},
                 {"LANG", "C.UTF-8"},
                 {"LC_ALL", "C.UTF-8"},
                 {"LANGUAGE", "C"},
                 {"TZ", "UTC"}});
  if (!WaitToSay("Screen reader on", 0, std::chrono::duration_cast<std::chrono::milliseconds>(kStartWait))) {
    keep_ = true;
    throw std::runtime_error("Orca did not say it was on; its files are in " + folder_);
  }
}

OrcaReader::~OrcaReader() {
  velmora::Stop(monitor_, "dbus-monitor");
  if (orca_ > 0 && !End(kEndWait)) {
    // An Orca that has heard nothing it acts on since it started waits in
    // the accessibility library's loop, where no signal handler of its
    // runs: it too stays.
    std::fprintf(stderr, "orca did not end when asked to; its threads' stacks are in %s/orca-debug.out\n",
                 folder_.c_str());
    keep_ = true;
  }
  if (!keep_) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

std::string OrcaReader::ProtocolLog() const { return folder_ + "/speech-dispatcher.log"; }

std::size_t OrcaReader::Said() const {
  std::error_code missing;
  const auto size = std::filesystem::file_size(ProtocolLog(), missing);
  return missing ? 0 : static_cast<std::size_t>(size);
}

std::vector<std::string> OrcaReader::SaidSince(std::size_t since) const {
  // speech-dispatcher writes each message whole; one that is still being
  // written is read on the next look.
  return SpeechFromProtocolLog(ReadFile(ProtocolLog(), since));
}

bool OrcaReader::WaitToSay(const std::string& text, std::size_t since, std::chrono::milliseconds timeout) const {
  for (const auto deadline = Clock::now() + timeout;;) {
    for (const std::string& said : SaidSince(since)) {
      if (said.find(text) != std::string::npos) return true;
    }
    if (Clock::now() >= deadline) return false;
    if (orca_ > 0 && waitpid(orca_, nullptr, WNOHANG) == orca_) return false;
    std::this_thread::sleep_for(kPoll);
  }
}

bool OrcaReader::End(std::chrono::seconds wait) {
  // Orca ends on SIGTERM as when the user turns it off: it says so, writes
  // out its debug file and exits. One that does not is stuck somewhere: on
  // SIGABRT its fault handler writes every thread's Python stack to the
  // debug file first.
  const auto ended = [&](std::chrono::seconds within) {
    for (const auto deadline = Clock::now() + within;; std::this_thread::sleep_for(kPoll)) {
      if (waitpid(orca_, nullptr, WNOHANG) == orca_) return true;
      if (Clock::now() >= deadline) return false;
    }
  };
  kill(orca_, SIGTERM);
  const bool onTerm = ended(wait);
  if (!onTerm) {
    kill(orca_, SIGABRT);
    if (!ended(kEndWait)) {
      kill(orca_, SIGKILL);
      waitpid(orca_, nullptr, 0);
    }
  }
  orca_ = -1;
  return onTerm;
}

std::vector<Utterance> OrcaReader::Stop() {
  if (!End(kStopWait)) {
    keep_ = true;
    throw std::runtime_error("Orca did not end on SIGTERM; its files are in " + folder_);
  }
  std::ifstream log(folder_ + "/orca-debug.out");
  return SpeechFromDebugLog(log, started_);
}

}  // namespace velmora
