#!/usr/bin/env bash
# The installed desktop entry under the prefix $1 is valid, and what it starts and shows is
# installed with it.
set -euo pipefail
prefix=$1
entry=$prefix/share/applications/pl.tolvex.Tolvex.desktop
report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
echo "$report"
# Hints are advice on menu placement; warnings and errors are faults.
if grep -qE ': (warning|error):' <<<"$report"; then exit 1; fi

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -x "$prefix/bin/$program" ] || { echo "Exec=$program is not an installed program"; exit 1; }
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || { echo "Icon=$icon is not installed"; exit 1; }
