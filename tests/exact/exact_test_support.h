#pragma once
// How the exact tests write a result: the 15-digit rounding as "d.dddE+n", "0" for zero.

#include <string>

#include "engine/exact_result.h"

namespace vantorel {

inline std::string DigitsText(const RoundedDigits& d) {
  if (d.digits.empty()) return "0";
  std::string text = d.negative ? "-" : "";
  text += d.digits.substr(0, 1) + "." + (d.digits.size() > 1 ? d.digits.substr(1) : "0");
  return text + "E" + (d.exponent < 0 ? "-" : "+") + std::to_string(d.exponent < 0 ? -d.exponent : d.exponent);
}

}  // namespace vantorel
