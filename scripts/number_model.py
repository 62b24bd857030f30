"""The engine's Number, modelled with exact fractions for the reference generators.

A Number holds 16 limbs of 8 decimal digits, most significant first, the first not zero, with a
decimal exponent that is a multiple of 8: the grid of a value whose first limb stands for 10^e
(e a multiple of 8, 10^e <= |x| < 10^(e+8)) is 10^(e-120). A result that is not exact is rounded
once: to the nearest point of that grid (a tie to the even last digit), then, when the last digit
of that point is 0 or 5, one unit towards the exact value. Magnitudes above 1e67108864 are
infinite, those below 1e-67108864 zero.
"""
import decimal
from fractions import Fraction

MAX_EXP = 67108864
INFINITY = "inf"


def limb_exponent(value):
    """The multiple of 8, e, with 10^e <= |value| < 10^(e+8)."""
    value = abs(Fraction(value))
    approximate = int((value.numerator.bit_length() - value.denominator.bit_length()) * 0.30103)
    e = 8 * (approximate // 8)
    while Fraction(10) ** (e + 8) <= value:
        e += 8
    while Fraction(10) ** e > value:
        e -= 8
    return e


def round_number(q):
    """The Number that the exact value q (a Fraction) rounds to: a Fraction, or "inf"/"-inf"."""
    q = Fraction(q)
    if q == 0:
        return q
    k = limb_exponent(q) - 120
    scaled = abs(q) / Fraction(10) ** k
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    up = rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2 == 1)
    if rest != 0 and (n + up) % 10 in (0, 5):
        up = not up
    m = n + up  # the result is m * 10^k
    if MAX_EXP - k < 200 and m > 10 ** max(MAX_EXP - k, 0):
        return "-inf" if q < 0 else INFINITY
    if -MAX_EXP - k > -200 and m < 10 ** max(-MAX_EXP - k, 0):
        return Fraction(0)
    result = m * Fraction(10) ** k
    return -result if q < 0 else result


def text(value):
    """Exact decimal text of a Fraction whose denominator divides a power of ten."""
    if isinstance(value, str):
        return value
    if value == 0:
        return "0"
    sign = "-" if value < 0 else ""
    value = abs(value)
    d = value.denominator
    twos = (d & -d).bit_length() - 1
    fives, rest = 0, d >> twos
    while rest % 5 == 0:
        rest //= 5
        fives += 1
    assert rest == 1, "not a decimal"
    exponent = -max(twos, fives)
    n = value.numerator * 10 ** -exponent // d
    while n % 10 == 0:
        n //= 10
        exponent += 1
    return f"{sign}{n}e{exponent}" if exponent else f"{sign}{n}"


def printed(value, digits):
    """The value (a Decimal or Fraction) rounded to `digits` significant digits (a tie to even)
    and written as the engine prints it: fixed notation for decimal exponents -4 .. digits-1,
    otherwise d.ddde+XX; trailing zeros dropped."""
    if isinstance(value, str):
        return value
    if isinstance(value, Fraction):
        value = decimal.Decimal(text(value))  # exact: the text holds every digit
    if value == 0:
        return "0"
    with decimal.localcontext() as ctx:
        ctx.prec = digits
        ctx.rounding = decimal.ROUND_HALF_EVEN
        r = (+value).normalize()
    sign = "-" if r < 0 else ""
    r = abs(r)
    exponent = r.adjusted()
    mantissa = format(r.scaleb(-exponent).normalize(), "f")
    if exponent < -4 or exponent >= digits:
        return f"{sign}{mantissa}e{'+' if exponent >= 0 else '-'}{abs(exponent):02d}"
    fixed = format(r, "f")
    if "." in fixed:
        fixed = fixed.rstrip("0").rstrip(".")
    return sign + fixed
