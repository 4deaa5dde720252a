#!/usr/bin/env python3
"""Writes valid.tst, the aerodrome file the scenarios, faults and soak read: the records of
valid.csv, the end record, then the record of after_end.csv, which a search must never find.
Run: python3 tests/data/make_test_files.py path/to/vdats-tool
"""
import os
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
END = b'99\r\n'


def encode(csv_name):
    with tempfile.TemporaryDirectory() as folder:
        out = os.path.join(folder, 'out.tst')
        subprocess.run([sys.argv[1], 'encode', os.path.join(here, csv_name), out], check=True)
        with open(out, 'rb') as f:
            return f.read()


with open(os.path.join(here, 'valid.tst'), 'wb') as f:
    f.write(encode('valid.csv') + encode('after_end.csv')[:-len(END)])
