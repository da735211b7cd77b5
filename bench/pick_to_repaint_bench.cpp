// Time from a key press that picks another chord to the end of the chart
// window's next painted frame, for every one of the 228 chords, on the
// offscreen platform (which paints through the backing store as a screen
// does).
//
// For each root, set from code, the type list is set to its last item, then
// walked by key presses: Home, then Down to the last item, so that every
// press changes the chord.

#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "chord_vocabulary.h"
#include "forms/forms.h"
#include "frame_application.h"
#include "sample_stats.h"

namespace velmora::bench {
namespace {

using Clock = FrameApplication::Clock;

constexpr int kWalks = 5;
constexpr double kTargetMedianMicros = 1000;
constexpr auto kFrameTimeout = std::chrono::seconds(5);

class PickToRepaint {
 public:
  explicit PickToRepaint(FrameApplication& app) {
    app.Watch(forms_.form1(), [this](Clock::time_point end) { frameEnd_ = end; });
    forms_.Start();
    WaitForFrame();
  }

  // Picks every chord once; returns the time of each pick in microseconds.
  std::vector<double> Walk() {
    Form1& form = forms_.form1();
    std::vector<double> micros;
    for (int root = 0; root < kRootCount; ++root) {
      form.Combo1->SetListIndex(root);
      form.Combo2->SetListIndex(kTypeCount - 1);
      WaitForFrame();
      for (int type = 0; type < kTypeCount; ++type) {
        frameEnd_.reset();
        const Clock::time_point start = Clock::now();
        QTest::keyClick(form.Combo2, type == 0 ? Qt::Key_Home : Qt::Key_Down);
        const Clock::time_point end = WaitForFrame();
        if (form.Combo2->currentIndex() != type) Fail("a key press did not pick the next type");
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
      }
    }
    return micros;
  }

 private:
  [[noreturn]] static void Fail(const char* what) {
    std::fprintf(stderr, "pick_to_repaint_bench: %s\n", what);
    std::exit(1);
  }

  // Delivers events until the window has painted a frame; returns its end.
  Clock::time_point WaitForFrame() {
    const Clock::time_point deadline = Clock::now() + kFrameTimeout;
    while (!frameEnd_) {
      if (Clock::now() > deadline) Fail("the window painted no frame");
      QCoreApplication::processEvents();
    }
    const Clock::time_point end = *frameEnd_;
    frameEnd_.reset();
    return end;
  }

  Forms forms_;
  std::optional<Clock::time_point> frameEnd_;
};

}  // namespace
}  // namespace velmora::bench

int main(int argc, char* argv[]) {
  using namespace velmora::bench;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  FrameApplication app(argc, argv);
  PickToRepaint bench(app);
  std::vector<double> micros;
  for (int walk = 0; walk < kWalks; ++walk) {
    const std::vector<double> walked = bench.Walk();
    micros.insert(micros.end(), walked.begin(), walked.end());
  }
  const double median = Median(micros);
  std::printf("pick to repaint, offscreen, %zu key presses (%d walks over all %d chords):\n",
              micros.size(), kWalks, velmora::kRootCount * velmora::kTypeCount);
  std::printf("  median %.0f us   99th percentile %.0f us   target median under %.0f us   %s\n", median,
              Percentile(micros, 99), kTargetMedianMicros, median < kTargetMedianMicros ? "PASS" : "MISS");
  return 0;
}
