// Start-up time of Velmora.exe under Wine against two floors: a Windows-API
// program that puts up the chart's standard controls in a window of its
// size under the same manifest, which the target holds it to, and, for
// information, the least one that shows such a window with one label. Each
// runs from process start to its window's first painted frame, then exits;
// the program and a floor run alternately on an X server of our own, in a
// Wine prefix of the benchmark's own whose server is kept running between
// runs, as it is on a desktop where other Windows programs run.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "alternating_runs.h"
#include "child_run.h"
#include "sample_stats.h"
#include "xvfb_server.h"

namespace velmora::bench {
namespace {

constexpr int kPairs = 41;
constexpr double kTimeoutSeconds = 60;
constexpr double kMaxTimeRatio = 1.10;

const std::vector<std::string> kDropped{"DISPLAY", "WAYLAND_DISPLAY", "WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES", "HOME"};

const char* Verdict(bool met) { return met ? "PASS" : "MISS"; }

}  // namespace
}  // namespace velmora::bench

int main() {
  using namespace velmora::bench;
  try {
    const XvfbServer server;
    const std::string prefix = VELMORA_WINE_BENCH_PREFIX;
    const std::vector<std::string> environment = EnvironmentWith(
        kDropped, {"DISPLAY=" + server.Display(), "WINEPREFIX=" + prefix, "WINEDEBUG=-all",
                   // Wine's .NET and HTML engines are not installed; it is told not to
                   // offer them, nor to add menu entries for the user.
                   "WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d", "HOME=" + prefix + "-home"});
    if (!std::filesystem::exists(prefix + "/system.reg")) {
      RunChild(VELMORA_WINE, environment, kTimeoutSeconds, {"wineboot", "--init"});
    }
    // The prefix's server runs throughout.
    try {
      // A server left running by someone else is ended first.
      RunChild(VELMORA_WINESERVER, environment, kTimeoutSeconds, {"--kill"});
    } catch (const std::runtime_error&) {
    }
    RunChild(VELMORA_WINESERVER, environment, kTimeoutSeconds, {"--persistent"});
    const auto run = [&](const char* program) {
      return [&environment, program] { return RunChild(VELMORA_WINE, environment, kTimeoutSeconds, {program}); };
    };
    const AlternatingRuns fair =
        RunAlternately(run(VELMORA_FIRST_FRAME_EXE), run(CONTROLS_FLOOR_FIRST_FRAME_EXE), kPairs);
    const AlternatingRuns empty = RunAlternately(run(VELMORA_FIRST_FRAME_EXE), run(FLOOR_FIRST_FRAME_EXE), kPairs);
    RunChild(VELMORA_WINESERVER, environment, kTimeoutSeconds, {"--kill"});

    std::printf("start-up to first frame, Velmora.exe under Wine on Xvfb, %d runs each (medians):\n", kPairs);
    const double fairRatio = Median(fair.ratios);
    std::printf("  the same controls  Velmora.exe %7.1f ms   floor %7.1f ms   ratio %.3f   target at most %.2f   %s\n",
                Median(fair.programSeconds) * 1000, Median(fair.floorSeconds) * 1000, fairRatio, kMaxTimeRatio,
                Verdict(fairRatio <= kMaxTimeRatio));
    std::printf("  an empty window    Velmora.exe %7.1f ms   floor %7.1f ms   ratio %.3f   (for information)\n",
                Median(empty.programSeconds) * 1000, Median(empty.floorSeconds) * 1000, Median(empty.ratios));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wine_startup_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
