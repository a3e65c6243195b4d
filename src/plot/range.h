#pragma once
// A closed interval of one axis.

namespace vantorel::plot {

struct Range {
  double low = 0;
  double high = 0;
  double Width() const { return high - low; }
  bool operator==(const Range&) const = default;
};

}  // namespace vantorel::plot
