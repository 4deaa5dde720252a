#!/usr/bin/env bash
# The main window as its first paint put it on the screen: bench/startup/map_watch reads the
# window's pixels back from a private Xvfb right after the first drawing into it, and this script
# saves them as build/screenshots/first-paint.png. The picture must be there, with no empty frame.
#
# Usage: bench/first_paint_shot.sh    (BIN=dir: take aerlith-calc and map_watch from dir)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=bench/startup/common.sh
. bench/startup/common.sh
use_start_up_binaries
mkdir -p build/screenshots
start_private_xvfb
with_fresh_home "$BIN/map_watch" --shot "$scratch/first-paint.ppm" "$BIN/aerlith-calc"
python3 - "$scratch/first-paint.ppm" build/screenshots/first-paint.png <<'PYTHON'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
magic, size, depth, pixels = data.split(b"\n", 3)
width, height = map(int, size.split())
rows = b"".join(b"\0" + pixels[y * width * 3:(y + 1) * width * 3] for y in range(height))
chunk = lambda kind, body: (struct.pack(">I", len(body)) + kind + body +
                            struct.pack(">I", zlib.crc32(kind + body)))
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
       + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
open(sys.argv[2], "wb").write(png)
PYTHON
echo "saved build/screenshots/first-paint.png"
