#!/usr/bin/env bash
# Renders the tool's windows at 96 and 120 dpi into docs/screenshots/ by driving the real tool
# under Wine. Runs inside tools/with-display.sh. Usage: tools/screenshots.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
out="$here/../docs/screenshots"
mkdir -p "$out"
export WINEPREFIX="$build/wineprefix"
"$here/wine-prefix.sh" "$build"
for dpi in 96 120; do
  "$here/wine-run.sh" "$build/tests/e2e/e2e_screenshots.exe" "$(winepath -w "$out")" "$dpi"
done
ls "$out"
