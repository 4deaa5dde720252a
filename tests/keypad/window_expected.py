#!/usr/bin/env python3
"""Expected entry-box texts of the conversions and function_completions scenarios and the keypad
window test, worked out independently of the C++.

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


CONVERSIONS = [
    ('Celsius to F', lambda v: 9 / 5 * v + 32, (100, -40, 212)),
    ('F to Celsius', lambda v: (v - 32) * 5 / 9, (32, 0)),
    ('NM to SM', lambda v: v * 1.152, (100, 1)),
    ('Hg to Mb', lambda v: v * 33.86395, (29.92, 1)),
    ('Km to SM', lambda v: v * 0.621504, (1000,)),
    ('Km to NM', lambda v: v * 0.5399568, (2,)),
    ('Feet to Metres', lambda v: v * 0.3047851, (100,)),
]

for name, formula, values in CONVERSIONS:
    for value in values:
        print(f'{value!r:>6} {name:16} -> {two_decimals(formula(value))}')

for setting in (29.42, 30.12, 29.92, 0.001):
    feet = Decimal(repr((29.92 - setting) * 1000)).quantize(Decimal('1'), rounding=ROUND_HALF_EVEN)
    print(f'pressure altitude {setting!r:6} -> {int(feet)}')
