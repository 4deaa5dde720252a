#!/usr/bin/env python3
"""Expected values for evaluator_test.cpp and conversions_test.cpp, worked out independently of
the C++. Intermediate results of the evaluator are kept to 15 significant digits ('%.15g');
conversions round the result to two decimals with halves away from zero on its 15-digit decimal
text, then drop trailing zeros. Run: python3 tests/calc/calc_expected.py
"""
from decimal import Decimal, ROUND_HALF_UP


def g15(x):
    """A double rounded to 15 significant digits, as written back into the expression."""
    return float('%.15g' % x)


print('evaluator')
print('  .1x3            ->', '%.15g' % g15(0.1 * 3))
print('  1/3/100000x3    ->', '%.15g' % g15(g15(g15(1 / 3) / 100000) * 3))
print('  1E-06+1         ->', '%.15g' % g15(1e-06 + 1))
print('  10^20/10^18     ->', '%.15g' % g15(1e20 / 1e18))

factors = {'n': 1.152, 'h': 33.86395, 'i': 0.22, 'k': 2.205, '\\': 0.3047851}
print('conversions')
for letter, v in [('u', 100), ('f', 0), ('h', 29.92), ('\\', 100), ('n', 2), ('i', 0.25),
                  ('k', 1000000)]:
    if letter == 'u':
        r = (9 / 5) * v + 32
    elif letter == 'f':
        r = (v - 32) * 5 / 9
    else:
        r = v * factors[letter]
    two = Decimal('%.15g' % r).quantize(Decimal('0.01'), rounding=ROUND_HALF_UP)
    text = format(two.normalize(), 'f')
    print('  %-2s %-10s -> %s' % (letter, v, '0' if text in ('0', '-0') else text))
