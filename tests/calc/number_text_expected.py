#!/usr/bin/env python3
"""Expected texts of the writers in number_text_test.cpp, worked out with Python's own correctly
rounded formatting and its decimal module. Run: python3 tests/calc/number_text_expected.py"""
from decimal import Decimal, ROUND_HALF_UP
import struct

DOUBLES = ["0.1 + 0.2", "2.0 / 3.0", "1e-4", "0.00001", "-1.5e-7", "5e-324", "100.0",
           "99999999999999.9", "999999999999999.9", "123456789012345678.0", "1e100",
           "1.79769313486231e308", "1.7976931348623157e308"]
SINGLES = ["1e7", "9999999.0", "12345678.0", "0.1", "3.1415927", "1e-5", "3.4028235e38"]
FIXED = ["0.15", "-2.25", "1.005", "0.049999999999999", "-0.001", "999.995", "1234567.891",
         "1e20"]


def general(text, exponent_from):
    mantissa, exponent = text.split("e")
    exponent, sign = int(exponent), "-" if mantissa.startswith("-") else ""
    digits = mantissa.lstrip("-").replace(".", "").rstrip("0") or "0"
    if digits == "0":
        return "0"
    if exponent >= exponent_from or exponent < -4:
        m = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return "%s%sE%s%02d" % (sign, m, "-" if exponent < 0 else "+", abs(exponent))
    return sign + format(Decimal(digits[0] + "." + digits[1:] + "e" + str(exponent)), "f")


def fixed(x, places, grouping):
    d = abs(Decimal("%.14e" % x).quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP))
    sign = "-" if x < 0 and d != 0 else ""
    return sign + format(d, (",.%df" if grouping else ".%df") % places)


if __name__ == "__main__":
    for expr in DOUBLES:
        x = eval(expr)
        ok = abs(Decimal("%.14e" % x)) <= Decimal("1.79769313486231e308")
        text = '"%s"' % general("%.14e" % x, 15) if ok else "std::nullopt"
        print('{"%s", %s, %s},' % (expr, expr, text))
    for expr in SINGLES:
        x = struct.unpack("f", struct.pack("f", float(expr)))[0]
        print('{%sf, "%s"},' % (expr, general("%.6e" % x, 7)))
    for expr in FIXED:
        x = float(expr)
        print('{"%s", %s, "%s", "%s"},' % (expr, expr, fixed(x, 1, False), fixed(x, 2, True)))
