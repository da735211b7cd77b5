// Cost of one chord display update against a view that does nothing, so that
// only the model's own work is measured. Each benchmark's time per update is
// held to a target.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "chord_chart.h"

namespace velmora {
namespace {

class NullView : public ChartView {
 public:
  std::string RootListText() const override { return root; }
  std::string TypeListText() const override { return type; }
  std::int16_t RootListIndex() const override { return rootIndex; }
  std::int16_t TypeListIndex() const override { return typeIndex; }
  void SetChordCaption(const std::string& caption) override { benchmark::DoNotOptimize(caption.data()); }
  void SetMarkerVisible(int, bool visible) override { benchmark::DoNotOptimize(visible); }
  void SetMarkerLeft(int, float left) override { benchmark::DoNotOptimize(left); }

  std::string root, type;
  std::int16_t rootIndex = -1, typeIndex = -1;
};

struct Selection {
  std::string root, type;
  std::int16_t rootIndex, typeIndex;
};

Selection Select(int root, int type) {
  return {root < 0 ? "" : std::string(kRootTexts[static_cast<std::size_t>(root)]),
          type < 0 ? "" : std::string(kTypeTexts[static_cast<std::size_t>(type)]),
          static_cast<std::int16_t>(root), static_cast<std::int16_t>(type)};
}

void Run(benchmark::State& state, const std::vector<Selection>& selections) {
  NullView view;
  ChordChart chart{view};
  chart.FillFretTable();
  std::size_t next = 0;
  for (auto _ : state) {
    const Selection& s = selections[next];
    view.root = s.root;
    view.type = s.type;
    view.rootIndex = s.rootIndex;
    view.typeIndex = s.typeIndex;
    chart.UpdateChordDisplay();
    next = next + 1 == selections.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_UpdateAllChords(benchmark::State& state) {
  std::vector<Selection> selections;
  for (int root = 0; root < kRootCount; ++root) {
    for (int type = 0; type < kTypeCount; ++type) selections.push_back(Select(root, type));
  }
  Run(state, selections);
}
BENCHMARK(BM_UpdateAllChords);

void BM_UpdateWithoutSelection(benchmark::State& state) {
  std::vector<Selection> selections;
  for (int root = 0; root < kRootCount; ++root) selections.push_back(Select(root, -1));
  for (int type = 0; type < kTypeCount; ++type) selections.push_back(Select(-1, type));
  Run(state, selections);
}
BENCHMARK(BM_UpdateWithoutSelection);

constexpr double kTargetNanoseconds = 1000;

// Reports as the console reporter does, and keeps each benchmark's mean time
// per update for the verdicts.
class TargetReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const double nanoseconds = run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      results_.push_back({run.benchmark_name(), nanoseconds});
    }
  }

  // One line per benchmark: its time per update, the target and PASS or MISS.
  void PrintVerdicts() const {
    for (const Result& result : results_) {
      const bool met = result.nanoseconds < kTargetNanoseconds;
      std::printf("chord display update, %s: %.0f ns   target under %.0f ns   %s\n", result.name.c_str(),
                  result.nanoseconds, kTargetNanoseconds, met ? "PASS" : "MISS");
    }
  }

 private:
  struct Result {
    std::string name;
    double nanoseconds;
  };
  std::vector<Result> results_;
};

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  velmora::TargetReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintVerdicts();
  benchmark::Shutdown();
  return 0;
}
