#!/usr/bin/env bash
# Starts the tool under Wine from a temporary copy of what ships, as a user would start it.
# Without a display it uses a virtual one and saves a screenshot to BUILD/run-screenshot.png.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d /tmp/ModernStandbyDetectionTool.XXXXXX)
cp "$build/app/ModernStandbyDetectionTool.exe" "$tmp/"
[ -f "$build/feedback-service/TarselFeedbackInformation.dll" ] &&
  cp "$build/feedback-service/TarselFeedbackInformation.dll" "$tmp/"
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
