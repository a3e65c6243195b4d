#pragma once
// Every benchmark reports the minimum and maximum of its repetitions beside the median:
// register it with ->Apply(WithMinMax).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vantorel::bench {

inline void WithMinMax(benchmark::internal::Benchmark* b) {
  b->ComputeStatistics("min", [](const std::vector<double>& v) {
     return *std::min_element(v.begin(), v.end());
   })->ComputeStatistics("max", [](const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
  });
}

}  // namespace vantorel::bench
