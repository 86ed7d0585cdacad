#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the portable code natively (plain and
# under AddressSanitizer + UBSan), then the Windows program's tests under Wine in a fresh prefix.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

for preset in native native-asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

cmake --preset windows >/dev/null
cmake --build --preset windows
export WINEPREFIX="$PWD/build/windows/wineprefix"
rm -rf "$WINEPREFIX"   # one new prefix for each test run
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  tests/win/wine-prefix.sh
  status=0
  ctest --preset windows || status=$?
  wineserver -k 2>/dev/null || true
  exit $status'
