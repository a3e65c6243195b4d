"""Argument grids of the two-argument functions.

x varies freely; the other argument is written into the formula as text, so it is
chosen among doubles whose exact decimal expansion is short enough to write out: that
text then reads back to exactly the same double, even in long double.
"""

import math
import random
from decimal import Decimal

from samples import DBL_MAX, fill, log_uniform, near_one, neighbours, signed


def exact_text(value):
    """The exact decimal value of a double in the formula language's number syntax."""
    return str(Decimal(value))


def dyadics(seed, count, lo, hi, signed_too=True):
    """Doubles with 20-bit mantissas: their exact decimals stay a few dozen digits long."""
    rng = random.Random(seed)
    out = []
    for _ in range(count):
        v = math.ldexp(rng.getrandbits(20) | 1, rng.randint(lo, hi) - 20)
        out.append(-v if signed_too and rng.random() < 0.5 else v)
    return out


# A second argument with a long decimal expansion gets only a few rows.
LONG_TEXT, FEW_ROWS = 80, 8


def grid(seed, seconds, first_for, total=2050):
    """About `total` rows (x, second): for every second argument, x from first_for(second)."""
    rows = []
    short = sum(len(exact_text(s)) < LONG_TEXT for s in seconds)
    per_second = -(-(total - FEW_ROWS * (len(seconds) - short)) // short)
    for i, second in enumerate(seconds):
        fixed, generators = first_for(second)
        count = per_second if len(exact_text(second)) < LONG_TEXT else FEW_ROWS
        for x in fill(f"{seed}-{i}", count, fixed, generators):
            rows.append((x, second))
    return rows


def power_rows(total=2050):
    exponents = [0.0, 1.0, -1.0, 2.0, -2.0, 3.0, -3.0, 4.0, 5.0, 7.0, 10.0, -10.0, 17.0,
                 64.0, -64.0, 100.0, 1000.0, -1000.0, 0.5, -0.5, 1.5, -1.5, 0.25, 2.5,
                 0.75, 3.5, -2.5, 1 / 3, 2 / 3, 0.1, 1e-5, 2.0**-30, 2.0**60,
                 2.0**53 - 1, 1e20, -(2.0**53 - 1)] + dyadics("power-z", 12, -12, 12)

    def bases(z):
        top = 1023 if abs(z) < 1 else max(1, min(1023, int(1020 / abs(z))))
        bottom = -1074 if abs(z) < 1 else min(-1, max(-1074, math.ceil(-1070 / abs(z))))
        fixed = [0.0, 1.0, -1.0, 2.0, -2.0, 0.5, 10.0, -10.0, 16.0, 1 + 2.0**-52]
        return fixed, [(4, log_uniform(bottom, top)), (1, log_uniform(-1074, 1023))]
    return grid("power", exponents, bases, total)


def logbase_rows(total=2050):
    bases = [2.0, 3.0, 10.0, 0.5, 0.25, 1.5, 7.0, 100.0, 1e22, 2.0**-60, 2.0**60,
             1 + 2.0**-52, 1 - 2.0**-53, 1 + 2.0**-20, 1 - 2.0**-20, 1.0, 0.0, -2.0,
             0.1, math.e, math.pi] + dyadics("logbase-b", 20, -40, 40, signed_too=False)

    def arguments(base):
        fixed = [1.0, base, base * base, 0.0, -1.0, 2.0, 10.0] + near_one()[:8]
        return fixed, [(3, log_uniform(-1074, 1023, signed=False)),
                       (2, log_uniform(-40, 40, signed=False)), (1, log_uniform(-40, 40))]
    return grid("logbase", bases, arguments, total)


def arctan2_rows(seed="arctan2", total=2050):
    horizontals = signed([1.0, 2.0, 0.5, 3.0, 10.0, 1e22, 2.0**-60, 2.0**60]) + [0.0] \
        + dyadics(seed + "-z", 20, -40, 40)

    def verticals(z):
        fixed = [0.0, 1.0, -1.0, z, -z, 2 * z, math.sqrt(3.0)]
        return fixed, [(3, log_uniform(-1074, 1023)), (3, log_uniform(-40, 40))]
    return grid(seed, horizontals, verticals, total)


def pythag_rows(total=2050):
    verticals = [0.0, 1.0, 2.0, 3.0, 4.0, -4.0, 0.5, 1e22, 2.0**-60, 2.0**60,
                 2.0**1000, DBL_MAX, 2.0**-1000] + dyadics("pythag-v", 30, -60, 60)

    def horizontals(v):
        fixed = [0.0, 3.0, -3.0, 4.0, v, -v, 1e154] + neighbours([math.sqrt(DBL_MAX)], 1)
        return fixed, [(3, log_uniform(-1074, 1023)), (3, log_uniform(-30, 30))]
    return grid("pythag", verticals, horizontals, total)
