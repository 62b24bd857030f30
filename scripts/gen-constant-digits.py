#!/usr/bin/env python3
"""Writes engine/ConstantDigits.h: ln 2, ln 10 and pi to 1,250 significant digits.

The engine reads its widest constants from these texts instead of summing their series at run
time, which would cost a process a tenth of a second on its first hard-case function value.
Values come from mpmath at 1,300 digits, independent of the engine's libraries; a test checks
them against Boost's own computation. Requires python3-mpmath (Debian package).
Usage: scripts/gen-constant-digits.py [OUTPUT]   (default engine/ConstantDigits.h)
"""
import os
import sys

import mpmath

DIGITS = 1250


def text(value):
    return mpmath.nstr(value, DIGITS, strip_zeros=False, min_fixed=-mpmath.inf,
                       max_fixed=mpmath.inf)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "engine", "ConstantDigits.h")
    mpmath.mp.dps = DIGITS + 50
    constants = [("kLn2Digits", mpmath.log(2)), ("kLn10Digits", mpmath.log(10)),
                 ("kPiDigits", mpmath.pi)]
    lines = [
        "#pragma once",
        "// ln 2, ln 10 and pi to %d significant digits, written by scripts/gen-constant-digits.py:" % DIGITS,
        "// read by the widest arithmetic instead of being summed at run time. Do not edit.",
        "",
        "namespace numora::wide {",
        "",
    ]
    for name, value in constants:
        digits = text(value)
        lines.append("inline constexpr const char* %s =" % name)
        for i in range(0, len(digits), 90):
            lines.append('    "%s"' % digits[i:i + 90])
        lines[-1] += ";"
        lines.append("")
    lines.append("}  // namespace numora::wide")
    with open(out, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
