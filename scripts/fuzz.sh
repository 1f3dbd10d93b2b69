#!/usr/bin/env bash
# Builds the three fuzz targets with clang into build-fuzz/ and runs each for
# FUZZ_SECONDS (default 60) from its committed seeds. Fails on any finding: a crash, a
# sanitizer report, a failed check, a leak, a timeout or running out of memory.
# Findings are saved as build-fuzz/findings/<target>/crash-* (or leak-*, oom-*, timeout-*).
# Usage: scripts/fuzz.sh [target ...]   (default: intconvert regiondata cueopen)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
seconds=${FUZZ_SECONDS:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(intconvert regiondata cueopen)
"$top/scripts/install-deps.sh"

CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# The cue target writes its files into a private temporary folder.
export TMPDIR="$build/tmp"
failed=()
for target in "${targets[@]}"; do
  work="$build/corpus/$target"      # what the fuzzer learns; the seeds stay untouched
  findings="$build/findings/$target"
  rm -rf "$TMPDIR"
  mkdir -p "$work" "$findings" "$TMPDIR"
  echo "== fuzz_$target: ${seconds} s"
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work" "$top/fuzz/corpus/$target" >"$build/fuzz_$target.log" 2>&1; then
    failed+=("$target")
    tail -n 60 "$build/fuzz_$target.log"
  else
    grep -E '^(stat::number_of_executed_runs|stat::peak_rss_mb)|^Done' "$build/fuzz_$target.log" || true
  fi
done
rm -rf "$TMPDIR"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: findings in ${failed[*]} (see $build/findings/)" >&2
  exit 1
fi
echo "fuzz: no findings"
