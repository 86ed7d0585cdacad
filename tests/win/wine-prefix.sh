#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX once, with what the tests and the program expect:
# a desktop with a taskbar (so the notification area exists) and no installers for Mono or Gecko.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
[ -f "$WINEPREFIX/.veskara-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
wineserver -w
touch "$WINEPREFIX/.veskara-ready"
