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
cmake --build --preset linux -j"$(nproc)" --target vstinfo

mkdir -p dist/linux-x86_64 dist/windows-x86 dist/windows-x64
cp build/linux/bin/QuorvelGraywick.so dist/linux-x86_64/
cp build/win32/bin/QuorvelGraywick.dll dist/windows-x86/
cp build/win64/bin/QuorvelGraywick.dll dist/windows-x64/
echo "== dist/"
ls -l dist/*/

echo "== what a host sees of dist/linux-x86_64/QuorvelGraywick.so"
build/linux/bin/vstinfo dist/linux-x86_64/QuorvelGraywick.so
