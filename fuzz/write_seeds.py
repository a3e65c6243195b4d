#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets into fuzz/corpus/{engine,numbers,exact}/.

A seed is an option byte (see fuzz_input.h: mode, separator, value of x or precision)
followed by the text. Inputs that the fuzzers found are added beside these seeds under
their own names.
"""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
MODES = {"R": 0, "D": 1, "G": 2}
# Index of x in the engine fuzzer's table of values.
X = {15: 0, 0: 1, 1: 2, -1: 3, 0.5: 4, 90: 5, -3: 6, 1e6: 7, "max": 8, "tiny": 9,
     "1e4000": 10, "-1e-4000": 11, 100: 12, "pi": 13, 2: 14, "raw": 15}

DEFAULT = ("5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
           "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
           "sqrt(square(3)+square(4*x))")

FUNCTIONS = ["abs(x)", "square(x)", "sqrt(x)", "power(x;2)", "exp(x)", "ln(x)",
             "logbase10(x)", "logbase2(x)", "logbaseN(10;x)", "sin(x)", "cos(x)", "tan(x)",
             "cot(x)", "sec(x)", "csc(x)", "arcsin(x)", "arccos(x)", "arctan(x)",
             "arccot(x)", "arcsec(x)", "arccsc(x)", "coversine(x)", "exsecans(x)",
             "haversine(x)", "versine(x)", "arctan2(x;1)", "sinh(x)", "cosh(x)", "tanh(x)",
             "coth(x)", "sech(x)", "csch(x)", "arcsinh(x)", "arccosh(x)", "arctanh(x)",
             "arccoth(x)", "arcsech(x)", "arccsch(x)", "pythag(x;2)"]

CONSTANTS = ("Pi+PiOn2+PiOn3+PiOn4+Deg+Bernstein+Cbrt2+Cbrt3+Cbrt10+Cbrt100+CbrtPi+Catalan+"
             "Sqrt2+Sqrt3+Sqrt5+Sqrt10+SqrtPi+Sqrt2Pi+TwoPi+ThreePi+Ln2+Ln10+LnPi+Log2+Log3+"
             "LogPi+LogE+LogNConst+NConst+hLn2Pi+inv2Pi+TwoToPower63+GoldenMean+"
             "EulerMascheroni+Amu+Avog+Boltz+ECharge+EMass+EVolt+Farad+Gas+Neutron+Planck+"
             "Proton+Light+Gravity+Pressure+Stefan+Bohr")


def options(mode="R", comma=False, value=0):
    return bytes([6 * value + 3 * comma + MODES[mode]])


def engine_seeds():
    seeds = {
        "default_formula": options() + DEFAULT.encode(),
        "default_formula_comma": options(comma=True) + DEFAULT.replace(".", ",").encode(),
        "constants": options() + CONSTANTS.encode(),
        "constants_shouted": options() + CONSTANTS.upper().encode(),
    }
    for i, formula in enumerate(FUNCTIONS):
        name = formula.split("(")[0]
        for mode in "RDG":
            value = list(X.values())[(i + MODES[mode]) % 15]
            seeds[f"function_{name}_{mode}"] = options(mode, value=value) + formula.encode()
    texts = {
        "empty": "", "blanks": "   ", "unknown_name": "2 + foo", "open_operator": "2 +",
        "open_group": "2 * (3", "double_sign": "--3", "caret": "Sqrt(3^2 + 4^2)",
        "division_by_zero": "1/0", "negative_root": "sqrt(-1)", "log_zero": "ln(0)",
        "overflow": "exp(1e5)", "negative_power": "power(-8;0.5)", "zero_power": "power(0;-1)",
        "comment": "1+2 this is a comment", "side_by_side": "2x", "unmatched_close": "1 )",
        "left_to_right": "4 - 2 + 1", "division_first": "4 * 5 * 6 / 1 * 2 * 3",
        "signs": "2 * - 3 + -sin(x) - -(2+3) + x / +2", "exponents": "2E+5 + 2e-3 + 1e500",
        "tiny_number": "1e-5000", "long_mantissa": "9" * 400 + "e-400",
        "separator_alone": ".5 + 5.", "two_separators": "1.2.3", "wrong_arity": "power(2)",
        "missing_paren": "sin x", "tab_and_bar": "1\t+\t2 | 3", "nul_byte": "1+\0 2",
        "high_bytes": "1+\xff\xfe", "semicolon_top": "1;2", "deep_calls": "sin(" * 300 + "x" + ")" * 300,
        "nested_10000": "(" * 10000 + "x" + ")" * 10000,
        "nested_signs": "-(" * 3000 + "1" + ")" * 3000,
        "nested_too_deep": "(" * 100001 + "1",
        "long_sum": "+".join(["1"] * 10000),
        "long_product_chain": "/".join(["x"] * 2000),
    }
    for name, text in texts.items():
        seeds[name] = options() + text.encode("latin-1")
    seeds["comma_point_mixed"] = options(comma=True) + b"power(2.55;4) + logbaseN(4;6,25)"
    seeds["degrees_poles"] = options("D") + b"tan(90) + cot(180) + sec(90) + csc(360)"
    seeds["grads_quarter"] = options("G", value=X[100]) + b"sin(x) + arcsin(1)"
    seeds["huge_x"] = options(value=X["1e4000"]) + b"x / 1e300"
    seeds["tiny_x"] = options(value=X["-1e-4000"]) + b"x * 1e300"
    seeds["raw_x_nan"] = options(value=X["raw"]) + bytes.fromhex("000000000000f87f") + b"x+1"
    seeds["raw_x_inf"] = options(value=X["raw"]) + bytes.fromhex("000000000000f07f") + b"sin(x)"
    return seeds


def numbers_seeds():
    texts = {"plus_five_blanks": " +5 ", "exponent_open": "5E", "exponent_sign": "5E-",
             "separator_only": ".", "big_exponent": "1E500", "digit_left_over": "1E5000",
             "overflow": "1E4999", "tab": "\t5", "minus_zero": "-0", "subnormal_range":
             "1e-4950", "leading_zeros": "0" * 1000 + "1", "many_digits": "1" + "0" * 5000,
             "sign_only": "-", "blank": " ", "exponent_only": "E5", "just_below": "1e+499",
             "mantissa_40": "1234567890123456789012345678901234567890", "empty": ""}
    seeds = {name: options(value=3) + text.encode() for name, text in texts.items()}
    seeds["comma"] = options(comma=True, value=2) + b"1,5"
    seeds["comma_with_point"] = options(comma=True) + b"1.5"
    seeds["max_double"] = options(value=15) + bytes.fromhex("ffffffffffffef7f")
    seeds["min_subnormal"] = options(value=1) + bytes.fromhex("0100000000000000")
    return seeds


# The exact fuzzer's x texts by index (see exact_fuzzer.cpp).
EXACT_X = {15: 0, 0: 1, 1: 2, -1: 3, 0.5: 4, 90: 5, -3: 6, 1e6: 7, "max": 8, "tiny": 9,
           "1e4000": 10, "-1e-4000": 11, "1e-4950": 12, "64e4930": 13, 2: 14}


def exact_seeds():
    seeds = {"default_formula": options() + DEFAULT.encode(),
             "constants": options() + CONSTANTS.encode()}
    texts = {
        "tiny_literal": ("R", 0, "1E-4950*x"), "huge_literal": ("R", 0, "64E4930/x"),
        "exp_far_below": ("R", 0, "1+exp(-1E19)"), "exp_exp": ("R", 0, "exp(exp(-1E10))"),
        "power_long_whole": ("R", 0, "1-power(-0.75;64E4930)"),
        "power_huge_x": ("R", "64e4930", "power(-1;x)+power(x;-x)"),
        "nested_degrees": ("D", 90, "sin(exp(ln(power(x;3))))+tan(arcsin(x/91))"),
        "nested_grads": ("G", 2, "cos(power(sin(x);2)*1E300)+arccot(exp(-x))"),
        "hyperbolic_huge": ("R", "1e4000", "tanh(x)+sech(x)+arcsinh(x)+coth(-x)"),
        "hyperbolic_tiny": ("R", "-1e-4000", "arcsech(x*x)+arccsch(-x)+arccoth(1/x)"),
        "cancelling": ("R", 0, "sin(1)-sin(1)+sqrt(2)*sqrt(2)-2"),
        "logs": ("D", "tiny", "logbaseN(x;1E-4000)+logbase2(x)+ln(x)"),
        "big_angle": ("R", "max", "sin(x*x)+cos(1E4000+0.5)"),
        "arctan2_zero": ("G", 1, "arctan2(x;0)+arctan2(0;-1)+pythag(x;1E-4000)"),
    }
    for name, (mode, value, text) in texts.items():
        seeds[name] = options(mode, value=EXACT_X[value]) + text.encode()
    for formula in ("arccsc(x)", "arcsec(x)", "exsecans(x)", "haversine(x)", "arccosh(x)"):
        for mode in "RDG":
            name = f"function_{formula.split('(')[0]}_{mode}"
            seeds[name] = options(mode, value=EXACT_X["1e4000"]) + formula.encode()
    return seeds


def write(folder, seeds):
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    write(os.path.join(HERE, "corpus", "engine"), engine_seeds())
    write(os.path.join(HERE, "corpus", "numbers"), numbers_seeds())
    write(os.path.join(HERE, "corpus", "exact"), exact_seeds())
