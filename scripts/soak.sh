#!/usr/bin/env bash
# The soak: 10,000 spins of the real machine, offscreen, twice: in the ordinary build
# (build/), where the heap in use and the resident size must stay flat, then in the
# sanitizer build (build-asan/, shared with scripts/sanitize.sh), where the heap in use must
# stay flat and LeakSanitizer must find no leak at exit. Fails when a spin does not stop, a
# failure is reported, memory grows by more than the allowed slack after the first 1,000
# spins, or a leak is found.
# Usage: scripts/soak.sh [spins [slack-KiB]]   (defaults 10000 and 256)
set -euo pipefail
source "$(dirname "$0")/asan-build.sh"
export QT_QPA_PLATFORM=offscreen

echo "== soak, ordinary build"
"$top/scripts/build.sh" >/dev/null
cmake --build "$top/build" --target zorvix_soak >/dev/null
"$top/build/fuzz/zorvix_soak" "$@"

echo "== soak, sanitizer build"
asan_build --target zorvix_soak
# A small quarantine keeps freed memory from piling up in ASan's allocator (use-after-free
# is still caught within it).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:quarantine_size_mb=16:exitcode=23"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
"$build/fuzz/zorvix_soak" "$@"
