#!/usr/bin/env python3
"""Accuracy of the cross-country function against an ellipsoidal geodesic.

For 20 pairs of real aerodromes from the shipped file, compares the program's distance and
initial true course (from `vdats-tool course`, which runs the same code as the window) with the
WGS84 geodesic between the same positions (as the file stores them, from `vdats-tool list`),
solved by GeographicLib's GeodSolve -i (Debian package geographiclib-tools). The program uses a
sphere with one minute of arc per nautical mile, so distances differ by up to about half a
percent.

Run: python3 bench/geodesic_check.py path/to/vdats-tool [path/to/vdats.tst]
"""
import csv
import io
import os
import re
import subprocess
import sys

PAIRS = [
    ("CYOW", "CYUL"), ("CYYZ", "CYOW"), ("CYVR", "CYYC"), ("CYYC", "CYEG"),
    ("CYWG", "CYQR"), ("CYHZ", "CYQX"), ("CYUL", "CYQB"), ("KJFK", "KBOS"),
    ("KLAX", "KSFO"), ("KSEA", "KPDX"), ("KORD", "KDTW"), ("KDEN", "KSLC"),
    ("KATL", "KMIA"), ("KDFW", "KIAH"), ("PANC", "PAFA"), ("PHNL", "PHOG"),
    ("CYVR", "KSEA"), ("KLAX", "KJFK"), ("CYVR", "CYHZ"), ("PANC", "KSEA"),
]
METRES_PER_NM = 1852.0

tool = sys.argv[1]
here = os.path.dirname(os.path.abspath(__file__))
data = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "data", "vdats.tst")

listing = subprocess.run([tool, "list", data], check=True, capture_output=True, text=True).stdout
positions = {row["identifier"]: (float(row["latitude"]), float(row["longitude"]))
             for row in csv.DictReader(io.StringIO(listing))}

line_pattern = re.compile(r"Dist = ([0-9.]+)/[0-9.]+ \(NM/SM\)  Initial True Crs = ([0-9.]+)")
rows = []
for origin, dest in PAIRS:
    line = subprocess.run([tool, "course", data, origin, dest], check=True,
                          capture_output=True, text=True).stdout
    match = line_pattern.search(line)
    if not match:
        print(f"{origin}-{dest}: no result line: {line.strip()}")
        continue
    nm, course = float(match.group(1)), float(match.group(2))
    (lat1, west1), (lat2, west2) = positions[origin], positions[dest]
    solved = subprocess.run(["GeodSolve", "-i", "-p", "6"], input=f"{lat1} {-west1} {lat2} {-west2}\n",
                            check=True, capture_output=True, text=True).stdout.split()
    azimuth, metres = float(solved[0]) % 360.0, float(solved[2])
    geodesic_nm = metres / METRES_PER_NM
    course_diff = (course - azimuth + 180.0) % 360.0 - 180.0
    rows.append((origin, dest, nm, geodesic_nm, 100.0 * (nm - geodesic_nm) / geodesic_nm,
                 course, azimuth, course_diff))

print(f"{'pair':<11}{'program NM':>11}{'geodesic NM':>13}{'diff %':>8}"
      f"{'program TC':>12}{'geodesic':>10}{'diff deg':>10}")
for origin, dest, nm, gnm, pct, tc, az, dtc in rows:
    print(f"{origin}-{dest:<6}{nm:>11.1f}{gnm:>13.2f}{pct:>8.3f}{tc:>12.1f}{az:>10.2f}{dtc:>10.2f}")
if rows:
    worst_pct = max(rows, key=lambda r: abs(r[4]))
    worst_tc = max(rows, key=lambda r: abs(r[7]))
    print(f"largest distance difference: {worst_pct[4]:+.3f} % ({worst_pct[0]}-{worst_pct[1]})")
    print(f"largest course difference: {worst_tc[7]:+.2f} degrees ({worst_tc[0]}-{worst_tc[1]})")
if len(rows) != len(PAIRS):
    sys.exit(1)
