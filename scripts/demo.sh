#!/bin/sh
# Runs the installer under Wine against a demo company site on 127.0.0.1.
# With a display the wizard opens for you to use; without one it runs on a
# virtual screen, a driver plays the user, and pictures of each page are saved.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cd "$here/.."

sh scripts/setup.sh
cmake --preset x86_64 >/dev/null
cmake --build --preset x86_64 --target Velastore_Setup vs_demo_driver vs_hold_desktop

site="$PWD/build/demo/site"
rm -rf "$site"
mkdir -p "$site/app/update"
# Stands in for the company's control installer, which the wizard so far
# only fetches: a few megabytes give the progress bar something to follow.
head -c 4000000 /dev/urandom >"$site/app/Velastore ActiveX R7_ko.exe"

interactive=${DISPLAY:+yes}
. scripts/wine-session.sh
site_pid=""
cleanup() {
  [ -n "$site_pid" ] && kill "$site_pid" 2>/dev/null || true
  vs_stop
}
trap cleanup EXIT
[ -n "$interactive" ] || vs_start_xvfb
vs_start_wine
vs_hold_desktop

portfile=$(mktemp)
python3 demo/site_server.py "$site" >"$portfile" 2>build/demo/site.log &
site_pid=$!
i=0
while [ ! -s "$portfile" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
address="127.0.0.1:$(cat "$portfile")"
rm -f "$portfile"
echo "demo: the company site is at http://$address/"

exe="Z:$(echo "$PWD/build/x86_64/Velastore_Setup.exe" | tr / '\\')"
if [ -n "$interactive" ]; then
  echo "demo: type $address into the wizard and press Next"
  "$wine64" "$exe"
else
  shots="$PWD/demo-screens"
  rm -rf "$shots"
  mkdir -p "$shots"
  "$wine64" build/x86_64/tests/vs_demo_driver.exe "$exe" "$address" \
    "Z:$(echo "$shots" | tr / '\\')" || status=$?
  for bmp in "$shots"/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  echo "demo: pictures of each page are in $shots"
  exit "${status:-0}"
fi
