// Start-up time and peak memory of the chart against a floor: the least Qt
// Widgets program that shows a window of the same size. Both run from
// process start to their window's first painted frame, then exit; they run
// alternately, on the offscreen platform and on an X server of our own.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "child_run.h"
#include "sample_stats.h"
#include "xvfb_server.h"

namespace velmora::bench {
namespace {

constexpr int kPairs = 25;
constexpr double kTimeoutSeconds = 30;
constexpr double kMaxTimeRatio = 1.10;
constexpr double kMaxExtraMiB = 2.0;

const std::vector<std::string> kDisplayVariables{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

const char* Verdict(bool met) { return met ? "PASS" : "MISS"; }

double MiB(long kib) { return static_cast<double>(kib) / 1024; }

void Measure(const std::string& platform, const std::vector<std::string>& environment) {
  // One unmeasured run each, so that both find the files they read cached.
  RunChild(VELMORA_FIRST_FRAME, environment, kTimeoutSeconds);
  RunChild(FLOOR_FIRST_FRAME, environment, kTimeoutSeconds);

  std::vector<double> programSeconds, floorSeconds, ratios, programMiB, floorMiB;
  for (int pair = 0; pair < kPairs; ++pair) {
    // Which of the two goes first alternates, so neither always follows the other.
    ChildRun program{}, floor{};
    if (pair % 2 == 0) {
      program = RunChild(VELMORA_FIRST_FRAME, environment, kTimeoutSeconds);
      floor = RunChild(FLOOR_FIRST_FRAME, environment, kTimeoutSeconds);
    } else {
      floor = RunChild(FLOOR_FIRST_FRAME, environment, kTimeoutSeconds);
      program = RunChild(VELMORA_FIRST_FRAME, environment, kTimeoutSeconds);
    }
    programSeconds.push_back(program.seconds);
    floorSeconds.push_back(floor.seconds);
    ratios.push_back(program.seconds / floor.seconds);
    programMiB.push_back(MiB(program.maxRssKiB));
    floorMiB.push_back(MiB(floor.maxRssKiB));
  }

  const double ratio = Median(ratios);
  const double programRss = Median(programMiB);
  const double floorRss = Median(floorMiB);
  std::printf("start-up to first frame, %s, %d runs each (medians):\n", platform.c_str(), kPairs);
  std::printf("  time     velmora %7.1f ms   floor %7.1f ms   ratio %.3f   target at most %.2f   %s\n",
              Median(programSeconds) * 1000, Median(floorSeconds) * 1000, ratio, kMaxTimeRatio,
              Verdict(ratio <= kMaxTimeRatio));
  std::printf("  peak RSS velmora %7.1f MiB  floor %7.1f MiB  +%.1f MiB   target at most floor + %.0f MiB   %s\n",
              programRss, floorRss, programRss - floorRss, kMaxExtraMiB,
              Verdict(programRss - floorRss <= kMaxExtraMiB));
  std::fflush(stdout);
}

}  // namespace
}  // namespace velmora::bench

int main() {
  using namespace velmora::bench;
  try {
    Measure("offscreen", EnvironmentWith(kDisplayVariables, {"QT_QPA_PLATFORM=offscreen"}));
    const XvfbServer server;
    Measure("Xvfb", EnvironmentWith(kDisplayVariables, {"QT_QPA_PLATFORM=xcb", "DISPLAY=" + server.Display()}));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "startup_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
