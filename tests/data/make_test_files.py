#!/usr/bin/env python3
"""Writes the aerodrome files of the tests: valid.tst for the scenarios, faults and soak
(valid.csv, the end record, then after_end.csv, which no search may find) and identifiers.tst
for the identifiers that several aerodromes answer (identifiers.csv).
Run: python3 tests/data/make_test_files.py vdats-tool"""
import os
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
with tempfile.TemporaryDirectory() as folder:
    files = {}
    for name in ('valid', 'after_end', 'identifiers'):
        out = os.path.join(folder, name + '.tst')
        subprocess.run([sys.argv[1], 'encode', os.path.join(here, name + '.csv'), out], check=True)
        with open(out, 'rb') as f:
            files[name] = f.read()
with open(os.path.join(here, 'valid.tst'), 'wb') as f:
    f.write(files['valid'] + files['after_end'][:-len(b'99\r\n')])
with open(os.path.join(here, 'identifiers.tst'), 'wb') as f:
    f.write(files['identifiers'])
