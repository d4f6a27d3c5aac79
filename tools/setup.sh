#!/usr/bin/env bash
# Installs what the build and the test bench need, only what is missing.
# On a machine that already has everything this returns at once.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

for p in cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev \
         wine wine64 wine32:i386 xvfb xauth fonts-wqy-microhei googletest locales file zip; do
  have_pkg "$p" || need+=("$p")
done

if ((${#need[@]})); then
  if [ "$(id -u)" != 0 ]; then
    echo "setup: missing packages (${need[*]}); run as root or install them" >&2
    exit 1
  fi
  echo "setup: installing ${need[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need[@]}"
fi

# Wine needs a real zh_CN.UTF-8 locale to create files whose names hold Chinese letters.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  if [ "$(id -u)" = 0 ]; then
    localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || true
  fi
fi
