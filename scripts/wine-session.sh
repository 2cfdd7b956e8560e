# Sourced by the test and demo scripts: a private Wine prefix in the build
# tree, a persistent wineserver, and an X server when there is no display.
#
# wineserver and the first wineboot must not inherit the caller's pipes:
# ctest waits for every holder of its output pipe to exit, and these two
# would otherwise keep it open long after the tests are done.

repo=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$repo/build/x86_64/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
wine64=/usr/lib/wine/wine64

vs_started_xvfb=""

vs_start_xvfb() {
  for n in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    vs_started_xvfb=$!
    export DISPLAY=":$n"
    i=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    return 0
  done
  echo "no free X display number" >&2
  return 1
}

vs_start_wine() {
  mkdir -p "$WINEPREFIX"
  wineserver -p </dev/null >/dev/null 2>&1
  "$wine64" wineboot -i </dev/null >/dev/null 2>&1
  # Dialogs ask for "MS Shell Dlg"; without a Hangul face behind it the
  # Korean texts show as boxes.
  for face in "MS Shell Dlg" "MS Shell Dlg 2"; do
    "$wine64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
      /v "$face" /t REG_SZ /d NanumGothic /f </dev/null >/dev/null 2>&1
  done
  # Without a window manager nobody draws captions unless Wine does itself.
  "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    </dev/null >/dev/null 2>&1
}

# Test programs start in a fraction of a second only while Wine's desktop
# stays up between them.
vs_hold_desktop() {
  "$wine64" "$repo/build/x86_64/tests/vs_hold_desktop.exe" </dev/null >/dev/null 2>&1 &
}

vs_stop() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -n "$vs_started_xvfb" ] && kill "$vs_started_xvfb" 2>/dev/null || true
}
