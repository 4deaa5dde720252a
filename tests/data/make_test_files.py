#!/usr/bin/env python3
"""Writes the small aerodrome files the tests read. Records come from vdats-tool encode; the
damaged files are cut or patched from them here, byte by byte.
Run: python3 tests/data/make_test_files.py path/to/vdats-tool
"""
import os
import random
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
tool = sys.argv[1]


def encode(csv_name):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, 'out.tst')
        subprocess.run([tool, 'encode', os.path.join(here, csv_name), out], check=True)
        with open(out, 'rb') as f:
            return f.read()


def write(name, data):
    with open(os.path.join(here, name), 'wb') as f:
        f.write(data)


END = b'99\r\n'
valid = encode('valid.csv')
after = encode('after_end.csv')
assert valid.endswith(END) and after.endswith(END)
records = valid[:-len(END)]

# A record after the end record must never be found.
write('valid.tst', valid + after[:-len(END)])
# No end record: the file simply stops after the last record.
write('no_end.tst', records)
# Cut inside the last record: its name line is there, its position line is not.
lines = records.split(b'\r\n')
write('truncated.tst', b'\r\n'.join(lines[:-2]) + b'\r\n')
# Malformed records, then the end record: an empty position line, a short one, an identifier
# that is not one, a variation byte below 55, minutes of 75, and a duplicate identifier.
write('malformed.tst', b''.join([
    b'EMPTY POSITION XEMP\r\n', b'\r\n',
    b'SHORT POSITION XSHO\r\n', bytes([168, 75, 49]) + b'\r\n',
    b'NO IDENTIFIER X!!\r\n', bytes([168, 75, 49, 51, 105, 70, 39]) + b'\r\n',
    b'LOW VARIATION XLOW\r\n', bytes([40, 75, 49, 51, 105, 70, 39]) + b'\r\n',
    b'BAD MINUTES XMIN\r\n', bytes([168, 75, 105, 51, 105, 70, 39]) + b'\r\n',
    b'DUPLICATE XEMP\r\n', bytes([168, 75, 49, 51, 105, 70, 39]) + b'\r\n',
    END,
]))
# Random bytes from a fixed seed, without the upper-case letters, digits and pair bytes that
# could spell a test's query, so that no search finds anything in them.
rng = random.Random(4)
allowed = [b for b in range(256) if not (48 <= b <= 57 or 65 <= b <= 90 or b >= 91)]
write('binary.tst', bytes(rng.choice(allowed) for _ in range(4096)))
