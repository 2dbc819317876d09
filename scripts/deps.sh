#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(build-essential cmake ninja-build ccache pkg-config
          qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev qt6-svg-dev
          xvfb xauth xdotool dbus-daemon at-spi2-core
          qt6-translations-l10n)
# Extra packages for a caller that needs more (the sanitizer and fuzz builds want clang).
if [ "$#" -gt 0 ]; then packages+=("$@"); fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ "${#missing[@]}" -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
