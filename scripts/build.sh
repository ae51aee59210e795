#!/usr/bin/env bash
# The main job: build the plug-in for all three platforms into dist/ and show what a host sees of it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in linux win32 win64; do
  echo "== building $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j"$(nproc)" --target QuorvelGraywick
done
cmake --build --preset linux -j"$(nproc)" --target vstinfo qg_demo

mkdir -p dist/linux-x86_64 dist/windows-x86 dist/windows-x64
# Shipped without debug information; the build trees keep it.
strip --strip-unneeded -o dist/linux-x86_64/QuorvelGraywick.so build/linux/bin/QuorvelGraywick.so
i686-w64-mingw32-strip --strip-unneeded -o dist/windows-x86/QuorvelGraywick.dll build/win32/bin/QuorvelGraywick.dll
x86_64-w64-mingw32-strip --strip-unneeded -o dist/windows-x64/QuorvelGraywick.dll build/win64/bin/QuorvelGraywick.dll
echo "== dist/"
ls -l dist/*/

echo "== what a host sees of dist/linux-x86_64/QuorvelGraywick.so"
build/linux/bin/vstinfo dist/linux-x86_64/QuorvelGraywick.so

echo
echo "== demo: a synthesised 8-second drum-and-bass loop through a factory program"
build/linux/bin/qg-demo --out demo
