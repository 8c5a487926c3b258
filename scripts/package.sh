#!/usr/bin/env bash
# Builds the Debian package of TOLVEX: an optimised build in its own folder (./build-package,
# or $BUILD_DIR), so the everyday build keeps its debug information and tests, then CPack.
# Prints the path of the .deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${BUILD_DIR:-build-package}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# -O2 rather than CMake's -O3 for Release: what Debian builds its own packages with.
cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
report=$(cd "$build_dir" && cpack -G DEB) || { echo "$report" >&2; exit 1; }
# CPack names the file it wrote: "CPack: - package: <path> generated."
deb=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' <<<"$report")
[ -f "$deb" ] || { echo "$report" >&2; echo "CPack made no package" >&2; exit 1; }
echo "$deb"
