#pragma once
// One value of an exact calculation: an exact rational while the formula allows, else a
// ball that holds the true value.

#include <algorithm>
#include <utility>

#include "engine/exact/arb_headers.h"

namespace vantorel::exact {

// Rationals larger than this (numerator and denominator bits together) become balls, so
// that a long formula of fractions cannot grow without bound.
inline constexpr slong kRationalBits = 4096;
// Beyond 2^kLargestExponent every value is out of the long double range.
inline constexpr slong kLargestExponent = 16400;

class Real {
 public:
  Real() {
    fmpq_init(q_);
    arb_init(b_);
  }
  ~Real() {
    fmpq_clear(q_);
    arb_clear(b_);
  }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;

  bool IsRational() const { return rational_; }
  fmpq* Q() { return q_; }
  const fmpq* Q() const { return q_; }
  // The ball; only when the value is not rational.
  arb_struct* B() { return b_; }
  const arb_struct* B() const { return b_; }

  // The value as a ball at `prec` bits, also when it is rational.
  arb_struct* Ball(slong prec) {
    if (rational_) arb_set_fmpq(b_, q_, prec);
    return b_;
  }
  // Marks the value as held by Q() or by B(); a rational that grew too large, or a ball
  // of radius zero whose midpoint a rational holds, changes sides.
  void MarkRational(slong prec) {
    rational_ = true;
    slong num = static_cast<slong>(fmpz_bits(fmpq_numref(q_)));
    slong den = static_cast<slong>(fmpz_bits(fmpq_denref(q_)));
    if (num + den > kRationalBits) {
      // With its integer part's bits on top, so that an angle can still be reduced.
      arb_set_fmpq(b_, q_, prec + std::clamp<slong>(num - den, 0, kLargestExponent));
      rational_ = false;
    }
  }
  void MarkBall() {
    rational_ = false;
    if (arb_is_exact(b_) && arf_is_finite(arb_midref(b_)) &&
        (arf_is_zero(arb_midref(b_)) ||
         fmpz_bits(ARF_EXPREF(arb_midref(b_))) <= 12)) {
      arf_get_fmpq(q_, arb_midref(b_));
      rational_ = true;
    }
  }
  void SetSi(slong value) {
    fmpq_set_si(q_, value, 1);
    rational_ = true;
  }
  void Swap(Real& other) {
    fmpq_swap(q_, other.q_);
    arb_swap(b_, other.b_);
    std::swap(rational_, other.rational_);
  }
  void Set(const Real& other) {
    rational_ = other.rational_;
    if (rational_) {
      fmpq_set(q_, other.q_);
    } else {
      arb_set(b_, other.b_);
    }
  }

 private:
  fmpq_t q_;
  arb_t b_;
  bool rational_ = true;
};

}  // namespace vantorel::exact
