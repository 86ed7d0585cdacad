#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, in the prefix named by WINEPREFIX (created on
# first use), on the display in DISPLAY (a private Xvfb when there is none).
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEPREFIX WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-prefix.sh"
exec wine "$@"
