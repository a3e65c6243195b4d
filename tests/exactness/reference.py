"""Exact values of the catalogue's functions, rounded once to the nearest double.

Every function below computes its catalogue definition from the exact arguments with
mpmath, in forms free of cancellation so that the working precision is all accuracy.
A definition either returns an mpf or raises Failure with the kind of failure the
engine must report.  `reference` evaluates at rising precision until two precisions
round to the same double, so no table entry rests on a single evaluation.
"""

import math
from fractions import Fraction

import mpmath
from mpmath import mp, mpf

DIVZERO, NOREAL, RANGE = "divzero", "noreal", "range"


class Failure(Exception):
    def __init__(self, kind):
        super().__init__(kind)
        self.kind = kind


class Unresolved(Exception):
    """The reference value could not be settled; the point is left out of the table."""


# Full turn of each angle mode; None means radians.
FULL_TURN = {"R": None, "D": 360, "G": 400}


def sin_cos(x, mode):
    """Sine and cosine of the angle x in the mode, with exact zeros at quarter turns.

    In degrees and grads the angle is reduced exactly (as a fraction) to the nearest
    quarter turn, so what is left is small and converts to radians without loss.
    """
    full = FULL_TURN[mode]
    if full is None:
        angle = mpf(x)
        return mpmath.sin(angle), mpmath.cos(angle)
    quarter = Fraction(full, 4)
    turn = Fraction(x) % full
    k = round(turn / quarter)
    rest = turn - k * quarter
    t = mpf(rest.numerator) / rest.denominator * (2 * mpmath.pi) / full
    s, c = mpmath.sin(t), mpmath.cos(t)
    return [(s, c), (c, -s), (-s, -c), (-c, s)][k % 4]


def angle_result(radians, mode):
    full = FULL_TURN[mode]
    return radians if full is None else radians * full / (2 * mpmath.pi)


def one_minus(v, other):
    """1 - v for v = sin or cos of an angle whose other function is `other`."""
    if v > 0:
        return other * other / (1 + v)
    return 1 - v


def reciprocal(v):
    if v == 0:
        raise Failure(DIVZERO)
    return 1 / v


def check(condition, kind):
    if not condition:
        raise Failure(kind)


def f_sin(x, mode):
    return sin_cos(x, mode)[0]


def f_cos(x, mode):
    return sin_cos(x, mode)[1]


def f_tan(x, mode):
    s, c = sin_cos(x, mode)
    return s * reciprocal(c)


def f_cot(x, mode):
    s, c = sin_cos(x, mode)
    return c * reciprocal(s)


def f_sec(x, mode):
    return reciprocal(sin_cos(x, mode)[1])


def f_csc(x, mode):
    return reciprocal(sin_cos(x, mode)[0])


def f_coversine(x, mode):
    s, c = sin_cos(x, mode)
    return one_minus(s, c)


def f_versine(x, mode):
    s, c = sin_cos(x, mode)
    return one_minus(c, s)


def f_haversine(x, mode):
    return f_versine(x, mode) / 2


def f_exsecans(x, mode):
    s, c = sin_cos(x, mode)
    return one_minus(c, s) * reciprocal(c)


def f_arcsin(x, mode):
    check(abs(x) <= 1, NOREAL)
    return angle_result(mpmath.asin(x), mode)


def f_arccos(x, mode):
    check(abs(x) <= 1, NOREAL)
    return angle_result(mpmath.acos(x), mode)


def f_arctan(x, mode):
    return angle_result(mpmath.atan(x), mode)


def f_arccot(x, mode):
    return angle_result(mpmath.atan(reciprocal(mpf(x))), mode)


def sqrt_x2_minus_1(x):
    """sqrt((x - 1)(x + 1)), failing where the product is negative."""
    check(abs(x) >= 1, NOREAL)
    return mpmath.sqrt((mpf(x) - 1) * (mpf(x) + 1))


def f_arcsec(x, mode):
    return angle_result(mpmath.atan(sqrt_x2_minus_1(x)), mode)


def f_arccsc(x, mode):
    return angle_result(mpmath.atan(reciprocal(sqrt_x2_minus_1(x))), mode)


def f_arctan2(x, z, mode):
    if x == 0 and z == 0:
        return mpf(0)
    return angle_result(mpmath.atan2(x, z), mode)


# Beyond this magnitude sinh, cosh and exp leave the double range by far; mpmath
# could still compute them, but the answer is known.
HUGE_ARGUMENT = 1000


def f_sinh(x):
    check(abs(x) < HUGE_ARGUMENT, RANGE)
    return mpmath.sinh(x)


def f_cosh(x):
    check(abs(x) < HUGE_ARGUMENT, RANGE)
    return mpmath.cosh(x)


def f_tanh(x):
    return mpmath.tanh(x)


def f_coth(x):
    return reciprocal(mpmath.tanh(x))


def f_sech(x):
    return mpf(0) if abs(x) > HUGE_ARGUMENT else mpmath.sech(x)


def f_csch(x):
    if abs(x) > HUGE_ARGUMENT:
        return mpf(0)
    return reciprocal(mpmath.sinh(x))


def f_arcsinh(x):
    return mpmath.asinh(x)


def f_arccosh(x):
    # atanh(sqrt((x-1)(x+1)) / x) equals acosh(|x|) with the sign of x.
    root = sqrt_x2_minus_1(x)
    if root == 0:
        return mpf(0)
    magnitude = mpmath.acosh(abs(mpf(x)))
    return magnitude if x > 0 else -magnitude


def atanh_checked(y_is_one, y_abs_above_one, value):
    check(not y_abs_above_one, NOREAL)
    check(not y_is_one, DIVZERO)
    return value()


def f_arctanh(x):
    return atanh_checked(abs(x) == 1, abs(x) > 1, lambda: mpmath.atanh(x))


def f_arccoth(x):
    # atanh(1/x) = log1p(2 / (x - 1)) / 2 for |x| > 1, free of cancellation near 1.
    reciprocal(mpf(x))
    return atanh_checked(abs(x) == 1, abs(x) < 1,
                         lambda: mpmath.log1p(2 / (mpf(x) - 1)) / 2)


def f_arcsech(x):
    # atanh(sqrt((1-x)(1+x))) = ln((1 + s) / |x|) with s = sqrt(1 - x^2).
    check(abs(x) <= 1, NOREAL)
    check(x != 0, DIVZERO)
    a = abs(mpf(x))
    s = mpmath.sqrt((1 - a) * (1 + a))
    return mpmath.log1p((1 - a + s) / a)


def f_arccsch(x):
    # Ln((1 + sqrt(1 + x^2)) / x) = asinh(1 / x): the division comes before the logarithm.
    inverse = reciprocal(mpf(x))
    check(x > 0, NOREAL)
    return mpmath.asinh(inverse)


def f_abs(x):
    return abs(mpf(x))


def f_square(x):
    return mpf(x) * mpf(x)


def f_sqrt(x):
    check(x >= 0, NOREAL)
    return mpmath.sqrt(x)


def f_exp(x):
    check(x < HUGE_ARGUMENT, RANGE)
    return mpf(0) if x < -HUGE_ARGUMENT else mpmath.exp(x)


def log_checked(x):
    check(x > 0, NOREAL)
    return mpmath.log(x)


def f_ln(x):
    return log_checked(x)


def f_log10(x):
    check(x > 0, NOREAL)
    return mpmath.log10(x)


def f_log2(x):
    check(x > 0, NOREAL)
    return mpmath.log(x, 2)


def f_logbasen(base, x):
    numerator, denominator = log_checked(x), log_checked(base)
    return numerator * reciprocal(denominator)


def f_pythag(h, v):
    return mpmath.hypot(h, v)


def f_power(x, z):
    if x == 0:
        check(z >= 0, DIVZERO)
        return mpf(1) if z == 0 else mpf(0)
    integral = z == math.floor(z)
    check(x > 0 or integral, NOREAL)
    # Results far outside the double range are settled by the size of their logarithm.
    log2 = z * math.log2(abs(x))
    check(log2 < 1100, RANGE)
    if log2 < -1200:
        return mpf(0)
    magnitude = mpf(abs(x)) ** int(z) if integral and abs(z) < 2**20 \
        else mpmath.power(abs(mpf(x)), mpf(z))
    odd = integral and abs(z) < 2**53 and int(z) % 2 == 1
    return -magnitude if x < 0 and odd else magnitude


def to_double(value):
    """The nearest double to an mpf (ties to even) and (exact - nearest) in its ulps."""
    if value == 0:
        return 0.0, Fraction(0)
    sign, man, exp, bits = value._mpf_
    if exp + bits > 1100:
        raise Failure(RANGE)
    if exp + bits < -1100:
        return (-0.0 if sign else 0.0), Fraction(0)
    exact = Fraction(man << exp) if exp >= 0 else Fraction(man, 1 << -exp)
    if sign:
        exact = -exact
    try:
        nearest = float(exact)
    except OverflowError:
        raise Failure(RANGE) from None
    return nearest, (exact - Fraction(nearest)) / Fraction(math.ulp(nearest))


def rounded_at(dps, function, args):
    with mp.workdps(dps):
        try:
            return to_double(function(*args))
        except Failure as failure:
            return failure.kind, None


PRECISIONS = (40, 80, 160, 320, 640)


def reference(function, *args):
    """(expected, residual): the correctly rounded double or a failure kind."""
    previous = None
    for dps in PRECISIONS:
        expected, residual = rounded_at(dps, function, args)
        if previous is not None and expected == previous:
            return expected, residual
        previous = expected
    raise Unresolved(f"{function.__name__}{args}")
