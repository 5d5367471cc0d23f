#!/usr/bin/env bash
# Installs what building and testing Lumora needs on Debian, if missing.
# Idempotent; runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    googletest libgtest-dev libbenchmark-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    wine wine64 xvfb xdotool x11-utils imagemagick
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
