#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace velmora::bench {

// Median of a non-empty sample: the middle value, or the mean of the two
// middle values.
inline double Median(std::vector<double> sample) {
  std::sort(sample.begin(), sample.end());
  const std::size_t n = sample.size();
  return n % 2 == 1 ? sample[n / 2] : (sample[n / 2 - 1] + sample[n / 2]) / 2;
}

// Nearest-rank percentile of a non-empty sample, `p` in (0, 100].
inline double Percentile(std::vector<double> sample, double p) {
  std::sort(sample.begin(), sample.end());
  const auto rank = static_cast<std::size_t>(std::ceil(p / 100 * static_cast<double>(sample.size())));
  return sample[std::max<std::size_t>(rank, 1) - 1];
}

}  // namespace velmora::bench
