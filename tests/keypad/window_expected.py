#!/usr/bin/env python3
"""Expected entry-box texts for the keypad window tests, worked out independently of the C++.

Conversions: the number the entry starts with times the factor (or the temperature formula),
rounded to two decimals with halves away from zero, trailing zeros dropped. Pressure altitude:
(29.92 - setting) x 1000 rounded half to even; a refused box reads 0.001.
Run: python3 tests/keypad/window_expected.py
"""
from decimal import Decimal, ROUND_HALF_UP, ROUND_HALF_EVEN


def two_decimals(r):
    two = Decimal('%.15g' % r).quantize(Decimal('0.01'), rounding=ROUND_HALF_UP)
    text = format(two.normalize(), 'f')
    return '0' if text in ('0', '-0') else text


def whole(r):
    return str(int(Decimal(repr(r)).quantize(Decimal('1'), rounding=ROUND_HALF_EVEN)))


CONVERSIONS = [
    ('100 Celsius to F', lambda v: 9 / 5 * v + 32, 100),
    ('-40 Celsius to F', lambda v: 9 / 5 * v + 32, -40),
    ('32 F to Celsius', lambda v: (v - 32) * 5 / 9, 32),
    ('0 F to Celsius', lambda v: (v - 32) * 5 / 9, 0),
    ('error text F to Celsius', lambda v: (v - 32) * 5 / 9, 0),
    ('100 NM to SM', lambda v: v * 1.152, 100),
    ('1 NM to SM', lambda v: v * 1.152, 1),
    ('29.92 Hg to Mb', lambda v: v * 33.86395, 29.92),
    ('1000 Km to SM', lambda v: v * 0.621504, 1000),
    ('2+3 Km to NM', lambda v: v * 0.5399568, 2),
    ('100 Feet to Metres', lambda v: v * 0.3047851, 100),
    ('212 Celsius to F again', lambda v: 9 / 5 * v + 32, 212),
]

for name, formula, value in CONVERSIONS:
    print(f'{name:28} -> {two_decimals(formula(value))}')

for setting in (29.42, 0.001, 0, -12):
    print(f'pressure altitude {setting!r:8} -> {whole((29.92 - setting) * 1000)}')
