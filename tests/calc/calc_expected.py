#!/usr/bin/env python3
"""Expected values for the evaluator and conversion tests, worked out independently of the C++.

Intermediate results of the evaluator are kept to 15 significant digits ('%.15g'); conversions
round the product to two decimals with halves away from zero on its 15-digit decimal text, then
drop trailing zeros. Run: python3 calc_expected.py
"""
from decimal import Decimal, ROUND_HALF_UP


def g15(x):
    """A double rounded to 15 significant digits, as written back into the expression."""
    return float('%.15g' % x)


def general(x):
    """General number form of a value with at most 15 digits and no exponent part."""
    text = ('%.15g' % x)
    return text


def convert(factor_or_formula, v):
    r = factor_or_formula(v)
    two = Decimal('%.15g' % r).quantize(Decimal('0.01'), rounding=ROUND_HALF_UP)
    text = format(two.normalize(), 'f')
    return '0' if text in ('0', '-0') else text


print('evaluator')
print('  .1x3            ->', general(g15(0.1 * 3)))
t = g15(1 / 3)
t = g15(t / 100000)
print('  1/3/100000x3    ->', '%.15g' % g15(t * 3))
print('  10^15+1         ->', '%.15g' % g15(1e15 + 1))
print('  1E-06+1         ->', '%.15g' % g15(1e-06 + 1))
print('  10^20/10^18     ->', '%.15g' % g15(1e20 / 1e18))
print('  2^0.5x2^0.5     ->', '%.15g' % g15(g15(2 ** 0.5) * g15(2 ** 0.5)))

factors = {
    'n': 1.152, 's': 0.8680556, 'h': 33.86395, 'b': 0.02953, 'l': 0.4535148, 'k': 2.205,
    'm': 0.621504, '>': 0.5399568, 't': 1.609, 'o': 1.852, 'i': 0.22, 'r': 3.785,
    'g': 1.201, 'a': 0.8326395, '~': 3.281, '\\': 0.3047851,
}
print('conversions')
rows = [('u', 100), ('u', -40), ('f', 32), ('f', 0), ('n', 100), ('n', 1), ('h', 29.92),
        ('m', 1000), ('n', 2), ('>', 100), ('\\', 100), ('~', 1000), ('b', 1013.25),
        ('s', 115.2), ('n', 115.2), ('i', 0.25), ('i', -0.25), ('k', 1000000), ('n', 12.5),
        ('n', 132.71), ('l', 1), ('t', 26.2), ('o', 0.5), ('r', 5), ('g', 10), ('a', 12)]
for letter, v in rows:
    if letter == 'u':
        f = lambda x: (9 / 5) * x + 32
    elif letter == 'f':
        f = lambda x: (x - 32) * 5 / 9
    else:
        f = lambda x, k=factors[letter]: x * k
    print('  %-2s %-10s -> %s' % (letter, v, convert(f, v)))
