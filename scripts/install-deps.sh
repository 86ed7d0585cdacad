#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail
# Wine draws text with the fonts it recommends (fonts-wine, fonts-liberation): tests read pixels.
packages=(cmake ninja-build g++ googletest mingw-w64 wine wine64 fonts-wine fonts-liberation xvfb xauth xdotool imagemagick python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
