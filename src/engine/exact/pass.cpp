#include "engine/exact/pass.h"

#include "engine/messages.h"

namespace vantorel::exact {
namespace {

// Where rounding to long double gives an infinity: halfway past its largest value,
// (2^65 - 1) * 2^16319.
const arf_struct* OverflowThreshold() {
  static arf_t threshold;
  static bool made = [] {
    arf_init(threshold);
    fmpz_t mantissa;
    fmpz_init(mantissa);
    fmpz_one(mantissa);
    fmpz_mul_2exp(mantissa, mantissa, 65);
    fmpz_sub_ui(mantissa, mantissa, 1);
    arf_set_fmpz(threshold, mantissa);
    arf_mul_2exp_si(threshold, threshold, 16319);
    fmpz_clear(mantissa);
    return true;
  }();
  (void)made;
  return threshold;
}

}  // namespace

int Pass::Undecidable(Real& value, slong edge) {
  if (!atCap_) throw Undecided{};
  certified_ = false;
  value.SetSi(edge);
  return 0;
}

void Pass::TakeAtCap() {
  if (!atCap_) throw Undecided{};
  certified_ = false;
}

int Pass::Compare(Real& value, slong edge) {
  if (value.IsRational()) {
    int c = fmpq_cmp_si(value.Q(), edge);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
  }
  arb_t difference;
  arb_init(difference);
  arb_sub_si(difference, value.B(), edge, prec_);
  int result = arb_is_positive(difference) ? 1 : arb_is_negative(difference) ? -1 : 2;
  if (result == 2 && arb_is_zero(difference)) result = 0;
  arb_clear(difference);
  return result == 2 ? Undecidable(value, edge) : result;
}

int Pass::CompareMagnitude(Real& value, slong edge) {
  if (value.IsRational()) {
    int c = fmpz_cmpabs(fmpq_numref(value.Q()), fmpq_denref(value.Q()));
    if (edge == 1) return c < 0 ? -1 : c > 0 ? 1 : 0;
  }
  bool negative = value.IsRational() ? fmpq_sgn(value.Q()) < 0
                                     : arf_sgn(arb_midref(value.B())) < 0;
  int c = Compare(value, negative ? -edge : edge);
  return negative ? -c : c;
}

void Pass::CheckRange(Real& value) {
  if (value.IsRational()) {
    const fmpq* q = value.Q();
    slong bits = fmpz_bits(fmpq_numref(q)) - static_cast<slong>(fmpz_bits(fmpq_denref(q)));
    if (bits < 16380) return;
    fmpz_t limit;
    fmpz_init(limit);
    arf_get_fmpz(limit, OverflowThreshold(), ARF_RND_DOWN);  // an integer: exact
    fmpz_mul(limit, limit, fmpq_denref(q));
    bool over = fmpz_cmpabs(fmpq_numref(q), limit) >= 0;
    fmpz_clear(limit);
    if (over) FailCalculation(ErrorCode::OutOfRange);
    return;
  }
  const arb_struct* b = value.B();
  if (!arb_is_finite(b)) {  // a ball on a pole or past a domain's edge: undecided
    if (!atCap_) throw Undecided{};
    certified_ = false;
    FailCalculation(ErrorCode::OutOfRange);
  }
  if (arf_cmpabs_2exp_si(arb_midref(b), 16380) < 0 && mag_cmp_2exp_si(arb_radref(b), 16380) < 0) {
    return;
  }
  arf_t bound;
  arf_init(bound);
  arb_get_abs_lbound_arf(bound, b, prec_);
  bool over = arf_cmp(bound, OverflowThreshold()) >= 0;
  arb_get_abs_ubound_arf(bound, b, prec_);
  bool under = arf_cmp(bound, OverflowThreshold()) < 0;
  if (!over && !under && atCap_) {
    certified_ = false;
    over = arf_cmpabs(arb_midref(b), OverflowThreshold()) >= 0;
    under = !over;
  }
  arf_clear(bound);
  if (over) FailCalculation(ErrorCode::OutOfRange);
  if (!under) throw Undecided{};
}

}  // namespace vantorel::exact
