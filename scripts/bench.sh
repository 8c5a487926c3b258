#!/usr/bin/env bash
# Builds TOLVEX in Release and measures it: start-up to a painted main window against the
# yardstick (a bare Qt window with ten tab pages), on a real X server (Xvfb), then the
# calculation benchmarks. With --baseline COMMIT, that commit's program is built as well, in a
# temporary worktree and with this probe, and both are started in turns in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=21
baseline=
while [ $# -gt 0 ]; do
  case $1 in
    --baseline) baseline=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 [--baseline COMMIT] [--runs N]" >&2; exit 2 ;;
  esac
done

scratch=$(mktemp -d /tmp/tolvex-bench.XXXXXX)
xvfb_pid=
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  if [ -d "$scratch/baseline" ]; then git -C "$root" worktree remove --force "$scratch/baseline" || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

build() {  # source folder, build folder, targets...
  local src=$1 out=$2
  shift 2
  # Paths relative to the source folder, so ccache shares the files both trees have alike.
  CCACHE_BASEDIR=$(cd "$src" && pwd)
  export CCACHE_BASEDIR
  # -O2 as the Debian package builds it; GCC 12 warns falsely about std::string at -O3.
  [ -f "$out/CMakeCache.txt" ] ||
    cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$out" -j "$(nproc)" --target "$@" >/dev/null
}

echo "Building (Release)..."
build . build-bench tolvex_startup_probe tolvex_yardstick tolvex_run_once tolvex_calculations_bench
names=(yardstick "$(git describe --always --dirty --abbrev=7)")
programs=(build-bench/bench/tolvex_yardstick build-bench/bench/tolvex_startup_probe)
if [ -n "$baseline" ]; then
  git worktree add --detach --quiet "$scratch/baseline" "$baseline"
  # The same probe in the older tree: the probe links that tree's main() and libraries.
  rm -rf "$scratch/baseline/bench"
  cp -r bench "$scratch/baseline/bench"
  grep -q 'add_subdirectory(bench)' "$scratch/baseline/CMakeLists.txt" ||
    echo 'add_subdirectory(bench)' >>"$scratch/baseline/CMakeLists.txt"
  build "$scratch/baseline" "$scratch/baseline/build-bench" tolvex_startup_probe
  names+=("$(git rev-parse --short "$baseline")")
  programs+=("$scratch/baseline/build-bench/bench/tolvex_startup_probe")
fi

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=xcb

run_once=build-bench/bench/tolvex_run_once
for p in "${programs[@]}"; do "$run_once" "$p" >/dev/null; done  # warm the caches
n=${#programs[@]}
for ((r = 0; r < runs; r++)); do
  for ((k = 0; k < n; k++)); do
    i=$(((r + k) % n))  # each program takes each place in the round in turn
    "$run_once" "${programs[$i]}" >>"$scratch/runs-$i" 2>/dev/null || { echo "${programs[$i]} failed" >&2; exit 1; }
  done
done

median() {  # of column $1 of file $2
  cut -d' ' -f"$1" "$2" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
echo
echo "Start-up to a painted main window, platform xcb on Xvfb 1280x1024x24, $runs starts of each in turns;"
echo "medians as multiples of the yardstick's (a bare Qt Widgets window with ten tab pages): wall"
echo "time to the first frame and to the end, processor time (user and system), peak resident memory"
printf '%-18s %12s %10s %10s %12s\n' program "first frame" "exit" "CPU time" "peak memory"
ratio() { awk -v a="$(median "$1" "$scratch/runs-$2")" -v b="$(median "$1" "$scratch/runs-0")" 'BEGIN { printf "%.2fx", a / b }'; }
for ((i = 0; i < n; i++)); do
  printf '%-18s %12s %10s %10s %12s\n' "${names[$i]}" "$(ratio 1 "$i")" "$(ratio 2 "$i")" "$(ratio 3 "$i")" "$(ratio 4 "$i")"
done

echo
echo "Calculations as a user triggers them (offscreen platform):"
QT_QPA_PLATFORM=offscreen build-bench/bench/tolvex_calculations_bench 2>&1 |
  grep -v -e propagateSizeHints -e XDG_RUNTIME_DIR
