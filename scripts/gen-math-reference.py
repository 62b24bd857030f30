#!/usr/bin/env python3
"""Writes tests/data/math_reference.tsv: reference values of the elementary functions.

Each row: function name ("^" for the power operator), arguments joined by ";", and the value
rounded to 32 and to 100 significant digits (a tie to even) in the form the engine prints it.
Values come from mpmath at 1300 digits (exact decimal arithmetic for the rounding and
decimal-exponent functions), so they are independent of the engine's libraries. Beside the
chosen cases, every function gets random arguments over its domain (a fixed seed), so that the
set holds well over 1,000 values compared in all 100 digits.

Requires python3-mpmath (Debian package). The tests read the output; they never run this.
Usage: scripts/gen-math-reference.py [OUTPUT]   (default tests/data/math_reference.tsv)
"""
import decimal
import os
import random
import sys

import mpmath

from number_model import printed

mpmath.mp.dps = 1300  # the angles go up to 1e1000
D = decimal.Decimal
decimal.getcontext().prec = 2000
decimal.getcontext().Emax = decimal.MAX_EMAX
decimal.getcontext().Emin = decimal.MIN_EMIN


def mp(text):
    return mpmath.mpf(text)


def real_cbrt(x):
    x = mp(x)
    return -mpmath.cbrt(-x) if x < 0 else mpmath.cbrt(x)


def to_int(text):
    """Truncation toward zero, as the engine's integer conversion does."""
    return int(D(text).to_integral_value(rounding=decimal.ROUND_DOWN))


def rad(*args):
    d = mp(args[0])
    if len(args) > 1:
        d += mp(args[1]) / 60
    if len(args) > 2:
        d += mp(args[2]) / 3600
    return d * mpmath.pi / 180


def logb(text):
    return D(abs(D(text)).adjusted())


def frac(text):
    d = D(text)
    return d - d.to_integral_value(rounding=decimal.ROUND_DOWN)


def rounded(text, mode):
    return D(text).to_integral_value(rounding=mode)


FUNCTIONS = {
    "abs": lambda x: abs(D(x)),
    "int": lambda x: rounded(x, decimal.ROUND_DOWN),
    "trunc": lambda x: rounded(x, decimal.ROUND_DOWN),
    "frac": frac,
    "ceil": lambda x: rounded(x, decimal.ROUND_CEILING),
    "floor": lambda x: rounded(x, decimal.ROUND_FLOOR),
    "round": lambda x: rounded(x, decimal.ROUND_HALF_UP),
    "exp": lambda x: mpmath.exp(mp(x)),
    "exp2": lambda x: mpmath.power(2, mp(x)),
    "ln": lambda x: mpmath.log(mp(x)),
    "log2": lambda x: mpmath.log(mp(x), 2),
    "log": lambda x: mpmath.log10(mp(x)),
    "log10": lambda x: mpmath.log10(mp(x)),
    "sqrt": lambda x: mpmath.sqrt(mp(x)),
    "sqr": lambda x: mpmath.sqrt(mp(x)),
    "cbrt": real_cbrt,
    "cbr": real_cbrt,
    "sin": lambda x: mpmath.sin(mp(x)),
    "cos": lambda x: mpmath.cos(mp(x)),
    "tan": lambda x: mpmath.tan(mp(x)),
    "asin": lambda x: mpmath.asin(mp(x)),
    "acos": lambda x: mpmath.acos(mp(x)),
    "atan": lambda x: mpmath.atan(mp(x)),
    "sinh": lambda x: mpmath.sinh(mp(x)),
    "cosh": lambda x: mpmath.cosh(mp(x)),
    "tanh": lambda x: mpmath.tanh(mp(x)),
    "asinh": lambda x: mpmath.asinh(mp(x)),
    "acosh": lambda x: mpmath.acosh(mp(x)),
    "atanh": lambda x: mpmath.atanh(mp(x)),
    "deg": lambda x: mp(x) * 180 / mpmath.pi,
    "todeg": lambda x: mp(x) * 180 / mpmath.pi,
    "radtodeg": lambda x: mp(x) * 180 / mpmath.pi,
    "logb": logb,
    "rad": rad,
    "torad": rad,
    "degtorad": rad,
    "atan2": lambda y, x: mpmath.atan2(mp(y), mp(x)),
    "scalbn": lambda x, n: D(x).scaleb(to_int(n)),
    "hypot": lambda x, y: mpmath.hypot(mp(x), mp(y)),
    "ldexp": lambda x, n: mpmath.ldexp(mp(x), to_int(n)),
    "^": lambda x, y: mpmath.power(mp(x), mp(y)),
}

PI_100 = ("3.141592653589793238462643383279502884197169399375105820974944592307816406286"
          "208998628034825342117068")
HALF_PI_100 = ("1.57079632679489661923132169163975144209858469968755291048747229615390820314"
               "3104499314017412671058534")
ANGLES = ["1", "-0.5", "3.14159", PI_100, HALF_PI_100, "355", "710", "1e30", "1.0000000000000000000000000000001e30", "1e-8", "100", "-1234.5678", "1e6", "1e22", "1e40",
          "1e50", "1e100", "-1e300", "1.2345678901234567890123456789e500", "9.87e999"]

CASES = {
    "abs": ["-2.5", "3.75", "-1e-20", "0"],
    "int": ["-2.7", "2.7", "0.999", "-123456789012345678901234567890.5"],
    "trunc": ["-2.7", "2.7", "1e40"],
    "frac": ["-2.7", "2.5", "123.456", "5", "1234567890123.0625"],
    "ceil": ["-2.7", "2.1", "-0.5", "7"],
    "floor": ["-2.7", "2.9", "-0.5", "7"],
    "round": ["2.5", "-2.5", "2.4999", "0.5", "-0.5", "1.5", "-1.5",
              "-2.5000000000000000000000000000000000001", "0.49999999999999999999", "12345678901.5"],
    "exp": ["1", "-1", "0.5", "10", "100", "-50", "1e-10", "230.2585", "12345.678", "1e-130",
            "154523869.8", "-154523869.8"],
    "exp2": ["10", "0.5", "-3", "3.3", "100.25", "-0.75", "200"],
    "ln": ["2", "10", "0.5", "1.0000001", "12345.6789", "1e-50", "1e300", "0.9999999999", "48200",
           "1e-100000", "1.0000000000000000000000000000000000000000000000001"],
    "log2": ["8", "3", "0.1", "1e100"],
    "log": ["1000", "2", "0.0031", "7.5e200"],
    "log10": ["1000", "2", "0.0031", "7.5e200"],
    "sqrt": ["2", "16", "0.5", "1e-7", "12345678.9", "1e301"],
    "sqr": ["2", "3"],
    "cbrt": ["2", "-27", "0.001", "1e100", "-0.5", "12345.678"],
    "cbr": ["-2", "64"],
    "sin": ANGLES,
    "cos": ANGLES,
    "tan": ["1", "1.57", HALF_PI_100, PI_100, "-0.7", "1e-8", "1e22", "1e50", "1e300"],
    "asin": ["0.5", "-0.3", "0.9999999", "1", "-1", "1e-10"],
    "acos": ["0.5", "-0.3", "0.9999999", "1", "-1", "0", "-0.9999999"],
    "atan": ["1", "-0.5", "1e10", "1e-10", "1e300", "0.75"],
    "sinh": ["1", "-0.5", "1e-10", "20", "100"],
    "cosh": ["1", "-0.5", "1e-10", "20", "100"],
    "tanh": ["1", "-0.5", "1e-10", "20", "0.1"],
    "asinh": ["1", "-0.5", "1e-10", "1e10", "1e300"],
    "acosh": ["1.5", "1", "1.0000001", "1e10", "1e300"],
    "atanh": ["0.5", "-0.3", "0.9999999", "1e-10"],
    "deg": ["1", "3.14159", "-0.5"],
    "todeg": ["2"],
    "radtodeg": ["-3"],
    "logb": ["1234.5", "0.05", "-7e20", "1", "9.999"],
    "rad": ["180", "-10;30", "1;0;3600", "45;30;15", "0;30", "-0.5;-1.5;2"],
    "torad": ["90"],
    "degtorad": ["1;2;3"],
    "atan2": ["1;0", "0;-1", "-1;0", "1;1", "-2;-3", "3;-4", "1e-10;1", "5;1e-20"],
    "scalbn": ["1.5;3", "7;-2", "1;2.9", "-2.5;-7.9", "3;100"],
    "hypot": ["3;4", "1;1", "1e-10;1", "-5;12.5", "1e300;1e300"],
    "ldexp": ["3;-1", "1;10", "7;-2", "1.1;100", "1;-20", "5;3.7", "1;500", "3;-300"],
    "^": ["2;0.5", "10;1.5", "0.5;-1.5", "7;1e-30", "123.456;-78.9", "1.0000001;1e12",
          "2;1e-130", "1e300;0.123"],
}


def decimal_of(value):
    if isinstance(value, D):
        return value
    return D(mpmath.nstr(value, 170, min_fixed=1, max_fixed=0, strip_zeros=False))


def near_tie(value, digits):
    """True when the value lies so close to a rounding tie at `digits` digits that the
    reference itself could round the other way."""
    if value == 0:
        return False
    scaled = abs(value).scaleb(digits - 1 - abs(value).adjusted())
    fraction = scaled - scaled.to_integral_value(rounding=decimal.ROUND_FLOOR)
    return abs(fraction - D("0.5")) < D("1e-60")


def random_decimal(rng, low, high, sign=True):
    """A decimal of 1 to 40 significant digits with its decimal exponent in [low, high]."""
    digits = rng.choice([1, 2, 3, 5, 8, 12, 20, 30, 40])
    significand = rng.randrange(10 ** (digits - 1), 10 ** digits)
    exponent = rng.randint(low, high) - (digits - 1)
    negative = sign and rng.random() < 0.5
    return f"{'-' if negative else ''}{significand}e{exponent}"


def random_below_one(rng, low):
    """A decimal of magnitude below 1 (at least 10^low), also close to 1."""
    if rng.random() < 0.3:
        nines = rng.randint(1, 30)
        return ("-" if rng.random() < 0.5 else "") + "0." + "9" * nines + str(rng.randint(1, 8))
    text = random_decimal(rng, low, -1)
    return text


RANDOM_ARGUMENTS = {
    "exp": lambda r: random_decimal(r, -30, 5) if r.random() < 0.9 else random_decimal(r, 5, 7),
    "exp2": lambda r: random_decimal(r, -30, 6),
    "ln": lambda r: random_decimal(r, -400, 400, False),
    "log2": lambda r: random_decimal(r, -60, 60, False),
    "log10": lambda r: random_decimal(r, -400, 400, False),
    "sqrt": lambda r: random_decimal(r, -400, 400, False),
    "cbrt": lambda r: random_decimal(r, -400, 400),
    "sin": lambda r: random_decimal(r, -30, 40),
    "cos": lambda r: random_decimal(r, -30, 40),
    "tan": lambda r: random_decimal(r, -30, 40),
    "asin": lambda r: random_below_one(r, -40),
    "acos": lambda r: random_below_one(r, -40),
    "atan": lambda r: random_decimal(r, -40, 40),
    "sinh": lambda r: random_decimal(r, -40, 4),
    "cosh": lambda r: random_decimal(r, -40, 4),
    "tanh": lambda r: random_decimal(r, -40, 2),
    "asinh": lambda r: random_decimal(r, -40, 80),
    "acosh": lambda r: ("1." + "0" * r.randint(0, 30) + str(r.randint(1, 9)) if r.random() < 0.4
                        else random_decimal(r, 0, 80, False)),
    "atanh": lambda r: random_below_one(r, -40),
    "deg": lambda r: random_decimal(r, -20, 20),
    "rad": lambda r: ";".join(random_decimal(r, -5, 3) for _ in range(r.randint(1, 3))),
    "atan2": lambda r: random_decimal(r, -20, 20) + ";" + random_decimal(r, -20, 20),
    "hypot": lambda r: random_decimal(r, -50, 50) + ";" + random_decimal(r, -50, 50),
    "ldexp": lambda r: random_decimal(r, -20, 20) + ";" + str(r.randint(-400, 400)),
    "^": lambda r: random_decimal(r, -20, 20, False) + ";" + random_decimal(r, -4, 1),
}
RANDOM_PER_FUNCTION = 60
SEED = 20261207


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "tests", "data",
                                                              "math_reference.tsv")
    cases = [(name, case) for name, list_ in CASES.items() for case in list_]
    rng = random.Random(SEED)
    for name, generate in RANDOM_ARGUMENTS.items():
        for _ in range(RANDOM_PER_FUNCTION):
            cases.append((name, generate(rng)))
    rows = []
    for name, case in cases:
        args = case.split(";")
        try:
            result = FUNCTIONS[name](*args)
        except (ValueError, ZeroDivisionError):
            continue
        if isinstance(result, mpmath.mpc) or (not isinstance(result, D) and
                                              not mpmath.isfinite(result)):
            continue
        value = decimal_of(result)
        if near_tie(value, 32) or near_tie(value, 100):
            sys.exit(f"{name}({case}) rounds at a tie; choose another argument or seed")
        rows.append(f"{name}\t{case}\t{printed(value, 32)}\t{printed(value, 100)}")
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write("# function\targuments\t32 digits\t100 digits"
                "   (generated by scripts/gen-math-reference.py)\n")
        f.write("\n".join(rows) + "\n")
    print(f"{len(rows)} rows written to {out}")


if __name__ == "__main__":
    main()
