#!/usr/bin/env bash
# Starts the tool under Wine from a temporary copy of the dist folder, as a user would start it
# (a normal close removes the copy's files). Without a display it uses a virtual one for
# MSDT_RUN_SECONDS (default 8) and saves a screenshot to BUILD/run-screenshot.png.
# Usage: tools/run.sh BUILD_DIR (after tools/dist.sh)
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d /tmp/ModernStandbyDetectionTool.XXXXXX)
cp "$here/../dist/ModernStandbyDetectionTool/"* "$tmp/"
export WINEPREFIX="$build/wineprefix"

if [ -n "${DISPLAY:-}" ]; then
  "$here/wine-prefix.sh" "$build"
  "$here/wine-run.sh" "$tmp/ModernStandbyDetectionTool.exe"
else
  "$here/with-display.sh" bash -c '
    "$1/wine-prefix.sh" "$2"
    "$1/wine-run.sh" "$3/ModernStandbyDetectionTool.exe" &
    sleep "${MSDT_RUN_SECONDS:-8}"
    if command -v import >/dev/null; then import -window root "$2/run-screenshot.png" && echo "screenshot: $2/run-screenshot.png"; fi
    wineserver -k' _ "$here" "$build" "$tmp"
fi
