#!/usr/bin/env bash
# The main window as its first paint put it on the screen: bench/startup/map_watch reads the
# window's pixels back from a private Xvfb right after the first drawing into it, and this script
# saves them as build/screenshots/first-paint.png. The picture must be there, with no empty frame.
#
# Usage: bench/first_paint_shot.sh    (BIN=dir: take aerlith-calc and map_watch from dir)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${BIN:-}" ]; then
    ./scripts/install-deps.sh
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target aerlith-calc map_watch >/dev/null
    BIN=build/release/bin
fi
mkdir -p build/screenshots
scratch=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$scratch/display" \
    >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
until [ -s "$scratch/display" ]; do sleep 0.1; done
mkdir -m 700 "$scratch/runtime"
DISPLAY=:$(cat "$scratch/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime" \
    "$BIN/map_watch" --shot "$scratch/first-paint.ppm" "$BIN/aerlith-calc"
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
