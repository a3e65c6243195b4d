#!/usr/bin/env python3
"""Writes tests/data/exact/functions.tsv: reference values for the exact arithmetic.

Usage: tests/exactness/generate_exact_tables.py [OUTPUT_FILE]

Arguments are exact decimals (a double's neighbourhood cut to 1 to 20 significant
digits), read by mpmath as the decimals written, never as doubles.  Each row gives the
correctly rounded double of the function's exact value and its rounding to 15
significant digits (ties away from zero), or the failure.  Needs python3-mpmath.
"""

import random
import sys
from decimal import Decimal
from fractions import Fraction

import mpmath
from mpmath import mp
from mpmath.ctx_mp_python import _mpf
from mpmath.libmp import from_rational

import generate_tables as tables
import reference as ref
import samples

ROWS_PER_MODE = 40


def _rational_argument(convert):
    """mpmath reads a Fraction exactly at the working precision, as it reads a decimal."""
    def converted(cls, x, *rest):
        if isinstance(x, Fraction):
            return from_rational(x.numerator, x.denominator, mp.prec, "n")
        return convert(cls, x, *rest)
    return classmethod(converted)


_mpf.mpf_convert_arg = _rational_argument(_mpf.mpf_convert_arg.__func__)
_mpf.mpf_convert_rhs = _rational_argument(_mpf.mpf_convert_rhs.__func__)


def decimal_text(value, rng):
    """`value` cut to 1 to 20 significant digits, as the formula language writes it."""
    digits = rng.randint(1, 20)
    text = f"{value:.{digits - 1}e}"
    mantissa, exponent = text.split("e")
    return f"{mantissa}E{int(exponent)}"


def decimal_exponent(value):
    """The power of ten of a positive Fraction's first digit."""
    exponent = len(str(value.numerator)) - len(str(value.denominator)) - 1
    while value >= Fraction(10) ** (exponent + 1):
        exponent += 1
    while value < Fraction(10) ** exponent:
        exponent -= 1
    return exponent


def near_half(value, dps):
    """Whether a value known to `dps` digits may lie on the other side of a 15-digit tie."""
    if value == 0:
        return False
    value = abs(value)
    scaled = value * Fraction(10) ** (14 - decimal_exponent(value))
    distance = abs(scaled - int(scaled) - Fraction(1, 2))
    return distance * Fraction(10) ** (dps - 20) < 1


def digits_of(value):
    """An exact Fraction rounded to 15 significant digits, ties away: 'd.dddE+n'."""
    if value == 0:
        return "0"
    sign = "-" if value < 0 else ""
    value = abs(value)
    exponent = decimal_exponent(value)
    scaled = value * Fraction(10) ** (14 - exponent)
    rounded = int(scaled) + (1 if scaled - int(scaled) >= Fraction(1, 2) else 0)
    if rounded == 10 ** 15:
        rounded, exponent = 10 ** 14, exponent + 1
    text = str(rounded).rstrip("0")
    return f"{sign}{text[0]}.{text[1:] or '0'}E{exponent:+d}"


def exact_digits(function, args):
    """The 15-digit rounding, settled when two precisions agree."""
    previous = None
    for dps in (40, 80, 160, 320):
        with mp.workdps(dps):
            value = function(*args)
            if isinstance(value, Fraction):
                return digits_of(value)
            sign, man, exp, _ = mpmath.mpf(value)._mpf_
            exact = Fraction(man << exp) if exp >= 0 else Fraction(man, 1 << -exp)
            text = digits_of(-exact if sign else exact)
            if near_half(exact, dps):
                text = None
        if text is not None and text == previous:
            return text
        previous = text
    raise ref.Unresolved(f"digits of {function.__name__}{args}")


def exact_abs(x):
    return abs(x)


def exact_square(x):
    return x * x


EXACT = {"Abs": exact_abs, "Square": exact_square}


def rows_for(name, function, angle_use, family):
    rng = random.Random(f"exact-{name}")
    for mode in "RDG":
        if angle_use == tables.ARGUMENT:
            fixed, generators = samples.trig_radians() if mode == "R" else \
                samples.trig_turns(360 if mode == "D" else 400)
        else:
            fixed, generators = family()
        made = 0
        for x, _ in samples.points(f"{name}-{mode}-exact", fixed, generators):
            if made >= ROWS_PER_MODE:
                break
            text = decimal_text(x, rng)
            arg = Fraction(Decimal(text.replace("E", "e")))
            args = (arg, mode) if angle_use else (arg,)
            try:
                expected, _ = ref.reference(function, *args)
                if isinstance(expected, str):
                    digits = "-"
                else:
                    digits = "0" if expected == 0 else exact_digits(EXACT.get(name, function), args)
            except ref.Unresolved:
                continue
            made += 1
            shown = expected if isinstance(expected, str) else repr(expected)
            yield f"{mode}\t{name.lower()}(x)\t{text}\t{shown}\t{digits}\n"


def two_argument_rows():
    """Power, LogBaseN, ArcTan2 (in every mode) and Pythag at pairs of exact decimals."""
    import grids
    rng = random.Random("exact-two")
    plans = [("Power", "power(x;{})", grids.power_rows(), ref.f_power, lambda x, z, m: (x, z)),
             ("LogBaseN", "logbaseN({};x)", grids.logbase_rows(), ref.f_logbasen,
              lambda x, b, m: (b, x)),
             ("Pythag", "pythag(x;{})", grids.pythag_rows(), ref.f_pythag, lambda x, v, m: (x, v)),
             ("ArcTan2", "arctan2(x;{})", grids.arctan2_rows(), ref.f_arctan2,
              lambda x, z, m: (x, z, m))]
    for name, template, pairs, function, args_of in plans:
        for mode in "RDG":
            made = 0
            for x, z in pairs[:: max(1, len(pairs) // (3 * ROWS_PER_MODE))]:
                if made >= ROWS_PER_MODE:
                    break
                xt, zt = decimal_text(x, rng), decimal_text(z, rng)
                xa, za = (Fraction(Decimal(t.replace("E", "e"))) for t in (xt, zt))
                args = args_of(xa, za, mode)
                try:
                    expected, _ = ref.reference(function, *args)
                    digits = "-" if isinstance(expected, str) else \
                        "0" if expected == 0 else exact_digits(function, args)
                except ref.Unresolved:
                    continue
                made += 1
                shown = expected if isinstance(expected, str) else repr(expected)
                yield f"{mode}\t{template.format(zt)}\t{xt}\t{shown}\t{digits}\n"
        print(name, file=sys.stderr)


HEADER = """\
# Exact arithmetic: reference values, written by tests/exactness/generate_exact_tables.py
# (do not edit). Columns: mode (R, D, G); formula; x as an exact decimal; the exact value
# rounded to the nearest double, or the failure (divzero, noreal, range); the exact value
# rounded to 15 significant digits, ties away from zero ("-" for a failure).
"""


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "tests/data/exact/functions.tsv"
    with open(path, "w", encoding="ascii") as out:
        out.write(HEADER)
        for name, function, angle_use, family in tables.ONE_ARGUMENT:
            for line in rows_for(name, function, angle_use, family):
                out.write(line)
            print(name, file=sys.stderr)
        for line in two_argument_rows():
            out.write(line)


if __name__ == "__main__":
    main()
