#include "double_definitions.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <stdexcept>

namespace vantorel::exactness {
namespace {

struct Failed : std::runtime_error {
  Failed() : std::runtime_error("failed in double") {}
};

double Div(double a, double b) {
  if (b == 0) throw Failed();
  return a / b;
}

// Radians per unit of the angle mode, as a double calculator holds it.
double PerUnit(AngleMode mode) {
  switch (mode) {
    case AngleMode::Degrees: return std::numbers::pi / 180;
    case AngleMode::Grads: return std::numbers::pi / 200;
    default: return 1;
  }
}

double Power(double x, double z) {
  if (x == 0 && z < 0) throw Failed();
  return std::pow(x, z);
}

using Definition = double (*)(double x, double z, AngleMode m);

// The definitions, the textbook function where one is named, the formula where given.
const std::map<std::string, Definition>& Definitions() {
  static const std::map<std::string, Definition> table = {
      {"abs", [](double x, double, AngleMode) { return std::fabs(x); }},
      {"square", [](double x, double, AngleMode) { return x * x; }},
      {"sqrt", [](double x, double, AngleMode) { return std::sqrt(x); }},
      {"power", [](double x, double z, AngleMode) { return Power(x, z); }},
      {"exp", [](double x, double, AngleMode) { return std::exp(x); }},
      {"ln", [](double x, double, AngleMode) { return std::log(x); }},
      {"logbase10", [](double x, double, AngleMode) { return std::log10(x); }},
      {"logbase2", [](double x, double, AngleMode) { return std::log2(x); }},
      {"logbasen", [](double b, double x, AngleMode) { return Div(std::log(x), std::log(b)); }},
      {"sin", [](double x, double, AngleMode m) { return std::sin(x * PerUnit(m)); }},
      {"cos", [](double x, double, AngleMode m) { return std::cos(x * PerUnit(m)); }},
      {"tan", [](double x, double, AngleMode m) { return std::tan(x * PerUnit(m)); }},
      {"cot", [](double x, double, AngleMode m) { return Div(1, std::tan(x * PerUnit(m))); }},
      {"sec", [](double x, double, AngleMode m) { return Div(1, std::cos(x * PerUnit(m))); }},
      {"csc", [](double x, double, AngleMode m) { return Div(1, std::sin(x * PerUnit(m))); }},
      {"arcsin", [](double x, double, AngleMode m) { return std::asin(x) / PerUnit(m); }},
      {"arccos", [](double x, double, AngleMode m) { return std::acos(x) / PerUnit(m); }},
      {"arctan", [](double x, double, AngleMode m) { return std::atan(x) / PerUnit(m); }},
      {"arccot", [](double x, double, AngleMode m) { return std::atan(Div(1, x)) / PerUnit(m); }},
      {"arcsec", [](double x, double, AngleMode m) {
         return std::atan(std::sqrt((x - 1) * (x + 1))) / PerUnit(m);
       }},
      {"arccsc", [](double x, double, AngleMode m) {
         return std::atan(Div(1, std::sqrt((x - 1) * (x + 1)))) / PerUnit(m);
       }},
      {"coversine", [](double x, double, AngleMode m) { return 1 - std::sin(x * PerUnit(m)); }},
      {"exsecans", [](double x, double, AngleMode m) {
         return Div(1, std::cos(x * PerUnit(m))) - 1;
       }},
      {"haversine", [](double x, double, AngleMode m) {
         return (1 - std::cos(x * PerUnit(m))) / 2;
       }},
      {"versine", [](double x, double, AngleMode m) { return 1 - std::cos(x * PerUnit(m)); }},
      {"arctan2", [](double x, double z, AngleMode m) { return std::atan2(x, z) / PerUnit(m); }},
      {"sinh", [](double x, double, AngleMode) { return std::sinh(x); }},
      {"cosh", [](double x, double, AngleMode) { return std::cosh(x); }},
      {"tanh", [](double x, double, AngleMode) { return std::tanh(x); }},
      {"coth", [](double x, double, AngleMode) { return Div(1, std::tanh(x)); }},
      {"sech", [](double x, double, AngleMode) { return 1 / std::cosh(x); }},
      {"csch", [](double x, double, AngleMode) { return Div(1, std::sinh(x)); }},
      {"arcsinh", [](double x, double, AngleMode) { return std::asinh(x); }},
      {"arccosh", [](double x, double, AngleMode) {
         return std::atanh(Div(std::sqrt((x - 1) * (x + 1)), x));
       }},
      {"arctanh", [](double x, double, AngleMode) { return std::atanh(x); }},
      {"arccoth", [](double x, double, AngleMode) { return std::atanh(Div(1, x)); }},
      {"arcsech", [](double x, double, AngleMode) {
         return std::atanh(std::sqrt((1 - x) * (1 + x)));
       }},
      {"arccsch", [](double x, double, AngleMode) {
         return std::log(Div(1 + std::sqrt(1 + x * x), x));
       }},
      {"pythag", [](double h, double v, AngleMode) { return std::hypot(h, v); }},
  };
  return table;
}

// call = name "(" argument [";" argument] ")"; an argument is "x" or a number.
double Argument(const std::string& text, double x) {
  return text == "x" ? x : std::strtod(text.c_str(), nullptr);
}

double Call(const std::string& formula, double x, AngleMode mode) {
  std::size_t open = formula.find('(');
  std::size_t semicolon = formula.find(';');
  std::size_t close = formula.rfind(')');
  std::string name = formula.substr(0, open);
  for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
  const Definition definition = Definitions().at(name);
  if (semicolon == std::string::npos) return definition(x, 0, mode);
  return definition(Argument(formula.substr(open + 1, semicolon - open - 1), x),
                    Argument(formula.substr(semicolon + 1, close - semicolon - 1), x), mode);
}

}  // namespace

Evaluator DoubleEvaluator() {
  return [](const ReferenceRow& row, const std::string& formula) {
    try {
      double value = Call(formula, row.x, row.mode);
      if (!std::isfinite(value)) return Outcome{std::nullopt, "no finite value"};
      return Outcome{value == 0 ? 0.0 : value, {}};
    } catch (const Failed&) {
      return Outcome{std::nullopt, "division by zero"};
    }
  };
}

}  // namespace vantorel::exactness
