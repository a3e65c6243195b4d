#pragma once
// A formula as the compile phase read it, before anything was worked out in long double:
// a postfix program whose numbers keep their decimal text and whose constants keep their
// catalogue entry, for the exact arithmetic.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/function_id.h"

namespace vantorel {

enum class ExactOp : std::uint8_t {
  Number,    // push numbers[index], read exactly from its decimal text
  Constant,  // push the catalogue constant number `index`
  X,
  Negate,
  Call,      // replace the topmost one or two values by `function` of them
  Add, Subtract, Multiply, Divide,
};

struct ExactStep {
  ExactOp op;
  FunctionId function = FunctionId::Abs;
  std::uint32_t index = 0;
};

struct ExactProgram {
  std::vector<ExactStep> steps;
  std::vector<std::string> numbers;  // digits as written, with the formula's separator
  char separator = '.';

  void Push(ExactOp op, FunctionId function = FunctionId::Abs, std::uint32_t index = 0) {
    steps.push_back({op, function, index});
  }
  void PushNumber(std::string_view digits) {
    Push(ExactOp::Number, FunctionId::Abs, static_cast<std::uint32_t>(numbers.size()));
    numbers.emplace_back(digits);
  }
};

}  // namespace vantorel
