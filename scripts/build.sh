#!/usr/bin/env bash
# Configures and builds TOLVEX into ./build (or $BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# TOLVEX_CMAKE_ARGS: further options for a new build folder, e.g. -DTOLVEX_SANITIZE=ON.
# shellcheck disable=SC2086
[ -f "$build_dir/CMakeCache.txt" ] || cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TOLVEX_CMAKE_ARGS:-}
cmake --build "$build_dir" -j "$(nproc)"
