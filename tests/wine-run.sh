#!/bin/sh
# Runs a Windows program of the 64-bit build under Wine, in the build tree's
# own prefix unless WINEPREFIX says otherwise.
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:=$here/../build/x86_64/wineprefix}"
: "${WINEDEBUG:=-all}"
: "${WINEDLLOVERRIDES:=winemenubuilder.exe=d}"
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
exec /usr/lib/wine/wine64 "$@"
