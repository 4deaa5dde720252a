#!/usr/bin/env python3
"""Expected number texts for number_text_test.cpp, worked out with Python's own correctly
rounded formatting and its decimal module, independently of the C++ code.

Run: python3 tests/calc/number_text_expected.py  (prints table rows to paste into the tests)
"""
from decimal import Decimal, ROUND_HALF_UP
import struct

DOUBLES = [
    "0.1 + 0.2", "1.0 / 3.0", "2.0 / 3.0", "1e-4", "0.00001", "123456789012345678.0",
    "999999999999999.9", "99999999999999.9", "-1.5e-7", "1e15", "1e16", "-123.456",
    "6.02214076e23", "1.7976931348623157e308", "5e-324", "0.000123456789012345678",
    "100.0", "-0.5", "12345678901234.5", "0.1 * 3.0", "1e100", "-9.87654321e-100",
]

SINGLES = ["1e7", "1234567.0", "0.1", "3.1415927", "9999999.0", "12345678.0", "1e-5",
           "0.0001", "-2.5e-10", "3.4028235e38", "16777217.0"]

FIXED = ["0.15", "0.25", "2.45", "-2.25", "1.005", "1234567.891", "0.004", "1e20", "1e-20",
         "-0.001", "1234.5", "999.995", "-999999.999", "0.05", "0.95", "0.049999999999999"]


def general(text, digits, exponent_from):
    mantissa, exponent = text.split("e")
    exponent = int(exponent)
    sign = "-" if mantissa.startswith("-") else ""
    all_digits = mantissa.lstrip("-").replace(".", "").rstrip("0") or "0"
    if all_digits == "0":
        return "0"
    if exponent >= exponent_from or exponent < -4:
        m = all_digits[0] + ("." + all_digits[1:] if len(all_digits) > 1 else "")
        return "%s%sE%s%02d" % (sign, m, "-" if exponent < 0 else "+", abs(exponent))
    return sign + format(Decimal(all_digits[0] + "." + all_digits[1:] + "e" + str(exponent)), "f")


def as_single(x):
    return struct.unpack("f", struct.pack("f", x))[0]


def fixed(x, places):
    d = Decimal("%.14e" % x).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
    if d == 0:
        d = abs(d)
    return format(d, ",.%df" % places), format(d, ".%df" % places)


if __name__ == "__main__":
    for expr in DOUBLES:
        x = eval(expr)
        ok = abs(Decimal("%.14e" % x)) <= Decimal("1.79769313486231e308")
        print('{"%s", %s, %s},' % (expr, expr, '"%s"' % general("%.14e" % x, 15, 15) if ok else "std::nullopt"))
    for expr in SINGLES:
        x = as_single(float(expr))
        print('{"%sf", %sf, "%s"},' % (expr, expr, general("%.6e" % x, 7, 7)))
    for expr in FIXED:
        x = float(expr)
        print('{"%s", %s, "%s", "%s"},' % (expr, expr, fixed(x, 1)[1], fixed(x, 2)[0]))
    for x in [0.5, 1.5, 2.5, -2.5, -0.5, 3.5, 4503599627370495.5, 2.4999999999999996, 1e300, -7.5]:
        print("{%r, %r}," % (x, float(round(x))))
