// The chart started again and again on an X server it is the only client of,
// as on a kiosk or a bare startx session, while two busy processes hold the
// machine's cores. Such a server resets itself whenever its last client
// leaves, and drops a client that connects just then: a start that let go of
// the display before the toolkit had its own connection would land in that
// reset and abort. Each start must map the chart.
//
// The test watches the screen without connecting to the server, which would
// keep it from resetting: Xvfb keeps its framebuffer in a file (-fbdir), in
// the X window dump format, and the chart's yellow markers are looked for
// there.
//
// usage: bare_server_start_test <program> [gtest options]

#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <thread>

#include "processes.h"
#include "yellow_discs.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kStarts = 20;
// Generous, for a loaded machine; every wait ends as soon as it is met.
constexpr auto kWait = 60s;
// A major: five strings played, five markers.
constexpr std::size_t kMarkers = 5;

std::string program;

// The screen as Xvfb keeps it in its framebuffer file.
class Framebuffer {
 public:
  explicit Framebuffer(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    struct stat status {};
    fstat(fd, &status);
    size_ = static_cast<std::size_t>(status.st_size);
    data_ = static_cast<const std::uint8_t*>(mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd, 0));
    close(fd);
    if (data_ == MAP_FAILED) throw std::runtime_error("cannot map " + path);
    // The dump's header: big-endian 32-bit fields.
    const std::uint32_t headerSize = Field(0);
    width_ = static_cast<int>(Field(4));
    height_ = static_cast<int>(Field(5));
    const bool leastSignificantFirst = Field(7) == 0;
    const std::uint32_t bitsPerPixel = Field(11);
    bytesPerLine_ = Field(12);
    const std::uint32_t colours = Field(19);
    if (!leastSignificantFirst || bitsPerPixel != 32 || Field(14) != 0xff0000 || Field(16) != 0xff) {
      throw std::runtime_error(path + " is not a 32-bit true-colour screen in the machine's byte order");
    }
    pixels_ = data_ + headerSize + colours * 12;
  }
  ~Framebuffer() { munmap(const_cast<std::uint8_t*>(data_), size_); }
  Framebuffer(const Framebuffer&) = delete;
  Framebuffer& operator=(const Framebuffer&) = delete;

  // The markers on the screen now.
  std::size_t Markers() const {
    const QImage screen(pixels_, width_, height_, static_cast<qsizetype>(bytesPerLine_), QImage::Format_RGB32);
    return FindYellowDiscs(screen.copy()).size();
  }

 private:
  std::uint32_t Field(std::size_t index) const {
    const std::uint8_t* at = data_ + index * 4;
    return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 | at[3];
  }

  const std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  const std::uint8_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  std::uint32_t bytesPerLine_ = 0;
};

// Waits until `met` holds; whether it did in time.
template <typename Condition>
bool WaitUntil(Condition met) {
  for (const auto deadline = Clock::now() + kWait; Clock::now() < deadline;) {
    if (met()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return met();
}

TEST(BareXServer, EveryStartMapsTheChart) {
  const std::string folder = MakePrivateFolder("velmora-bare-x");
  SessionProcesses processes;
  // No -noreset: the server resets each time its last client leaves.
  pid_t server = -1;
  const std::string display = ":" + processes.StartAndReadLine({"Xvfb", "-displayfd", "", "-screen", "0",
                                                                "640x480x24", "-nolisten", "tcp", "-fbdir", folder},
                                                               2, {}, server);
  for (int i = 0; i < 2; ++i) processes.Start({"sh", "-c", "while :; do :; done"}, {});
  const Framebuffer screen(folder + "/Xvfb_screen0");

  unsetenv("WAYLAND_DISPLAY");
  unsetenv("QT_QPA_PLATFORM");
  for (int start = 1; start <= kStarts; ++start) {
    const pid_t chart = Spawn({program}, {{"DISPLAY", display}}, -1, Output::kShown);
    int status = 0;
    bool ended = false;
    const bool mapped = WaitUntil([&] {
      ended = ended || waitpid(chart, &status, WNOHANG) == chart;
      return ended || screen.Markers() == kMarkers;
    });
    if (ended) {
      FAIL() << "start " << start << " ended before the chart was shown: "
             << (WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                     : "exit status " + std::to_string(WEXITSTATUS(status)));
    }
    Stop(chart, "velmora");
    ASSERT_TRUE(mapped) << "start " << start << " showed no chart within " << kWait.count() << " s";
    // Gone from the screen: the server has seen its last client leave, and
    // resets before it takes the next one.
    ASSERT_TRUE(WaitUntil([&] { return screen.Markers() == 0; })) << "the chart of start " << start << " stayed";
  }
  processes.StopAll();
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <program> [gtest options]\n", argv[0]);
    return 2;
  }
  velmora::program = argv[1];
  return RUN_ALL_TESTS();
}
