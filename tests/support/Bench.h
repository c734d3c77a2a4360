#pragma once
// Helpers shared by the benchmark programs.
#include <algorithm>
#include <vector>

namespace testsupport {

// The middle value of the runs (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace testsupport
