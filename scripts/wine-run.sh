#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe [ARGS...]: runs a Windows program of the cross build under Wine;
# the Windows build's CMAKE_CROSSCOMPILING_EMULATOR, so ctest runs the Windows tests
# through it.
#
# The Wine prefix is FX_WINEPREFIX (default: wine-prefix in the build folder the program
# lies in), made on first use, once even when several
# tests start at the same time. Windows' OpenGL is Wine's opengl32 on the host's Mesa,
# software-rendered, on the X display in DISPLAY (scripts/windows-test.sh starts an Xvfb).
set -euo pipefail
wine=${FX_WINE:-/usr/lib/wine/wine64}
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine || true)
[ -n "$wine" ] || {
  echo "wine-run.sh: no Wine loader (/usr/lib/wine/wine64); scripts/install-deps.sh installs wine64" >&2
  exit 1
}
[ $# -ge 1 ] || {
  echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
  exit 2
}

# The build folder above the program; a program outside every build folder (a Windows
# command such as cmd) gets a prefix in the user's cache, never one in the source tree.
prefix_for() {
  local dir
  dir=$(cd "$(dirname "$1")" 2>/dev/null && pwd) || dir=/
  while [ "$dir" != / ]; do
    [ -f "$dir/CMakeCache.txt" ] && { echo "$dir/wine-prefix"; return; }
    dir=$(dirname "$dir")
  done
  echo "${XDG_CACHE_HOME:-$HOME/.cache}/fx-wine-prefix"
}

export WINEPREFIX=${FX_WINEPREFIX:-$(prefix_for "$1")}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LIBGL_ALWAYS_SOFTWARE=1
mkdir -p "$WINEPREFIX"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.fx-ready" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    "$(dirname "$wine")/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
    touch "$WINEPREFIX/.fx-ready"
  fi
) 9>"$WINEPREFIX.lock"
exec "$wine" "$@"
