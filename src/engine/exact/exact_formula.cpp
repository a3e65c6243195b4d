#include "engine/exact/exact_formula.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engine/exact/constants.h"
#include "engine/exact/fast_pass.h"
#include "engine/exact/functions.h"
#include "engine/exact/settle.h"
#include "engine/formula_compiler.h"
#include "engine/messages.h"

namespace vantorel {

using exact::Pass;
using exact::Real;

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// How many precisions the loop tries: 128, 256, ... up to the cap.
constexpr int Levels() {
  int levels = 1;
  for (long bits = ExactFormula::kStartBits; bits < ExactFormula::kCapBits; bits *= 2) ++levels;
  return levels;
}

int Arity(const ExactStep& step) {
  switch (step.op) {
    case ExactOp::Number:
    case ExactOp::Constant:
    case ExactOp::X: return 0;
    case ExactOp::Negate: return 1;
    case ExactOp::Call: {
      FunctionId f = step.function;
      bool two = f == FunctionId::Power || f == FunctionId::LogBaseN ||
                 f == FunctionId::ArcTan2 || f == FunctionId::Pythag;
      return two ? 2 : 1;
    }
    default: return 2;
  }
}

}  // namespace

struct ExactFormula::Impl {
  ExactProgram program;
  AngleMode mode = AngleMode::Radians;
  bool usesX = false;
  // For each step that begins a largest part of the formula without x, the step that
  // ends it; such parts are worked out once per precision and kept.
  std::vector<std::uint32_t> partEnd;
  std::vector<std::uint32_t> partStart;  // the other way round, at the end step
  std::vector<std::unique_ptr<Real>> kept[Levels()];
  std::unique_ptr<Real[]> stack;
  // The last table's From and Step, read once.
  std::string from, step;
  Real fromValue, stepValue, x;
  // The long double pass for tables, its constant parts and its record: it switches
  // itself off where it keeps failing (a cancelling formula), as the balls then cost less.
  std::optional<exact::FastPass> fast;
  std::vector<exact::Bounded> fastConstants;
  exact::Bounded fromBounded, stepBounded;
  bool fastReady = false;
  bool fastOff = false;
  long fastTried = 0;
  long fastDecided = 0;
  TablePassRecord record;

  void FindConstantParts();
  bool PartsKept() const;
  bool PrepareFastPass();
  std::optional<double> TryFastPass(std::int64_t index);
  Real& Run(Pass& pass, int level, Real* xValue);
  ExactResult Loop(Real* xValue, bool wantDigits);
};

// Simulates the stack: each value knows where its code begins and whether it needs x. A
// value without x whose consumer needs x is a largest constant part, and so is the
// whole formula when it has no x.
void ExactFormula::Impl::FindConstantParts() {
  struct Entry {
    std::uint32_t start;
    std::uint32_t end;
    bool needsX;
  };
  std::size_t count = program.steps.size();
  partEnd.assign(count, kNone);
  partStart.assign(count, kNone);
  std::vector<Entry> entries;
  std::size_t deepest = 0;
  auto mark = [&](const Entry& e) {
    partEnd[e.start] = e.end;
    partStart[e.end] = e.start;
  };
  for (std::uint32_t i = 0; i < count; ++i) {
    const ExactStep& s = program.steps[i];
    int arity = Arity(s);
    Entry combined{i, i, s.op == ExactOp::X};
    std::size_t first = entries.size() - static_cast<std::size_t>(arity);
    if (arity > 0) combined.start = entries[first].start;
    for (std::size_t k = first; k < entries.size(); ++k) combined.needsX |= entries[k].needsX;
    if (combined.needsX) {
      for (std::size_t k = first; k < entries.size(); ++k) {
        if (!entries[k].needsX) mark(entries[k]);
      }
    }
    entries.resize(first);
    entries.push_back(combined);
    deepest = std::max(deepest, entries.size());
  }
  if (!entries.empty() && !entries.back().needsX) mark(entries.back());
  usesX = !entries.empty() && entries.back().needsX;
  stack = std::make_unique<Real[]>(deepest + 1);
}

Real& ExactFormula::Impl::Run(Pass& pass, int level, Real* xValue) {
  std::size_t n = 0;
  slong prec = pass.Prec();
  std::size_t count = program.steps.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (partEnd[i] != kNone && kept[level][i]) {
      stack[n++].Set(*kept[level][i]);
      i = partEnd[i];
      continue;
    }
    const ExactStep& s = program.steps[i];
    switch (s.op) {
      case ExactOp::Number:
        exact::ReadDecimal(program.numbers[s.index], program.separator, stack[n++], prec);
        break;
      case ExactOp::Constant: exact::ConstantValue(s.index, stack[n++], prec); break;
      case ExactOp::X: stack[n++].Set(*xValue); break;
      case ExactOp::Negate: exact::Negate(stack[n - 1]); break;
      case ExactOp::Call:
        if (Arity(s) == 2) {
          --n;
          exact::CallFunction(s.function, stack[n - 1], stack[n], pass);
        } else {
          exact::CallFunction(s.function, stack[n - 1], stack[n], pass);
        }
        break;
      default:
        --n;
        exact::Arithmetic(s.op, stack[n - 1], stack[n], pass);
    }
    if (partStart[i] != kNone && pass.Certified() && !pass.AtCap()) {
      auto& slot = kept[level][partStart[i]];
      slot = std::make_unique<Real>();
      slot->Set(stack[n - 1]);
    }
  }
  return stack[0];
}

ExactResult ExactFormula::Impl::Loop(Real* xValue, bool wantDigits) {
  int level = 0;
  for (long bits = kStartBits;; bits *= 2, ++level) {
    Pass pass(bits, bits >= kCapBits, mode);
    try {
      Real& value = Run(pass, level, xValue);
      ExactResult result;
      if (exact::Settle(value, pass, wantDigits, result)) {
        result.certified = result.certified && pass.Certified();
        return result;
      }
    } catch (const exact::Undecided&) {
    } catch (const CalculationError& failure) {
      if (pass.Certified()) throw;
      throw UncertifiedFailure(failure.what());
    }
  }
}

// Whether a first ball pass has kept every constant part, which the long double pass needs.
bool ExactFormula::Impl::PartsKept() const {
  if (kept[0].empty()) return false;
  for (std::size_t i = 0; i < partEnd.size(); ++i) {
    if (partEnd[i] != kNone && !kept[0][i]) return false;
  }
  return true;
}

// The constant parts as the first ball pass kept them, and From and Step, as bounded long
// doubles; false (and the pass off for good) when one of them has none.
bool ExactFormula::Impl::PrepareFastPass() {
  fast.emplace(program, mode, partEnd);
  fastOff = !fast->Available();
  fastConstants.assign(program.steps.size(), exact::Bounded{});
  for (std::size_t i = 0; i < program.steps.size() && !fastOff; ++i) {
    if (partEnd[i] == kNone) continue;
    std::optional<exact::Bounded> b = kept[0][i] ? exact::ToBounded(*kept[0][i]) : std::nullopt;
    if (!b) fastOff = true;
    if (b) fastConstants[i] = *b;
  }
  std::optional<exact::Bounded> a = exact::ToBounded(fromValue);
  std::optional<exact::Bounded> s = exact::ToBounded(stepValue);
  if (!a || !s) fastOff = true;
  if (!fastOff) {
    fromBounded = *a;
    stepBounded = *s;
  }
  fastReady = !fastOff;
  return fastReady;
}

std::optional<double> ExactFormula::Impl::TryFastPass(std::int64_t index) {
  if (fastOff || (!fastReady && !PrepareFastPass())) return std::nullopt;
  constexpr long kWindow = 256;
  if (fastTried >= kWindow) {  // fewer than one in eight decided: off for good
    fastOff = fastDecided * 8 < fastTried;
    fastTried = fastDecided = 0;
    if (fastOff) return std::nullopt;
  }
  ++fastTried;
  auto i = static_cast<long double>(index);
  long double product = i * stepBounded.v;
  long double value = fromBounded.v + product;
  long double error = fromBounded.e + std::fabs(i) * stepBounded.e +
                      (std::fabs(product) + std::fabs(value)) * 0x1p-64L + 0x1p-16300L;
  std::optional<double> decided = fast->Decide({value, error}, fastConstants);
  ++record.tried;
  if (decided) {
    ++fastDecided;
    ++record.decided;
  }
  return decided;
}

ExactFormula::ExactFormula(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ExactFormula::ExactFormula(ExactFormula&&) noexcept = default;
ExactFormula& ExactFormula::operator=(ExactFormula&&) noexcept = default;
ExactFormula::~ExactFormula() = default;

ExactFormula ExactFormula::Compile(std::string_view text, char decimalSeparator,
                                   AngleMode mode) {
  auto impl = std::make_unique<Impl>();
  FormulaCompiler compiler(text, decimalSeparator, mode);
  compiler.RecordInto(&impl->program);
  compiler.Compile();
  impl->program.separator = decimalSeparator;
  impl->mode = mode;
  impl->FindConstantParts();
  for (auto& level : impl->kept) level.resize(impl->program.steps.size());
  return ExactFormula(std::move(impl));
}

ExactFormula::TablePassRecord ExactFormula::TablePass() const { return impl_->record; }
bool ExactFormula::UsesX() const { return impl_->usesX; }
AngleMode ExactFormula::Mode() const { return impl_->mode; }

namespace {

[[noreturn]] void FailNotANumber() { FailCalculation(ErrorCode::NoRealValue); }

}  // namespace

ExactResult ExactFormula::Calculate(std::string_view xText, bool wantDigits) {
  Impl& f = *impl_;
  if (f.usesX &&
      !exact::ReadDecimal(xText, f.program.separator, f.x, kCapBits)) {
    FailNotANumber();
  }
  return f.Loop(&f.x, wantDigits);
}

ExactResult ExactFormula::CalculateStep(std::string_view from, std::string_view step,
                                        std::int64_t index, bool wantDigits) {
  Impl& f = *impl_;
  if (!f.usesX) return f.Loop(&f.x, wantDigits);
  if (from != f.from || step != f.step) {
    if (!exact::ReadDecimal(from, f.program.separator, f.fromValue, kCapBits) ||
        !exact::ReadDecimal(step, f.program.separator, f.stepValue, kCapBits) ||
        !f.fromValue.IsRational() || !f.stepValue.IsRational()) {
      FailNotANumber();
    }
    f.from = from;
    f.step = step;
    f.fastReady = false;
  }
  if (!wantDigits && !f.fastOff && (f.fastReady || f.PartsKept())) {
    if (std::optional<double> decided = f.TryFastPass(index)) {
      ExactResult result;
      result.value = *decided;
      return result;
    }
  }
  fmpq_mul_si(f.x.Q(), f.stepValue.Q(), index);
  fmpq_add(f.x.Q(), f.x.Q(), f.fromValue.Q());
  f.x.MarkRational(kCapBits);
  return f.Loop(&f.x, wantDigits);
}

ExactResult EvaluateExact(std::string_view text, std::string_view xText, char decimalSeparator,
                          AngleMode mode) {
  return ExactFormula::Compile(text, decimalSeparator, mode).Calculate(xText);
}

}  // namespace vantorel
