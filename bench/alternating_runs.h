#pragma once

#include <functional>
#include <vector>

#include "child_run.h"

namespace velmora::bench {

// What `pairs` alternate runs of a program and its floor measured.
struct AlternatingRuns {
  std::vector<double> programSeconds, floorSeconds, ratios, programMiB, floorMiB;
};

// Runs the program and its floor once each unmeasured, so that both find the
// files they read cached, then `pairs` times each, which of the two goes
// first alternating so that neither always follows the other.
inline AlternatingRuns RunAlternately(const std::function<ChildRun()>& program,
                                      const std::function<ChildRun()>& floor, int pairs) {
  program();
  floor();
  AlternatingRuns runs;
  for (int pair = 0; pair < pairs; ++pair) {
    ChildRun programRun{}, floorRun{};
    if (pair % 2 == 0) {
      programRun = program();
      floorRun = floor();
    } else {
      floorRun = floor();
      programRun = program();
    }
    runs.programSeconds.push_back(programRun.seconds);
    runs.floorSeconds.push_back(floorRun.seconds);
    runs.ratios.push_back(programRun.seconds / floorRun.seconds);
    runs.programMiB.push_back(static_cast<double>(programRun.maxRssKiB) / 1024);
    runs.floorMiB.push_back(static_cast<double>(floorRun.maxRssKiB) / 1024);
  }
  return runs;
}

}  // namespace velmora::bench
