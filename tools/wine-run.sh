#!/usr/bin/env bash
# Runs one Windows program in the project's Wine prefix (WINEPREFIX is set by the caller,
# normally CMake's emulator entry), quietly and with the Simplified Chinese code page.
set -e
: "${WINEPREFIX:?WINEPREFIX must name the project prefix}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES-mscoree,mshtml=;wmic.exe=n}"
export LC_ALL=zh_CN.UTF-8
exec wine "$@"
