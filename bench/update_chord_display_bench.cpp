// Cost of one chord display update against a view that does nothing, so that
// only the model's own work is measured.

#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace velmora
