#!/usr/bin/env bash
# Runs a command with a private Xvfb display, then stops the display and the prefix's wineserver.
# Tests always get their own display: they move the cursor and rely on focus.
set -euo pipefail
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
export DISPLAY=":$n"
status=0
"$@" || status=$?
[ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
exit "$status"
