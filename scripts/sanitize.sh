#!/usr/bin/env bash
# Builds the project with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs the unit and widget tests there, offscreen. Any sanitizer report fails the run.
#
# The e2e.* tests are left out: they start the real game and helper programs (Xvfb,
# xdotool, PulseAudio) in shell scripts, need the e2e packages and a private X server,
# and check screenshots and recorded audio rather than memory; what they drive in our
# code is the same code the widget tests drive in-process here.
set -euo pipefail
source "$(dirname "$0")/asan-build.sh"
asan_build

export QT_QPA_PLATFORM=offscreen
# Full unwinding on every allocation: Qt is built without frame pointers, and the leak
# suppressions need the Qt frames of an allocation to see where it came from. Eight frames
# are enough for them and keep the slow unwinder cheap (unbounded, it slows the suite
# enough to upset its timing-sensitive tests).
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:fast_unwind_on_malloc=0:malloc_context_size=8:exitcode=23:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:exitcode=24"
export LSAN_OPTIONS="suppressions=$top/scripts/lsan.supp:print_suppressions=0"
cd "$build"
# One test per process (as CTest lists them), then the whole suite in one process.
ctest --output-on-failure -j"$(nproc)" -E '^e2e\.' "$@"
