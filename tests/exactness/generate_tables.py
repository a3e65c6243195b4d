#!/usr/bin/env python3
"""Writes the exactness reference tables into tests/data/exactness/.

Usage: tests/exactness/generate_tables.py [OUTPUT_DIR] [NAME...]

One table per function: for each argument the correctly rounded double of the exact
value of the function's definition, or the failure it must give.  Needs python3-mpmath;
the tests that read the tables do not.  The output is deterministic.
"""

import os
import sys
import mpmath
from mpmath import mpf

import constants
import grids
import reference as ref
import samples

ARGUMENT, RESULT = "argument", "result"
FULL_COUNT, TURN_COUNT = 2000, 500

# name, exact definition, angle use, argument family (for angle arguments: the turns)
ONE_ARGUMENT = [
    ("Abs", ref.f_abs, None, samples.everywhere),
    ("Square", ref.f_square, None, samples.squaring),
    ("Sqrt", ref.f_sqrt, None, samples.square_root),
    ("Exp", ref.f_exp, None, samples.exponential),
    ("Ln", ref.f_ln, None, samples.logarithm),
    ("LogBase10", ref.f_log10, None, samples.logarithm),
    ("LogBase2", ref.f_log2, None, samples.logarithm),
    ("Sin", ref.f_sin, ARGUMENT, None),
    ("Cos", ref.f_cos, ARGUMENT, None),
    ("Tan", ref.f_tan, ARGUMENT, None),
    ("Cot", ref.f_cot, ARGUMENT, None),
    ("Sec", ref.f_sec, ARGUMENT, None),
    ("Csc", ref.f_csc, ARGUMENT, None),
    ("ArcSin", ref.f_arcsin, RESULT, samples.inverse_sine_cosine),
    ("ArcCos", ref.f_arccos, RESULT, samples.inverse_sine_cosine),
    ("ArcTan", ref.f_arctan, RESULT, samples.everywhere),
    ("ArcCot", ref.f_arccot, RESULT, samples.everywhere),
    ("ArcSec", ref.f_arcsec, RESULT, samples.outside_unit),
    ("ArcCsc", ref.f_arccsc, RESULT, samples.outside_unit),
    ("Coversine", ref.f_coversine, ARGUMENT, None),
    ("Exsecans", ref.f_exsecans, ARGUMENT, None),
    ("Haversine", ref.f_haversine, ARGUMENT, None),
    ("Versine", ref.f_versine, ARGUMENT, None),
    ("SinH", ref.f_sinh, None, samples.hyperbolic_overflow),
    ("CosH", ref.f_cosh, None, samples.hyperbolic_overflow),
    ("TanH", ref.f_tanh, None, samples.hyperbolic_ratio),
    ("CotH", ref.f_coth, None, samples.hyperbolic_ratio),
    ("SecH", ref.f_sech, None, samples.hyperbolic_overflow),
    ("CscH", ref.f_csch, None, samples.hyperbolic_overflow),
    ("ArcSinH", ref.f_arcsinh, None, samples.everywhere),
    ("ArcCosH", ref.f_arccosh, None, samples.outside_unit),
    ("ArcTanH", ref.f_arctanh, None, samples.inside_unit),
    ("ArcCotH", ref.f_arccoth, None, samples.outside_unit),
    ("ArcSecH", ref.f_arcsech, None, samples.inside_unit),
    ("ArcCscH", ref.f_arccsch, None, samples.positive_only),
]

DEFAULT_FORMULA = (
    "5.44E-4 * (x - 187) + (2 * x) + square(x) + sin(x/deg) + logbaseN(6;2.77) + "
    "sin(tan(cos(43.243)/ln(9.765))/(tan(34.3)*logbaseN(2;3)))*(x - 1.87E-3) + "
    "sqrt(square(3)+square(4*x))")


def default_formula(x):
    """The default formula's exact value, its numbers and Deg taken as the decimals written."""
    d = mpf
    deg = d("57.295779513082320876798154814114")
    inner = mpmath.tan(mpmath.cos(d("43.243")) / mpmath.log(d("9.765"))) \
        / (mpmath.tan(d("34.3")) * (mpmath.log(3) / mpmath.log(2)))
    x = d(x)
    return d("5.44E-4") * (x - 187) + 2 * x + x * x + mpmath.sin(x / deg) \
        + mpmath.log(d("2.77")) / mpmath.log(6) + mpmath.sin(inner) * (x - d("1.87E-3")) \
        + mpmath.sqrt(9 + (4 * x) ** 2)


def one_argument_cases(name, angle_use, family):
    """Per mode: (mode, cases without end, values wanted); a case is (mode, x, None, fixed?)."""
    if angle_use == ARGUMENT:
        plans = [("R", samples.trig_radians(), FULL_COUNT),
                 ("D", samples.trig_turns(360), TURN_COUNT),
                 ("G", samples.trig_turns(400), TURN_COUNT)]
    else:
        modes = ["R", "D", "G"] if angle_use == RESULT else ["R"]
        plans = [(m, family(), FULL_COUNT if m == "R" else TURN_COUNT) for m in modes]
    for mode, (fixed, generators), wanted in plans:
        cases = ((mode, x, None, is_fixed) for x, is_fixed
                 in samples.points(f"{name}-{mode}", fixed, generators))
        yield cases, wanted


def residual_text(residual):
    text = f"{float(residual):.2f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def row(mode, x, function, args):
    expected, residual = ref.reference(function, *args)
    if isinstance(expected, str):
        cells = [mode, repr(x), expected, "-"]
    else:
        cells = [mode, repr(x), repr(expected), residual_text(residual)]
    return "\t".join(cells) + "\n"


HEADER = """\
# {name}: exact reference values, written by tests/exactness/generate_tables.py (do not edit).
# Columns: mode (R radians, D degrees, G grads); x; the exact value of the formula
# rounded to the nearest double (ties to even), or the failure the formula must give
# (divzero: division by zero, noreal: no real value, range: beyond the double range);
# (exact - expected) in units in the last place of expected.
# A line "# formula: F" gives the formula of the rows after it.
"""


def write_table(directory, name, rows, skipped):
    """rows: (formula, line); a formula line stands before each run of one formula."""
    path = os.path.join(directory, name.lower() + ".tsv")
    with open(path, "w", encoding="ascii") as out:
        out.write(HEADER.format(name=name))
        formula = None
        for row_formula, line in rows:
            if row_formula != formula:
                formula = row_formula
                out.write(f"# formula: {formula}\n")
            out.write(line)
    print(f"{name}: {len(rows)} rows, {skipped} left out", file=sys.stderr)


class Rows:
    """The rows of one table as (formula, line), with the count of value rows."""

    def __init__(self):
        self.rows, self.values, self.skipped = [], 0, 0

    def add(self, case, formula, function, args):
        mode, x = case[0], case[1]
        try:
            line = row(mode, x, function, args)
        except ref.Unresolved as unresolved:
            print(f"  left out: {unresolved}", file=sys.stderr)
            self.skipped += 1
            return
        self.rows.append((formula, line))
        self.values += line.rstrip("\n").split("\t")[3] != "-"


def one_argument_table(name, function, angle_use, family):
    """Every fixed point of each mode, then random ones until enough rows have values."""
    table = Rows()
    formula = f"{name.lower()}(x)"
    for cases, wanted in one_argument_cases(name, angle_use, family):
        start = table.values
        for case in cases:
            if not case[3] and table.values - start >= wanted:
                break
            args = (case[1], case[0]) if angle_use else (case[1],)
            table.add(case, formula, function, args)
    return table.rows, table.skipped


def grid_table(make_cases, formula_of, args_of, function, wanted):
    """A grid grown until `wanted` of its rows have values (the rest must fail)."""
    total = wanted
    while True:
        table = Rows()
        for case in make_cases(total):
            table.add(case, formula_of(case[2]), function, args_of(case))
        if table.values >= wanted:
            return table.rows, table.skipped
        total = total * wanted // max(table.values, 1) + 20


def two_argument_tables():
    """name -> maker of the rows: the second argument written as exact text."""
    text = grids.exact_text

    def arctan2_cases(mode):
        seed = "arctan2" if mode == "R" else f"arctan2-{mode}"
        return lambda total: [(mode, x, z) for x, z in grids.arctan2_rows(seed, total)]

    def arctan2():
        parts = [grid_table(arctan2_cases(m), lambda z: f"arctan2(x;{text(z)})",
                            lambda c: (c[1], c[2], c[0]), ref.f_arctan2,
                            FULL_COUNT if m == "R" else TURN_COUNT) for m in "RDG"]
        return [r for rows, _ in parts for r in rows], sum(s for _, s in parts)

    return {
        "Power": lambda: grid_table(
            lambda total: [("R", x, z) for x, z in grids.power_rows(total)],
            lambda z: f"power(x;{text(z)})", lambda c: (c[1], c[2]), ref.f_power, FULL_COUNT),
        "LogBaseN": lambda: grid_table(
            lambda total: [("R", x, b) for x, b in grids.logbase_rows(total)],
            lambda b: f"logbaseN({text(b)};x)", lambda c: (c[2], c[1]), ref.f_logbasen,
            FULL_COUNT),
        "ArcTan2": arctan2,
        "Pythag": lambda: grid_table(
            lambda total: [("R", x, v) for x, v in grids.pythag_rows(total)],
            lambda v: f"pythag(x;{text(v)})", lambda c: (c[1], c[2]), ref.f_pythag, FULL_COUNT),
    }


def default_formula_table():
    table = Rows()
    for x in (15.0, 0.5, -3.0, 1e6):
        table.add(("R", x), DEFAULT_FORMULA, default_formula, (x,))
    return table.rows, table.skipped


def constants_table():
    """Each constant alone as a formula: the nearest double of its decimal."""
    table = Rows()
    for name, decimal in constants.CONSTANTS:
        table.add(("R", 0.0), name, lambda: mpf(decimal), ())
    return table.rows, table.skipped


def main():
    directory = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "exactness")
    wanted = {n.lower() for n in sys.argv[2:]}
    os.makedirs(directory, exist_ok=True)
    tables = {name: lambda f=f, a=a, fam=fam, n=name: one_argument_table(n, f, a, fam)
              for name, f, a, fam in ONE_ARGUMENT}
    tables.update(two_argument_tables())
    tables["Default_Formula"] = default_formula_table
    tables["Constants"] = constants_table
    for name, make in tables.items():
        if wanted and name.lower() not in wanted:
            continue
        write_table(directory, name, *make())


if __name__ == "__main__":
    main()
