#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer in its own folder and runs the
# whole test suite there; any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export BUILD_DIR=${BUILD_DIR:-build-sanitize}
export TOLVEX_CMAKE_ARGS="-DTOLVEX_SANITIZE=ON"
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BUILD_DIR" -j "$(nproc)" --output-on-failure "$@"
