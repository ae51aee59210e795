#!/usr/bin/env bash
# Builds the libFuzzer targets (preset linux-fuzz, build/linux-fuzz) and runs each for the given
# number of seconds (default 30), starting from the committed seed corpus. New inputs go to the
# build tree; a crash or sanitizer report fails the script and leaves the input in build/linux-fuzz/crashes.
# usage: scripts/fuzz.sh [seconds]
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/linux-fuzz
targets=(fuzz_set_chunk fuzz_preset_from_data fuzz_bank_from_data fuzz_stored_value)

cd "$root"
cmake --preset linux-fuzz >/dev/null
cmake --build "$build" -j2 --target "${targets[@]}"

mkdir -p "$build/crashes"
summary=()
status=0
for target in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$target
  mkdir -p "$corpus"
  log=$build/$target.log
  echo "== $target: ${seconds}s"
  if "$build/bin/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
       -artifact_prefix="$build/crashes/$target-" "$corpus" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  summary+=("$target: ${runs:-?} executions, $result")
done

printf '%s\n' "${summary[@]}"
exit $status
