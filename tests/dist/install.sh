#!/usr/bin/env bash
# Installs the build folder $2 with cmake $1 under the prefix /usr into the fresh folder $3,
# the way the package lays it out; nothing goes into the system.
set -euo pipefail
cmake=$1 build=$2 staged=$3
rm -rf "$staged"
DESTDIR=$staged "$cmake" --install "$build" --prefix /usr
