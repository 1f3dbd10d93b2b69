#!/usr/bin/env bash
# The soak: 10,000 spins of the real machine, offscreen, in the sanitizer build
# (build-asan/, shared with scripts/sanitize.sh). Fails when a spin does not stop, a failure
# is reported, the heap in use grows by more than the allowed slack after the first
# 1,000 spins, or LeakSanitizer finds a leak at exit.
# Usage: scripts/soak.sh [spins [slack-KiB]]   (defaults 10000 and 256)
set -euo pipefail
source "$(dirname "$0")/asan-build.sh"
asan_build --target zorvix_soak

export QT_QPA_PLATFORM=offscreen
# A small quarantine keeps freed memory from piling up in ASan's allocator, so that the
# resident size measures what the game holds (use-after-free is still caught within it).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:quarantine_size_mb=16:exitcode=23"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
"$build/fuzz/zorvix_soak" "$@"
