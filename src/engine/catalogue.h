#pragma once
// The fixed table of the formula language's 39 functions and 49 constants.

#include <span>
#include <string_view>

#include "expression_engine.h"

namespace vantorel {

enum class FunctionGroup {
  Algebraic, Transcendental, Trigonometric, OtherTrig, Hyperbolic, OtherHyp, Miscellaneous
};
enum class AngleUse { None, Argument, Result };
enum class ConstantGroup { Mathematical, Physical };

struct FunctionEntry {
  std::string_view name;            // "LogBaseN"
  FunctionGroup group;
  int arity;                        // 1 or 2
  AngleUse angleUse;
  std::string_view keypadTemplate;  // "logbaseN(10;x)"
  std::string_view definition;      // the calculation, in words
};

struct ConstantEntry {
  std::string_view name;            // "LogE"
  std::string_view alias;           // "LogNConst" for LogE, empty for all others
  std::string_view valueText;       // the decimal exactly as listed
  long double value;                // valueText converted once, to nearest
  std::string_view definition;      // "Pi / 2"
  ConstantGroup group;
};

// What a name stands for: at most one of the two is set.
struct NameLookup {
  const FunctionEntry* function = nullptr;
  const ConstantEntry* constant = nullptr;
  explicit operator bool() const { return function || constant; }
};

class Catalogue {
 public:
  static const Catalogue& Instance();
  std::span<const FunctionEntry> Functions() const;
  std::span<const ConstantEntry> Constants() const;
  // Compares without regard to case; x is the variable and never found here.
  NameLookup LookupName(std::string_view name) const;
};

inline NameLookup LookupName(std::string_view name) {
  return Catalogue::Instance().LookupName(name);
}

}  // namespace vantorel
