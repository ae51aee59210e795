#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: Linux natively and under the
# sanitizers, the 64-bit Windows build under Wine, and the static checks of the 32-bit DLL.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh || exit 1

passed=0
failed=0
failures=()

run_preset() {
  local preset=$1
  echo "== $preset: configure and build"
  if ! cmake --preset "$preset" >/dev/null || ! cmake --build --preset "$preset" -j"$(nproc)"; then
    failures+=("$preset: build")
    failed=$((failed + 1))
    return
  fi
  echo "== $preset: tests"
  local log
  log=$(mktemp)
  # Windows test programs share one Wine prefix and so one registry: run them one at a time.
  local jobs=$(nproc)
  [ "$preset" != win64 ] || jobs=1
  ctest --preset "$preset" -j"$jobs" 2>&1 | tee "$log"
  local summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  rm -f "$log"
  if [ -z "$summary" ]; then
    failures+=("$preset: no test summary")
    failed=$((failed + 1))
    return
  fi
  local total bad
  bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+)/\1/' <<<"$summary")
  total=$(sed -E 's/.* tests failed out of ([0-9]+)/\1/' <<<"$summary")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || failures+=("$preset: $bad failed")
}

for preset in linux linux-asan win64 win32; do
  run_preset "$preset"
done

if [ -x scripts/fuzz.sh ]; then
  echo "== fuzzing"
  if bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}"; then
    passed=$((passed + 1))
  else
    failures+=("fuzzing")
    failed=$((failed + 1))
  fi
fi

echo
for failure in "${failures[@]}"; do
  echo "FAILED: $failure"
done
echo "total: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
