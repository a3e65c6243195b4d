#pragma once
// The functions of the catalogue by number, in the catalogue's order.

#include <cstdint>

namespace vantorel {

enum class FunctionId : std::uint8_t {
  Abs, Square, Sqrt, Power,
  Exp, Ln, LogBase10, LogBase2, LogBaseN,
  Sin, Cos, Tan, Cot, Sec, Csc,
  ArcSin, ArcCos, ArcTan, ArcCot, ArcSec, ArcCsc,
  Coversine, Exsecans, Haversine, Versine, ArcTan2,
  SinH, CosH, TanH, CotH, SecH, CscH,
  ArcSinH, ArcCosH, ArcTanH, ArcCotH, ArcSecH, ArcCscH,
  Pythag,
};

inline constexpr int kFunctionCount = 39;

}  // namespace vantorel
