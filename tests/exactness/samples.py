"""Arguments at which the reference tables are written.

Each family of functions draws from weighted generators (log-uniform magnitudes over a
range of binary exponents, uniform intervals) and adds fixed points: domain edges and
their neighbouring doubles, zeros, poles, overflow thresholds, exact cases.
"""

import math
import random
import sys
from fractions import Fraction

import mpmath
from mpmath import mp

DBL_MAX = sys.float_info.max
DBL_MIN = sys.float_info.min
DBL_TRUE_MIN = 5e-324


def log_uniform(lo, hi, signed=True):
    """A double whose binary exponent is uniform in [lo, hi] and mantissa random."""
    def draw(rng):
        value = math.ldexp(1 + rng.getrandbits(52) / 2**52, rng.randint(lo, hi))
        value = min(value, DBL_MAX)
        return -value if signed and rng.random() < 0.5 else value
    return draw


def uniform(a, b):
    return lambda rng: rng.uniform(a, b)


def neighbours(values, steps=2):
    """Each value with the `steps` doubles on either side of it."""
    out = []
    for v in values:
        up = down = v
        out.append(v)
        for _ in range(steps):
            up, down = math.nextafter(up, math.inf), math.nextafter(down, -math.inf)
            out += [up, down]
    return out


def signed(values):
    return [s * v for v in values for s in (1, -1)]


def nearest_multiples(unit, ks):
    """The doubles nearest to k * unit (unit an mpmath constant expression)."""
    with mp.workdps(60):
        return [float(mpmath.mpf(k) * unit()) for k in ks]


# The double closest to a multiple of pi/2: the hardest argument reduction.
HARDEST_REDUCTION = float(6381956970095103 * 2**797)

COMMON = [0.0, 1.0, -1.0, 2.0, -2.0, 0.5, -0.5, 3.0, 10.0, -10.0, DBL_MAX, -DBL_MAX,
          DBL_MIN, -DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, DBL_MIN / 3, 1e-300, 1e300]


def points(seed, fixed, generators):
    """`fixed` points first, then weighted random draws without end, all distinct.

    Yields (x, fixed?) so that a consumer can take every fixed point and stop later.
    """
    rng = random.Random(seed)
    seen = set()
    weights = [w for w, _ in generators]
    for v in fixed:
        v = float(v)
        if v not in seen:
            seen.add(v)
            yield v, True
    while True:
        v = rng.choices(generators, weights)[0][1](rng)
        if math.isfinite(v) and v not in seen:
            seen.add(v)
            yield v, False


def fill(seed, count, fixed, generators):
    """Every fixed point and random ones up to `count` points in all."""
    out = []
    for v, is_fixed in points(seed, fixed, generators):
        if not is_fixed and len(out) >= count:
            return out
        out.append(v)


def near_one(sign=1):
    """1 +- 2^-k for every k, and the doubles next to 1."""
    return [sign * (1 + s * 2.0**-k) for k in range(1, 54) for s in (1, -1)] \
        + signed(neighbours([1.0], 4))


def trig_radians():
    pi_halves = nearest_multiples(lambda: mpmath.pi / 2, range(1, 120))
    far = nearest_multiples(lambda: mpmath.pi / 2, [10**j + 1 for j in range(3, 18)])
    fixed = COMMON + signed(neighbours(pi_halves[:40], 1) + pi_halves + far) \
        + signed([HARDEST_REDUCTION, 1e22, 2.0**64, 2.0**1000])
    return fixed, [(4, log_uniform(-30, 7)), (2, uniform(-20, 20)),
                   (1, log_uniform(-1074, 1023)), (1, log_uniform(-60, -30))]


def angle_turns(full):
    """Multiples of eighth turns, near and far, and doubles close to quarter turns."""
    eighth = Fraction(full, 8)
    near = [float(k * eighth) for k in range(-40, 41)]
    far = []
    for m in [2**20 + 3, 2**33 - 5, 10**12 + 7]:
        for k in range(-8, 9):
            v = m * full + k * eighth
            if Fraction(float(v)) == v:
                far.append(float(v))
    quarter = [full / 4 * k for k in (1, 2, 3, 4, -1, -3, 5, 7)]
    close = neighbours(quarter, 2) + [q + s * 2.0**-j for q in quarter
                                      for s in (1, -1) for j in (10, 30)]
    return near + far + close


def trig_turns(full):
    fixed = COMMON[:10] + angle_turns(full)
    return fixed, [(3, uniform(-2 * full, 2 * full)), (2, log_uniform(-60, 60)),
                   (1, lambda rng: float(rng.randint(-1000, 1000))),
                   (1, log_uniform(-1074, 1023))]


def inverse_sine_cosine():
    fixed = COMMON + near_one() + near_one(-1) + signed([0.5, math.sqrt(0.5), 0.75])
    return fixed, [(5, uniform(-1, 1)), (4, log_uniform(-60, -1)),
                   (1, log_uniform(0, 10)), (1, log_uniform(-1074, -60))]


def everywhere(core=(-30, 30)):
    return COMMON + signed([0.1, 7.0, 1e10, 1e-10]), \
        [(5, log_uniform(*core)), (3, log_uniform(-1074, 1023))]


def outside_unit():
    """Mostly |x| >= 1, with the unit interval inside (no real value there)."""
    fixed = COMMON + near_one() + near_one(-1) + signed([math.sqrt(2.0), 4.0, 1e154])
    return fixed, [(6, log_uniform(0, 60)), (3, log_uniform(0, 1023)),
                   (1, uniform(-1, 1)), (1, log_uniform(-60, -1))]


def inside_unit():
    """Mostly |x| <= 1, with edges at 0 and 1 and a few outside."""
    fixed = COMMON + near_one() + near_one(-1) + signed([0.5, 0.75, 1e-16])
    return fixed, [(4, uniform(-1, 1)), (4, log_uniform(-60, -1)),
                   (1, log_uniform(-1074, -60)), (1, log_uniform(0, 30))]


def exponential():
    thresholds = [709.782712893384, -708.3964185322641, -745.1332191019411,
                  -744.4400719213812, 710.4758600739439, -710.4758600739439]
    fixed = COMMON + neighbours(thresholds, 3) + [float(k) for k in range(-760, 720, 37)] \
        + signed([711.0, 746.0, 800.0, 1000.0, 12000.0, 1e5])
    return fixed, [(5, uniform(-746, 710)), (4, log_uniform(-60, 9)),
                   (1, log_uniform(-1074, 1023))]


def hyperbolic_overflow():
    fixed, _ = exponential()
    return fixed, [(4, uniform(-712, 712)), (4, log_uniform(-60, 9)),
                   (1, log_uniform(-1074, 1023))]


def hyperbolic_ratio():
    return COMMON + signed([20.0, 22.0, 25.0, 40.0, 12000.0]), \
        [(5, log_uniform(-60, 5)), (3, uniform(-25, 25)), (1, log_uniform(-1074, 1023))]


def logarithm():
    fixed = COMMON + near_one() + [10.0**k for k in range(-22, 23)] \
        + [2.0**k for k in range(-1074, 1024, 19)] + [math.e, 1e22, 1e-22]
    return fixed, [(6, log_uniform(-1074, 1023, signed=False)),
                   (4, log_uniform(-40, 40, signed=False)), (1, log_uniform(-40, 40))]


def square_root():
    squares = [float(k * k) for k in range(1, 60)] + [2.0**(2 * k) for k in range(-537, 511, 23)]
    fixed = COMMON + squares + neighbours([2.0**-1074, 4.0], 2)
    return fixed, [(6, log_uniform(-1074, 1023, signed=False)),
                   (3, log_uniform(-30, 30, signed=False)), (1, log_uniform(-30, 30))]


def squaring():
    edges = [math.sqrt(DBL_MAX), 2.0**512, 2.0**-537, 2.0**-511, math.sqrt(DBL_MIN)]
    return COMMON + neighbours(edges, 3), \
        [(5, log_uniform(-30, 30)), (4, log_uniform(-1074, 1023))]


def positive_only():
    fixed = COMMON + [1e-20, 1e20]
    return fixed, [(6, log_uniform(-1074, 1023, signed=False)),
                   (5, log_uniform(-30, 30, signed=False)), (1, log_uniform(-30, 30))]
