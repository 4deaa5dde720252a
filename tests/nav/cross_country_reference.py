#!/usr/bin/env python3
"""Independent reference for cross_country_test.cpp and the cross-country scenarios: the spherical
formulas from their written form, singles rounded through float32, one-decimal texts with halves
away from zero on the 15-digit text, arc sine and cosine exact at the ends."""
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
        return 0.0  # no angle: the law of cosines takes over
    return math.copysign(PI / 2, r) if abs(r) == 1 else math.atan(r / math.sqrt(-r * r + 1))


def arc_cosine(x):
    x = max(-1.0, min(1.0, x))
    if abs(x) == 1.0:
        return PI if x < 0 else 0.0
    return math.atan(-x / math.sqrt(-x * x + 1)) + 2 * math.atan(1)


def one_decimal(x):
    return float(Decimal(format(x, '.15g')).quantize(Decimal('0.1'), rounding=ROUND_HALF_UP))


def leg(lat1, lon1, lat2, lon2):
    p1, l1 = single(lat1 * DEG_TO_RAD), single(lon1 * DEG_TO_RAD)
    p2, l2 = single(lat2 * DEG_TO_RAD), single(lon2 * DEG_TO_RAD)
    hav = (math.sin((l1 - l2) / 2) ** 2 * (math.cos(p1) * math.cos(p2))
           + math.sin((p1 - p2) / 2) ** 2)
    d = single(2 * arc_sine(math.sqrt(hav)))
    if d == 0.0:
        d = single(arc_cosine(math.sin(p1) * math.sin(p2)
                              + math.cos(p1) * math.cos(p2) * math.cos(l1 - l2)))
    nm = single(one_decimal(d * (10800 / PI)))
    x = math.sin(d) * math.cos(p1)
    if nm == 0.0 or x == 0.0:
        return None
    u = (math.sin(p2) - math.sin(p1) * math.cos(d)) / x
    tc = arc_cosine(u) if math.sin(l2 - l1) < 0 else 2 * PI - arc_cosine(u)
    tc = one_decimal(tc * RAD_TO_DEG)
    if tc <= 0:
        tc += 360
    sm = single(one_decimal(nm * 1.152))
    # The general number forms of a single and of a double.
    return '%.7g' % nm, '%.7g' % sm, '%.15g' % tc


# Latitude and longitude of origin and destination in degrees north and west, held as singles as
# the file's coordinates are.
CASES = [
    ('due north', (45, 75), (46, 75)),
    ('due south', (45, 75), (44, 75)),
    ('half the world along the equator', (0, 0), (0, 180)),
    # 10.03 NM: sm is 1.152 times the rounded 10.0 (11.52 -> 11.5), not 11.56 -> 11.6.
    ('ten minutes two seconds north', (45, 75), (45 + 10 / 60 + 2 / 3600, 75)),
    ('one second apart', (45, 75), (45 + 1 / 3600, 75)),
    # The legs of the result lines.
    ('CYOW to CYUL', (45 + 19 / 60 + 21 / 3600, 75 + 40 / 60 + 9 / 3600),
     (45 + 28 / 60 + 4 / 3600, 73 + 44 / 60 + 32 / 3600)),
    ('YAA to YBB, due west', (45, 120), (45, 121)),
    # The legs of tests/scenarios/cross_country_identifiers (positions of tests/data/identifiers.csv).
    ('KATL to KSEA', (33 + 38 / 60 + 12 / 3600, 84 + 25 / 60 + 41 / 3600),
     (47 + 26 / 60 + 53 / 3600, 122 + 18 / 60 + 37 / 3600)),
    ('KYKM to KSEA', (46 + 34 / 60 + 6 / 3600, 120 + 32 / 60 + 38 / 3600),
     (47 + 26 / 60 + 53 / 3600, 122 + 18 / 60 + 37 / 3600)),
    ('CYKM to YGE', (44 + 12 / 60 + 5 / 3600, 81 + 36 / 60 + 24 / 3600),
     (50 + 5 / 60 + 58 / 3600, 125 + 1 / 60 + 25 / 3600)),
]

for name, a, b in CASES:
    degrees = [single(x) for x in a + b]
    result = leg(*degrees) or ('refused', '', '')
    row = (name, ', '.join('%.9g' % x for x in degrees)) + result
    print('{"%s", %s, "%s", "%s", "%s"},' % row)
