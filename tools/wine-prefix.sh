#!/usr/bin/env bash
# Makes the project's Wine prefix once (Windows 10, no window manager stalls) and installs our
# fake console commands into it. Usage: tools/wine-prefix.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8

if [ ! -f "$WINEPREFIX/.msdt-ready" ]; then
  rm -rf "$WINEPREFIX"
  echo "wine-prefix: creating $WINEPREFIX"
  WINEARCH=win64 wineboot -i >/dev/null 2>&1
  wine regedit /S "$(winepath -w "$here/wine-prefix.reg")" >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.msdt-ready"
fi

# The fakes stand in for the real console tools in both system folders: 64-bit cmd (redirection
# off) finds them in system32, a 32-bit one in syswow64.
fake="$build/tests/fakes/fake_console.exe"
if [ -f "$fake" ]; then
  for dir in system32 syswow64; do
    for name in powercfg wmic timeout; do
      dest="$WINEPREFIX/drive_c/windows/$dir/$name.exe"
      cmp -s "$fake" "$dest" 2>/dev/null || cp -f "$fake" "$dest"
    done
  done
fi
