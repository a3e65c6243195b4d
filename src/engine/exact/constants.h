#pragma once
// The catalogue's constants in exact calculations, and numbers read from decimal text.

#include <string_view>

#include "engine/exact/real.h"

namespace vantorel::exact {

// The constant number `index` of the catalogue: its mathematical value where it has a
// definition (Pi, Sqrt2, Ln10, EulerMascheroni...), else exactly its listed decimal
// (the physical constants, Bernstein, inv2Pi).
void ConstantValue(std::size_t index, Real& out, slong prec);
// Whether the constant takes its mathematical value rather than its listed decimal.
bool IsExactConstant(std::size_t index);

// The exact value of a decimal: blanks, an optional sign, digits with at most one
// `separator`, an optional exponent ("E" or "e", a sign, digits), blanks. False when the
// text is none. An exponent beyond +-100000 gives a rational no calculation could use:
// then the value is a ball of the same size bound instead (below) or false (above).
bool ReadDecimal(std::string_view text, char separator, Real& out, slong prec);

}  // namespace vantorel::exact
