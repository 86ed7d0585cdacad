#!/usr/bin/env bash
# Installs what is missing, builds veskara.exe and starts it under Wine. Without a display, the
# program runs on a private Xvfb screen (a screenshot is saved as build/windows/screen.png).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target veskara
export WINEPREFIX="${WINEPREFIX:-$PWD/build/windows/wineprefix}"
if [ -n "${DISPLAY:-}" ]; then
  tests/win/wine-prefix.sh
  exec wine build/windows/veskara.exe
fi
echo "No display: running on a virtual screen; end with Ctrl+C."
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  tests/win/wine-prefix.sh
  wine build/windows/veskara.exe &
  sleep 8
  import -window root build/windows/screen.png && echo "Screenshot: build/windows/screen.png"
  wait'
