#!/usr/bin/env python3
"""Independent reference for the distance and course rows of cross_country_test.cpp.

Works the spherical formulas from their written form in Python: values held in single precision
are rounded through struct (float32), one-decimal texts use decimal with halves away from zero
on the 15-significant-digit text, and the arc sine and arc cosine return their true values at
the ends of their range. Prints one C++ table row per case:
    {"name", latDeg1, lonDeg1, latDeg2, lonDeg2, "nm", "sm", "trueCourse"}
with the numbers as the result line writes them, or "refused" when no line is shown.
Run: python3 tests/nav/cross_country_reference.py
"""
import math
import struct
from decimal import Decimal, ROUND_HALF_UP

PI = 3.14159265358979
DEG_TO_RAD = 0.017453292519943278
RAD_TO_DEG = 57.29577951308238


def single(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def arc_sine(r):
    if abs(r) > 1:
        return None
    if abs(r) == 1:
        return math.copysign(PI / 2, r)
    return math.atan(r / math.sqrt(-r * r + 1))


def arc_cosine(x):
    x = max(-1.0, min(1.0, x))
    if x == -1.0:
        return PI
    if x == 1.0:
        return 0.0
    return math.atan(-x / math.sqrt(-x * x + 1)) + 2 * math.atan(1)


def one_decimal(x):
    text = format(x, '.15g')
    return float(Decimal(text).quantize(Decimal('0.1'), rounding=ROUND_HALF_UP))


def general(x, digits):
    text = format(x, '.%dg' % digits)
    if 'e' in text:
        raise ValueError('exponent form not expected here: ' + text)
    if '.' in text:
        text = text.rstrip('0').rstrip('.')
    return text


def dms(d, m=0, s=0):
    """Degrees as the file decodes them: double sum, held as a single."""
    return single(d + m / 60 + s / 3600)


def leg(lat1, lon1, lat2, lon2):
    p1, l1 = single(lat1 * DEG_TO_RAD), single(lon1 * DEG_TO_RAD)
    p2, l2 = single(lat2 * DEG_TO_RAD), single(lon2 * DEG_TO_RAD)
    hav = math.sin((l1 - l2) / 2) ** 2 * (math.cos(p1) * math.cos(p2)) + math.sin((p1 - p2) / 2) ** 2
    half = arc_sine(math.sqrt(hav))
    d = single(2 * half) if half is not None else 0.0
    if d == 0.0:
        d = single(arc_cosine(math.sin(p1) * math.sin(p2)
                              + math.cos(p1) * math.cos(p2) * math.cos(l1 - l2)))
    nm = single(one_decimal(d * (10800 / PI)))
    if nm == 0.0:
        return None
    x = math.sin(d) * math.cos(p1)
    if x == 0.0:
        return None
    u = (math.sin(p2) - math.sin(p1) * math.cos(d)) / x
    tc = arc_cosine(u) if math.sin(l2 - l1) < 0 else 2 * PI - arc_cosine(u)
    tc = one_decimal(tc * RAD_TO_DEG)
    if tc <= 0:
        tc += 360
    sm = single(one_decimal(nm * 1.152))
    return general(nm, 7), general(sm, 7), general(tc, 15)


# Positions as degrees, minutes, seconds (north, west), as the test files store them.
CYOW = (45, 19, 21), (75, 40, 9)
CYUL = (45, 28, 4), (73, 44, 32)
KSEA = (47, 26, 56), (122, 18, 33)
NORTH = (46, 19, 21), (75, 40, 9)
SOUTH = (44, 19, 21), (75, 40, 9)
CASES = [
    ('Ottawa to Montreal', CYOW, CYUL),
    ('Montreal to Ottawa', CYUL, CYOW),
    ('Ottawa to Seattle', CYOW, KSEA),
    ('Seattle to Ottawa', KSEA, CYOW),
    ('due north', CYOW, NORTH),
    ('due south', CYOW, SOUTH),
    ('due east along a parallel', ((45, 0, 0), (75, 0, 0)), ((45, 0, 0), (74, 0, 0))),
    ('due west along a parallel', ((45, 0, 0), (75, 0, 0)), ((45, 0, 0), (76, 0, 0))),
    ('across the equator', ((0, 30, 0), (80, 0, 0)), ((0, 0, 0), (79, 30, 0))),
    ('half the world along the equator', ((0, 0, 0), (0, 0, 0)), ((0, 0, 0), (180, 0, 0))),
    ('one second apart', ((45, 0, 0), (75, 0, 0)), ((45, 0, 1), (75, 0, 0))),
    # 10.03 NM: sm is 1.152 times the rounded 10.0 (11.52 -> 11.5), not 11.56 -> 11.6.
    ('ten minutes two seconds north', ((45, 0, 0), (75, 0, 0)), ((45, 10, 2), (75, 0, 0))),
    ('six seconds apart', ((45, 0, 0), (75, 0, 0)), ((45, 0, 6), (75, 0, 0))),
    ('same position', CYOW, CYOW),
]

for name, (la1, lo1), (la2, lo2) in CASES:
    values = dms(*la1), dms(*lo1), dms(*la2), dms(*lo2)
    result = leg(*values)
    coords = ', '.join('{%d, %d, %d}' % t for t in (la1, lo1, la2, lo2))
    if result is None:
        print('{"%s", %s, "refused", "", ""},' % (name, coords))
    else:
        print('{"%s", %s, "%s", "%s", "%s"},' % ((name, coords) + result))
