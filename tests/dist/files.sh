#!/usr/bin/env bash
# The install under $1 holds exactly the files listed in $2, and the program carries no search
# path into the build folder.
set -euo pipefail
staged=$1 expected=$2
actual=$(cd "$staged" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if ! diff -u --label expected --label installed <(grep -v '^#' "$expected" | LC_ALL=C sort) <(echo "$actual"); then
  echo "The install differs from $expected"
  exit 1
fi
if readelf -d "$staged/usr/bin/tolvex" | grep -E 'RPATH|RUNPATH'; then
  echo "The installed program still searches the build folder for libraries"
  exit 1
fi
