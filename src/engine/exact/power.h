#pragma once
// Power(x; z) in exact calculations.

#include "engine/exact/pass.h"

namespace vantorel::exact {

// `base` becomes `base` raised to `exponent`. A negative base has a power only for a
// whole exponent; 0 to a negative power is a division by zero; Power(0; 0) is 1. A
// rational to a whole power stays rational while it is not too large.
void Power(Real& base, Real& exponent, Pass& pass);

}  // namespace vantorel::exact
