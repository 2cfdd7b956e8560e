#!/bin/sh
# Builds both architectures and runs every test under Wine.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."

sh scripts/setup.sh
cmake --preset i686 >/dev/null
cmake --build --preset i686
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64

. scripts/wine-session.sh
trap vs_stop EXIT
# The tests drive real windows; give them a screen of their own.
vs_start_xvfb
vs_start_wine
vs_hold_desktop

ctest --preset x86_64 "$@"
