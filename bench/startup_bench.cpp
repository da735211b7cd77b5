// Start-up time and peak memory of the chart against a floor: the least Qt
// Widgets program that shows a window of the same size. Both run from
// process start to their window's first painted frame, then exit; they run
// alternately, on the offscreen platform and on an X server of our own.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "alternating_runs.h"
#include "child_run.h"
#include "sample_stats.h"
#include "xvfb_server.h"

namespace velmora::bench {
namespace {

constexpr int kPairs = 41;
constexpr double kTimeoutSeconds = 30;
constexpr double kMaxTimeRatio = 1.10;
constexpr double kMaxExtraMiB = 2.0;

const std::vector<std::string> kDisplayVariables{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

const char* Verdict(bool met) { return met ? "PASS" : "MISS"; }

void Measure(const std::string& platform, const std::vector<std::string>& environment) {
  const AlternatingRuns runs =
      RunAlternately([&] { return RunChild(VELMORA_FIRST_FRAME, environment, kTimeoutSeconds); },
                     [&] { return RunChild(FLOOR_FIRST_FRAME, environment, kTimeoutSeconds); }, kPairs);
  const double ratio = Median(runs.ratios);
  const double programRss = Median(runs.programMiB);
  const double floorRss = Median(runs.floorMiB);
  std::printf("start-up to first frame, %s, %d runs each (medians):\n", platform.c_str(), kPairs);
  std::printf("  time     velmora %7.1f ms   floor %7.1f ms   ratio %.3f   target at most %.2f   %s\n",
              Median(runs.programSeconds) * 1000, Median(runs.floorSeconds) * 1000, ratio, kMaxTimeRatio,
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
