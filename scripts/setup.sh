#!/bin/sh
# Installs what building, testing and the demo need on Debian 12. Safe to run
# again: it asks apt only for what is missing.
set -eu

packages="cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 xvfb xauth
  fonts-nanum googletest imagemagick python3"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
fi
