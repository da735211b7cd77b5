#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "chord_vocabulary.h"

namespace velmora {

// One root and chord type pair, for tests parameterised over the chart.
struct Pick {
  int root;
  int type;
};

// Names a pick in test output instead of its bytes.
inline void PrintTo(const Pick& pick, std::ostream* out) {
  *out << MakeSelectionKey(pick.root, pick.type);
}

inline std::vector<Pick> AllPicks() {
  std::vector<Pick> picks;
  for (int root = 0; root < kRootCount; ++root) {
    for (int type = 0; type < kTypeCount; ++type) picks.push_back({root, type});
  }
  return picks;
}

inline std::string PickName(const testing::TestParamInfo<Pick>& info) {
  return "r" + std::to_string(info.param.root) + "_t" + std::to_string(info.param.type);
}

}  // namespace velmora
